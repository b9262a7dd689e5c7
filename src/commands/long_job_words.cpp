#include "commands/long_job_words.h"

#include "commands/message_box_style.h"

namespace kelvari {

std::optional<std::uint32_t> IconOfWord(std::wstring_view upper_word) {
  // The words of MESSAGEBOX's icon group, and only those.
  MessageBoxStyle style;
  if (!style.Apply(upper_word)) return std::nullopt;
  const auto value = static_cast<std::uint16_t>(style.Value());
  if ((value & ~kIconBits) != 0 || (value & kIconBits) == 0) return std::nullopt;
  return value;
}

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
