#include "core/settings.h"

#include <string_view>

namespace kelvari {
namespace {

// The text between blanks and tabs at both ends; empty when there is nothing else.
std::wstring_view Trimmed(std::wstring_view text) {
  const std::size_t first = text.find_first_not_of(L" \t");
  if (first == std::wstring_view::npos) return {};
  return text.substr(first, text.find_last_not_of(L" \t") - first + 1);
}

// Compares ASCII letters case-blind; the locale plays no part (a Turkish "i" stays an "i").
bool SameWord(std::wstring_view text, std::wstring_view upper_word) {
  if (text.size() != upper_word.size()) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const wchar_t c = text[i] >= L'a' && text[i] <= L'z' ? text[i] - (L'a' - L'A') : text[i];
    if (c != upper_word[i]) return false;
  }
  return true;
}

// A value longer than this is shown cut, ending in "…": the message must stay readable up to
// the values it allows.
constexpr std::size_t kLongestValueShown = 40;

std::wstring ValueAsShown(const std::wstring& value) {
  if (value.size() <= kLongestValueShown) return value;
  std::size_t keep = kLongestValueShown;
  if (value[keep - 1] >= 0xD800 && value[keep - 1] <= 0xDBFF) --keep;  // never half a pair
  return value.substr(0, keep) + L"\u2026";
}

// One environment variable: its name, what it allows (for the message), and how its value
// goes into the settings; false for a value it does not allow.
struct SettingRow {
  const wchar_t* variable;
  const wchar_t* allowed;
  bool (*apply)(const std::optional<std::wstring>& value, Settings& settings);
};

const SettingRow kSettingRows[] = {
    {kCallerVariable, L"",
     [](const std::optional<std::wstring>& value, Settings& settings) {
       settings.started_by_kv_cmd = ReadCallerSetting(value);
       return true;
     }},
    {kTimeoutVariable, L"Erlaubt ist eine ganze Zahl von Sekunden von 1 bis 86400.",
     [](const std::optional<std::wstring>& value, Settings& settings) {
       if (!value) return true;  // no countdown
       settings.timeout_seconds = ReadTimeoutSeconds(*value);
       return settings.timeout_seconds.has_value();
     }},
    {kCharsetVariable, L"Erlaubt sind ANSI und UTF-8.",
     [](const std::optional<std::wstring>& value, Settings& settings) {
       const auto charset = ReadCharsetSetting(value);
       if (charset) settings.charset = *charset;
       return charset.has_value();
     }},
};

}  // namespace

bool ReadCallerSetting(const std::optional<std::wstring>& value) {
  return value == L"kv.cmd";
}

std::optional<int> ReadTimeoutSeconds(std::wstring_view value) {
  const std::wstring_view digits = Trimmed(value);
  if (digits.empty()) return std::nullopt;
  long long seconds = 0;
  for (const wchar_t c : digits) {
    if (c < L'0' || c > L'9') return std::nullopt;
    seconds = seconds * 10 + (c - L'0');
    if (seconds > kMaxTimeoutSeconds) return std::nullopt;
  }
  if (seconds < 1) return std::nullopt;
  return static_cast<int>(seconds);
}

std::optional<ResultCharset> ReadCharsetSetting(const std::optional<std::wstring>& value) {
  if (!value) return ResultCharset::kAnsi;
  const std::wstring_view word = Trimmed(*value);
  if (word.empty() || SameWord(word, L"ANSI")) return ResultCharset::kAnsi;
  if (SameWord(word, L"UTF-8") || SameWord(word, L"UTF8")) return ResultCharset::kUtf8;
  return std::nullopt;
}

SettingsReading ReadSettings(const EnvironmentLookup& variable) {
  SettingsReading reading;
  for (const SettingRow& row : kSettingRows) {
    const std::optional<std::wstring> value = variable(row.variable);
    if (!row.apply(value, reading.settings) && !reading.wrong_value_message) {
      reading.wrong_value_message = WrongSettingMessage(row.variable, *value, row.allowed);
    }
  }
  return reading;
}

std::wstring WrongSettingMessage(const std::wstring& variable, const std::wstring& value,
                                 const std::wstring& allowed) {
  return L"Die Umgebungsvariable " + variable + L" hat den ung\u00FCltigen Wert '" +
         ValueAsShown(value) + L"'.\r" + allowed;
}

}  // namespace kelvari
