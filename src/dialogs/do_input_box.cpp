// INPUTBOX: asks for one line of text; the answer is the text as typed.
#include "dialogs/prompt_text.h"
#include "frontend/ansi_answer.h"
#include "frontend/form1.h"

namespace kelvari {

Outcome Form1::DoInputBox() {
  if (Step ended = ChkParamFileName(3)) return *ended;
  const std::wstring prompt = PromptString(3);
  // A text that the batch file would read changed is refused while the box stays open.
  const InputCheck check = [this](const std::wstring& text) -> std::optional<std::wstring> {
    const auto reason = NotInAnsiReason(system(), text);
    if (!reason) return std::nullopt;
    return L"Der eingegebene Text" + *reason +
           L"\rEr kann so nicht an die Stapeldatei weitergegeben werden. "
           L"Bitte \u00E4ndern Sie den Text.";
  };
  const InputBoxAnswer answer =
      system().InputBox(prompt, BoxTitle(ParamLines[1]), ParamLines[2], check);
  switch (answer.kind) {
    case InputBoxAnswer::kConfirmed:
      return Outcome::Answer(answer.text);
    case InputBoxAnswer::kCancelled:
      // The batch file reads an empty answer; the exit code tells it the box was cancelled.
      return Outcome::Answer(std::wstring(), kExitCancelled);
    case InputBoxAnswer::kFailed:
      break;
  }
  return Outcome::Fault(L"Das Eingabefenster konnte nicht angezeigt werden:\r" + answer.reason);
}

}  // namespace kelvari
