// The program's word splitter.
//
// A word is a maximal run of characters other than the blank (code 32). Tabs, quotes and every
// other character belong to the word they stand in; there is no quoting of any kind.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/failure.h"

namespace kelvari {

// The most words one split can hold: counts are 16-bit signed numbers.
inline constexpr int kMaxWords = 32767;

// The words of `text` in their order (word n at position n - 1); none for a text without
// words. Fails, with a German text that says so, when the text holds more than kMaxWords words.
Result<std::vector<std::wstring>> SplitWords(std::wstring_view text);

// Returns the text that follows the program's own name in a process command line, and the
// blanks and tabs after the name. The name ends at the first blank or tab outside quotes.
std::wstring ArgumentTextOf(std::wstring_view command_line);

}  // namespace kelvari
