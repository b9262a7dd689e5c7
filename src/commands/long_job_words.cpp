#include "commands/long_job_words.h"

namespace kelvari {

std::optional<int> WholeNumberIn(std::wstring_view text, int least, int most) {
  if (text.empty() || text.size() > 9) return std::nullopt;
  int value = 0;
  for (wchar_t c : text) {
    if (c < L'0' || c > L'9') return std::nullopt;
    value = value * 10 + (c - L'0');
  }
  if (value < least || value > most) return std::nullopt;
  return value;
}

Outcome WrongValueError(const Invocation& call, Text& texts, const std::wstring& value,
                        const std::wstring& range) {
  return Outcome::Error(kErrWrongValue, L"Befehl " + texts.UpperCase(call.Word(2)) +
                                            L": Ung\u00FCltiger Wert " + value + L" (erlaubt: " +
                                            range + L")");
}

}  // namespace kelvari
