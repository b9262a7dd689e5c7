// PASSWORDBOX: asks for a password; the field hides it, the answer is the text as typed, and
// no message ever names a character of it.
#include "commands/commands.h"
#include "commands/input_box.h"
#include "core/answer_encoding.h"

namespace kelvari {
namespace {

std::wstring PasswordNotHeld(ResultCharset charset) {
  return L"Das eingegebene Kennwort" + NotHeldPhrase(charset) + L".";
}

}  // namespace

Outcome AskForPassword(const Invocation& call, Text& texts, Dialogs& dialogs) {
  const ResultCharset charset = call.settings().charset;
  const InputCheck check = [&texts, charset](const std::wstring& text) {
    std::optional<std::wstring> refusal;
    if (!EncodeAnswer(texts, charset, text).exact) {
      refusal = PasswordNotHeld(charset) +
                L"\rEs kann so nicht an die Stapeldatei weitergegeben werden. "
                L"Bitte \u00E4ndern Sie das Kennwort.";
    }
    return refusal;
  };
  return AskInInputBox(
      call, dialogs, /*hidden=*/true, check, [&texts, charset](const std::wstring& text) {
        // A box that closed itself gives its text unchecked. It is refused
        // here, before the result file's message could name its characters.
        if (EncodeAnswer(texts, charset, text).exact) return Outcome::Answer(text);
        return Outcome::Fault(PasswordNotHeld(charset) +
                              L"\rEs wird nicht an die Stapeldatei weitergegeben.");
      });
}

}  // namespace kelvari
