// MESSAGEBOX: a standard message box; the answer is the pressed button as a German word.
#include "commands/commands.h"
#include "commands/message_box_style.h"
#include "core/prompt_text.h"
#include "core/word_splitter.h"

namespace kelvari {

Outcome AskWithMessageBox(const Invocation& call, Text& texts, Dialogs& dialogs) {
  const auto attributes = SplitWords(call.Line(2));
  if (!attributes.ok()) return Outcome::Fault(attributes.reason());
  MessageBoxStyleWords words;
  for (const std::wstring& word : attributes.value()) {
    if (!words.Apply(texts.UpperCase(word))) return Outcome::Error(kErrMessageBoxAttribute, word);
  }

  const MessageBoxStyle style = words.Style();
  const Result<PressedButton> pressed =
      dialogs.ShowMessage({.text = call.PromptFrom(3),
                           .title = BoxTitle(call.Line(1)),
                           .buttons = style.buttons,
                           .icon = style.icon,
                           .default_button = style.default_button});
  // No box shown, no button pressed: that is no answer, not even an empty one.
  if (!pressed.ok()) return Outcome::Fault(L"Das Meldungsfenster konnte nicht angezeigt werden.");
  return Outcome::Answer(MessageBoxResultWord(pressed.value()));
}

}  // namespace kelvari
