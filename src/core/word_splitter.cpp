#include "core/word_splitter.h"

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

std::optional<std::vector<std::wstring>> SplitAttributeLine(std::wstring_view line) {
  std::vector<std::wstring> words;
  std::int16_t count = 0;
  if (!SplitWords(line, words, count)) return std::nullopt;
  words.resize(static_cast<std::size_t>(count) + 1);  // a line without words leaves none
  return words;
}

std::wstring TooManyWordsMessage() {
  return L"Ein Text mit mehr als " + std::to_wstring(kMaxWords) +
         L" W\u00F6rtern kann nicht zerlegt werden.";
}

std::wstring ArgumentTextOf(std::wstring_view command_line) {
  // The program's name ends at the first blank or tab outside quotes; every quote switches
  // between inside and outside, as the C runtime reads argv[0]. So "%~dp0"kelvari.exe and
  // C:\"Program Files"\Kelvari\kelvari.exe, as batch files write them, are one name.
  std::size_t pos = 0;
  bool quoted = false;
  for (; pos < command_line.size(); ++pos) {
    const wchar_t c = command_line[pos];
    if (c == L'"') {
      quoted = !quoted;
    } else if (!quoted && (c == L' ' || c == L'\t')) {
      break;
    }
  }
  while (pos < command_line.size() && (command_line[pos] == L' ' || command_line[pos] == L'\t')) {
    ++pos;
  }
  return std::wstring(command_line.substr(pos));
}

}  // namespace kelvari
