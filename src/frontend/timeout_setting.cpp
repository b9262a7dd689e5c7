#include "frontend/timeout_setting.h"

namespace kelvari {

TimeoutSetting ReadTimeoutSetting(const std::optional<std::wstring>& value) {
  if (!value) return {};
  const std::wstring& text = *value;
  const std::size_t first = text.find_first_not_of(L" \t");
  const std::size_t last = text.find_last_not_of(L" \t");
  if (first == std::wstring::npos) return {TimeoutSetting::kWrong, 0};
  long long seconds = 0;
  for (std::size_t i = first; i <= last; ++i) {
    if (text[i] < L'0' || text[i] > L'9') return {TimeoutSetting::kWrong, 0};
    seconds = seconds * 10 + (text[i] - L'0');
    if (seconds > kMaxTimeoutSeconds) return {TimeoutSetting::kWrong, 0};
  }
  if (seconds < 1) return {TimeoutSetting::kWrong, 0};
  return {TimeoutSetting::kSeconds, static_cast<int>(seconds)};
}

std::wstring WrongTimeoutMessage(const std::wstring& value) {
  return L"Die Umgebungsvariable " + std::wstring(kTimeoutVariable) +
         L" hat den ung\u00FCltigen Wert '" + value +
         L"'.\rErlaubt ist eine ganze Zahl von Sekunden von 1 bis " +
         std::to_wstring(kMaxTimeoutSeconds) + L".";
}

}  // namespace kelvari
