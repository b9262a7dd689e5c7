// INPUTBOX: asks for one line of text; the answer is the text as typed.
#include "commands/input_box.h"

#include "commands/commands.h"
#include "core/answer_encoding.h"
#include "core/prompt_text.h"

namespace kelvari {

Outcome AskInInputBox(const Invocation& call, Dialogs& dialogs, bool hidden,
                      const InputCheck& check,
                      const std::function<Outcome(const std::wstring& text)>& on_confirmed) {
  const Result<InputBoxAnswer> answer =
      dialogs.InputBox(call.PromptFrom(3), BoxTitle(call.Line(1)), call.Line(2), check, hidden);
  if (!answer.ok()) {
    return Outcome::Fault(L"Das Eingabefenster konnte nicht angezeigt werden:\r" + answer.reason());
  }
  if (answer.value().confirmed) return on_confirmed(answer.value().text);
  // The batch file reads an empty answer; the exit code tells it the box was cancelled.
  return Outcome::Answer(std::wstring(), kExitCancelled);
}

Outcome AskForText(const Invocation& call, Text& texts, Dialogs& dialogs) {
  const ResultCharset charset = call.settings().charset;
  // A text that the batch file would read changed is refused while the box stays open.
  const InputCheck check = [&texts, charset](const std::wstring& text) {
    std::optional<std::wstring> refusal;
    if (const auto reason = NotHeldReason(texts, charset, text)) {
      refusal = L"Der eingegebene Text" + *reason +
                L"\rEr kann so nicht an die Stapeldatei weitergegeben werden. "
                L"Bitte \u00E4ndern Sie den Text.";
    }
    return refusal;
  };
  // A box that closed itself gives its text unchecked; the result file refuses it then.
  return AskInInputBox(call, dialogs, /*hidden=*/false, check,
                       [](const std::wstring& text) { return Outcome::Answer(text); });
}

}  // namespace kelvari
