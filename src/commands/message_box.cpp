// MESSAGEBOX: a standard message box; the answer is the pressed button as a German word.
#include "commands/commands.h"
#include "commands/message_box_style.h"
#include "core/prompt_text.h"
#include "core/word_splitter.h"

namespace kelvari {

Outcome AskWithMessageBox(const Invocation& call, TextsAndFiles& texts, Dialogs& dialogs) {
  const auto attributes = SplitWords(call.Line(2));
  if (!attributes.ok()) return Outcome::Fault(attributes.reason());
  MessageBoxStyle style;
  for (const std::wstring& word : attributes.value()) {
    if (!style.Apply(texts.UpperCase(word))) return Outcome::Error(kErrMessageBoxAttribute, word);
  }

  const int pressed = dialogs.MessageBox(call.PromptFrom(3), BoxTitle(call.Line(1)),
                                         static_cast<std::uint16_t>(style.Value()));
  // No box shown, no button pressed: that is no answer, not even an empty one.
  if (pressed <= 0) return Outcome::Fault(L"Das Meldungsfenster konnte nicht angezeigt werden.");
  return Outcome::Answer(MessageBoxResultWord(pressed));
}

}  // namespace kelvari
