#include "commands/list_box_attributes.h"

#include "core/parameter_lines.h"

namespace kelvari {

bool ApplyListAttribute(std::wstring_view upper_word, std::int16_t& numeric,
                        std::int16_t& multi_select) {
  if (upper_word == L"SINGLESELECT") {
    multi_select = 0;
  } else if (upper_word == L"MULTISELECT") {
    multi_select = 1;
  } else if (upper_word == L"NUMERIC") {
    numeric = -1;
  } else if (upper_word == L"STRING") {
    numeric = 0;
  } else {
    return false;
  }
  return true;
}

std::optional<std::vector<int>> ReadSelectedWord(std::wstring_view upper_word) {
  constexpr std::wstring_view kPrefix = L"SELECTED=";
  if (!upper_word.starts_with(kPrefix)) return std::nullopt;
  std::wstring_view rest = upper_word.substr(kPrefix.size());
  std::vector<int> positions;
  for (;;) {
    const std::size_t comma = rest.find(L',');
    const std::wstring_view part = rest.substr(0, comma);
    if (part.empty()) return std::nullopt;
    int number = 0;
    for (wchar_t c : part) {
      if (c < L'0' || c > L'9') return std::nullopt;
      number = number * 10 + (c - L'0');
      if (number > kMaxLines) return std::nullopt;
    }
    if (number < 1) return std::nullopt;
    positions.push_back(number - 1);
    if (comma == std::wstring_view::npos) return positions;
    rest = rest.substr(comma + 1);
  }
}

}  // namespace kelvari
