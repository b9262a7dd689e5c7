#include "commands/list_box_attributes.h"

#include <algorithm>

#include "core/parameter_file.h"
#include "core/system.h"
#include "core/word_splitter.h"

namespace kelvari {

bool ApplyListAttribute(std::wstring_view upper_word, bool& numeric, bool& multi_select) {
  if (upper_word == L"SINGLESELECT") {
    multi_select = false;
  } else if (upper_word == L"MULTISELECT") {
    multi_select = true;
  } else if (upper_word == L"NUMERIC") {
    numeric = true;
  } else if (upper_word == L"STRING") {
    numeric = false;
  } else {
    return false;
  }
  return true;
}

std::optional<std::vector<int>> ReadSelectedWord(std::wstring_view upper_word) {
  return ReadNumbersWord(upper_word, L"SELECTED=");
}

std::optional<std::vector<int>> ReadNumbersWord(std::wstring_view upper_word,
                                                std::wstring_view prefix) {
  if (!upper_word.starts_with(prefix)) return std::nullopt;
  std::wstring_view rest = upper_word.substr(prefix.size());
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
namespace {

constexpr std::wstring_view kSelectedText = L"SELECTEDTEXT=";

// Where a word SELECTEDTEXT= (any case) begins in `line`: at the start or after a blank;
// npos when there is none.
std::size_t SelectedTextAt(const std::wstring& line, Text& texts) {
  for (std::size_t at = 0; at + kSelectedText.size() <= line.size(); ++at) {
    if ((at > 0 && line[at - 1] != L' ') || (line[at] != L'S' && line[at] != L's')) continue;
    if (texts.UpperCase(std::wstring_view(line).substr(at, kSelectedText.size())) ==
        kSelectedText) {
      return at;
    }
  }
  return std::wstring::npos;
}

void SortOnce(std::vector<int>& positions) {
  std::sort(positions.begin(), positions.end());
  positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
}

}  // namespace

ListBoxAttributes ReadListBoxAttributes(const std::wstring& full_line, Text& texts) {
  ListBoxAttributes read;
  // SELECTEDTEXT= takes the rest of the line as it stands, blanks included.
  std::wstring line = full_line;
  if (const std::size_t at = SelectedTextAt(full_line, texts); at != std::wstring::npos) {
    read.selected_text = full_line.substr(at + kSelectedText.size());
    line.resize(at);
  }
  const auto words = SplitWords(line);
  if (!words.ok()) {
    read.failure = Outcome::Fault(words.reason());
    return read;
  }
  for (const std::wstring& given : words.value()) {
    const std::wstring word = texts.UpperCase(given);
    if (ApplyListAttribute(word, read.kind.numeric, read.kind.multi_select)) continue;
    if (word == L"QUOTED") {
      read.kind.quoted = true;
      continue;
    }
    if (auto positions = ReadSelectedWord(word)) {
      read.preselected = std::move(*positions);
      read.selected_word = given;
      continue;
    }
    if (auto positions = ReadNumbersWord(word, L"REQUIRED=")) {
      read.required = std::move(*positions);
      read.required_word = given;
      continue;
    }
    read.failure = Outcome::Error(kErrListBoxAttribute, given);
    return read;
  }
  if (read.selected_text) read.preselected.clear();  // the text is given last
  SortOnce(read.preselected);
  SortOnce(read.required);
  if (!read.kind.multi_select && read.preselected.size() > 1) {
    read.failure = Outcome::Error(kErrListBoxAttribute, read.selected_word);
  } else if (!read.kind.multi_select && !read.required.empty()) {
    read.failure = Outcome::Error(kErrListBoxAttribute, read.required_word);
  }
  return read;
}

}  // namespace kelvari
