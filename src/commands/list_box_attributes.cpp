#include "commands/list_box_attributes.h"

#include <algorithm>

#include "core/parameter_file.h"
#include "core/system.h"
#include "core/word_splitter.h"

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

namespace kelvari {

ListBoxAttributes ReadListBoxAttributes(const std::wstring& line, TextsAndFiles& texts) {
  ListBoxAttributes read;
  const auto words = SplitAttributeLine(line);
  if (!words) {
    read.failure = Outcome::Fault(TooManyWordsMessage());
    return read;
  }
  std::int16_t numeric = 0;
  std::int16_t multi_select = 0;
  for (std::size_t i = 1; i < words->size(); ++i) {
    const std::wstring& given = (*words)[i];
    const std::wstring word = texts.UpperCase(given);
    if (ApplyListAttribute(word, numeric, multi_select)) continue;
    if (word == L"QUOTED") {
      read.kind.quoted = true;
      continue;
    }
    if (auto positions = ReadSelectedWord(word)) {
      read.preselected = std::move(*positions);
      read.selected_word = given;
      continue;
    }
    read.failure = Outcome::Error(kErrListBoxAttribute, given);
    return read;
  }
  read.kind.numeric = numeric != 0;
  read.kind.multi_select = multi_select != 0;
  std::sort(read.preselected.begin(), read.preselected.end());
  read.preselected.erase(std::unique(read.preselected.begin(), read.preselected.end()),
                         read.preselected.end());
  if (!read.kind.multi_select && read.preselected.size() > 1) {
    read.failure = Outcome::Error(kErrListBoxAttribute, read.selected_word);
  }
  return read;
}

}  // namespace kelvari
