#include "core/charset_setting.h"

#include <string_view>

namespace kelvari {
namespace {

// Compares ASCII letters case-blind; the locale plays no part (a Turkish "i" stays an "i").
bool SameWord(std::wstring_view text, std::wstring_view upper_word) {
  if (text.size() != upper_word.size()) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const wchar_t c = text[i] >= L'a' && text[i] <= L'z' ? text[i] - (L'a' - L'A') : text[i];
    if (c != upper_word[i]) return false;
  }
  return true;
}

}  // namespace

std::optional<ResultCharset> ReadCharsetSetting(const std::optional<std::wstring>& value) {
  if (!value) return ResultCharset::kAnsi;
  const std::wstring_view text = *value;
  const std::size_t first = text.find_first_not_of(L" \t");
  if (first == std::wstring_view::npos) return ResultCharset::kAnsi;
  const std::wstring_view word = text.substr(first, text.find_last_not_of(L" \t") - first + 1);
  if (SameWord(word, L"ANSI")) return ResultCharset::kAnsi;
  if (SameWord(word, L"UTF-8") || SameWord(word, L"UTF8")) return ResultCharset::kUtf8;
  return std::nullopt;
}

std::wstring WrongCharsetMessage(const std::wstring& value) {
  return L"Die Umgebungsvariable " + std::wstring(kCharsetVariable) +
         L" hat den ung\u00FCltigen Wert '" + value + L"'.\rErlaubt sind ANSI und UTF-8.";
}

}  // namespace kelvari
