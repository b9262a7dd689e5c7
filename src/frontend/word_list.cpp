#include "frontend/word_list.h"

namespace kelvari {

bool SplitWords(std::wstring_view text, std::vector<std::wstring>& words, std::int16_t& count) {
  std::vector<std::wstring_view> found;
  std::size_t pos = 0;
  while (pos < text.size()) {
    if (text[pos] == L' ') {
      ++pos;
      continue;
    }
    const std::size_t start = pos;
    while (pos < text.size() && text[pos] != L' ') ++pos;
    if (found.size() == static_cast<std::size_t>(kMaxWords)) return false;
    found.push_back(text.substr(start, pos - start));
  }
  count = static_cast<std::int16_t>(found.size());
  if (found.empty()) return true;  // earlier entries stay; readers go by the count
  words.resize(found.size() + 1);
  for (std::size_t i = 0; i < found.size(); ++i) words[i + 1] = std::wstring(found[i]);
  return true;
}

std::wstring ArgumentTextOf(std::wstring_view command_line) {
  std::size_t pos = 0;
  if (!command_line.empty() && command_line[0] == L'"') {
    // A quoted program path ends at the next quote; Windows allows no quotes inside it.
    pos = command_line.find(L'"', 1);
    pos = pos == std::wstring_view::npos ? command_line.size() : pos + 1;
  } else {
    // An unquoted program path ends at the first blank or tab.
    while (pos < command_line.size() && command_line[pos] != L' ' && command_line[pos] != L'\t') {
      ++pos;
    }
  }
  while (pos < command_line.size() && (command_line[pos] == L' ' || command_line[pos] == L'\t')) {
    ++pos;
  }
  return std::wstring(command_line.substr(pos));
}

}  // namespace kelvari
