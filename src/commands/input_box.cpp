// INPUTBOX and PASSWORDBOX: ask for one line of text; the answer is the text as typed.
// PASSWORDBOX hides the text in its entry field and never names a character of it.
#include "core/prompt_text.h"
#include "core/answer_encoding.h"
#include "core/program.h"

namespace kelvari {
namespace {

std::wstring PasswordNotHeld(ResultCharset charset) {
  return L"Das eingegebene Kennwort" + NotHeldPhrase(charset) + L".";
}

// A text that the batch file would read changed is refused while the box stays open.
std::optional<std::wstring> Refusal(TextsAndFiles& system, ResultCharset charset,
                                    const std::wstring& text, bool hidden) {
  if (hidden) {
    if (EncodeAnswer(system, charset, text).exact) return std::nullopt;
    return PasswordNotHeld(charset) +
           L"\rEs kann so nicht an die Stapeldatei weitergegeben werden. "
           L"Bitte \u00E4ndern Sie das Kennwort.";
  }
  const auto reason = NotHeldReason(system, charset, text);
  if (!reason) return std::nullopt;
  return L"Der eingegebene Text" + *reason +
         L"\rEr kann so nicht an die Stapeldatei weitergegeben werden. "
         L"Bitte \u00E4ndern Sie den Text.";
}

Outcome AskForText(Form1& form, bool hidden) {
  if (Step ended = form.ChkParamFileName(3)) return *ended;
  TextsAndFiles& system = form.system();
  const ResultCharset charset = form.AnswerCharset;
  const InputCheck check = [&system, charset, hidden](const std::wstring& text) {
    return Refusal(system, charset, text, hidden);
  };
  const InputBoxAnswer answer = form.system().InputBox(
      form.PromptString(3), BoxTitle(form.ParamLines[1]), form.ParamLines[2], check, hidden);
  switch (answer.kind) {
    case InputBoxAnswer::kConfirmed:
      // A box that closed itself gives its text unchecked. A password is refused here, before
      // a message could name its characters.
      if (hidden && !EncodeAnswer(system, charset, answer.text).exact) {
        return Outcome::Fault(PasswordNotHeld(charset) +
                              L"\rEs wird nicht an die Stapeldatei weitergegeben.");
      }
      return Outcome::Answer(answer.text);
    case InputBoxAnswer::kCancelled:
      // The batch file reads an empty answer; the exit code tells it the box was cancelled.
      return Outcome::Answer(std::wstring(), kExitCancelled);
    case InputBoxAnswer::kFailed:
      break;
  }
  return Outcome::Fault(L"Das Eingabefenster konnte nicht angezeigt werden:\r" + answer.reason);
}

}  // namespace

Outcome Form1::DoInputBox() {
  return AskForText(*this, /*hidden=*/false);
}

Outcome Form1::DoPasswordBox() {
  return AskForText(*this, /*hidden=*/true);
}

}  // namespace kelvari
