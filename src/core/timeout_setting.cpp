#include "core/timeout_setting.h"

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

namespace {

// A value longer than this is shown cut, ending in "…": the message must stay readable up to
// the values it allows.
constexpr std::size_t kLongestValueShown = 40;

std::wstring ValueAsShown(const std::wstring& value) {
  if (value.size() <= kLongestValueShown) return value;
  std::size_t keep = kLongestValueShown;
  if (value[keep - 1] >= 0xD800 && value[keep - 1] <= 0xDBFF) --keep;  // never half a pair
  return value.substr(0, keep) + L"\u2026";
}

}  // namespace

std::wstring WrongTimeoutMessage(const std::wstring& value) {
  return L"Die Umgebungsvariable " + std::wstring(kTimeoutVariable) +
         L" hat den ung\u00FCltigen Wert '" + ValueAsShown(value) +
         L"'.\rErlaubt ist eine ganze Zahl von Sekunden von 1 bis " +
         std::to_wstring(kMaxTimeoutSeconds) + L".";
}

}  // namespace kelvari
