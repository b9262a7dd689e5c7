// The program's word splitter.
//
// A word is a maximal run of characters other than the blank (code 32). Tabs, quotes and every
// other character belong to the word they stand in; there is no quoting of any kind.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kelvari {

// The most words one split can hold: counts are 16-bit signed numbers.
inline constexpr int kMaxWords = 32767;

// Splits `text` into `words` (entry 0 unused, word n in entry n) and sets `count`.
// A text with words leaves exactly count + 1 entries. A text without words sets `count` to 0
// and leaves the entries of the previous split in place.
// Returns false, with `words` and `count` unchanged, when the text holds more than kMaxWords
// words.
bool SplitWords(std::wstring_view text, std::vector<std::wstring>& words, std::int16_t& count);

// The words of an attribute line (word n in entry n, entry 0 unused; none for a line without
// words), or nullopt when it holds more than kMaxWords words.
std::optional<std::vector<std::wstring>> SplitAttributeLine(std::wstring_view line);

// The German fault text for a text of more than kMaxWords words.
std::wstring TooManyWordsMessage();

// Returns the text that follows the program's own name in a process command line, and the
// blanks and tabs after the name. The name ends at the first blank or tab outside quotes.
std::wstring ArgumentTextOf(std::wstring_view command_line);

}  // namespace kelvari
