// Rules for the lines of a parameter file: trimming and comment lines, which do not apply to a
// file that kv.cmd wrote.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kelvari {

class TextsAndFiles;

// The most lines a parameter or list file may hold: line counts are 16-bit signed numbers.
inline constexpr int kMaxLines = 32767;

// Removes blanks (code 32 only) at both ends.
std::wstring TrimBlanks(std::wstring_view text);

// True for a trimmed line that starts with ";" or "'", or whose first three characters,
// upper-cased, are "REM" (so Rem, REMARK and Remote lines are comments too).
bool IsCommentLine(std::wstring_view trimmed, TextsAndFiles& system);

// Trims every line and drops the comment lines. Entry 0 of the result is the empty string;
// entries 1 to n are the kept lines in file order.
std::vector<std::wstring> KeepParameterLines(const std::vector<std::wstring>& lines,
                                             TextsAndFiles& system);

// The lines of a parameter file's `bytes`, entry 0 empty: those KeepParameterLines keeps; of a
// file that kv.cmd wrote (see ReadKvCmdFile) every line as it stands, since each is a text
// the batch file named: no comment lines, no trimming, empty lines kept. `fault` is set (and
// the lines are empty) when such a file names a variable that cannot be one line.
std::vector<std::wstring> ParameterLinesOf(std::string_view bytes, TextsAndFiles& system,
                                           std::optional<std::wstring>& fault);

// Joins lines[start] to the last line with a single CR between two lines; empty when `start`
// lies beyond the last line.
std::wstring JoinPrompt(const std::vector<std::wstring>& lines, int start);

}  // namespace kelvari
