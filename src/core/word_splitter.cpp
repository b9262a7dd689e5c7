#include "core/word_splitter.h"

namespace kelvari {

namespace {

std::wstring TooManyWordsMessage() {
  return L"Ein Text mit mehr als " + std::to_wstring(kMaxWords) +
         L" W\u00F6rtern kann nicht zerlegt werden.";
}

}  // namespace

Result<std::vector<std::wstring>> SplitWords(std::wstring_view text) {
  std::vector<std::wstring> words;
  std::size_t pos = 0;
  while (pos < text.size()) {
    if (text[pos] == L' ') {
      ++pos;
      continue;
    }
    const std::size_t start = pos;
    while (pos < text.size() && text[pos] != L' ') ++pos;
    if (words.size() == static_cast<std::size_t>(kMaxWords)) return Failure{TooManyWordsMessage()};
    words.emplace_back(text.substr(start, pos - start));
  }
  return words;
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
