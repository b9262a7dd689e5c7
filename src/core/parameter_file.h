// The parameter file: reading it, and the rules for its lines (trimming and comment lines,
// which do not apply to a file that kv.cmd wrote).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/failure.h"
#include "core/outcome.h"

namespace kelvari {

class Files;
class Process;
class Text;

// Reads the parameter file `path` (word 3 of the command line) and keeps its lines (line n at
// position n - 1). A fault when it names a device, error 4 when it is no normal file, error 5 when
// it keeps fewer than `least_lines` lines, a fault when it cannot be read, names a variable that
// cannot be a line, or holds more than kMaxLines lines. Only with `names_variables` (a file
// kv.cmd wrote for this call, see IsKvCmdOwnFile) may its lines name environment variables.
struct ParameterFile {
  std::vector<std::wstring> lines;
  Step failure;  // the outcome that ends the command instead
};
ParameterFile ReadParameterFile(const std::wstring& path, int least_lines, Text& texts,
                                Files& files, Process& process, bool names_variables = false);

// The most lines a parameter or list file may hold: line counts are 16-bit signed numbers.
inline constexpr int kMaxLines = 32767;

// Why a device (CON, LPT1, CONIN$ ...) named as a file is neither read nor written.
inline constexpr wchar_t kNamesDeviceText[] =
    L"Der Name bezeichnet ein Ger\u00E4t und keine Datei.";

// Removes blanks (code 32 only) at both ends.
std::wstring TrimBlanks(std::wstring_view text);

// True for a trimmed line that starts with ";" or "'", or whose first three characters,
// upper-cased, are "REM" (so Rem, REMARK and Remote lines are comments too).
bool IsCommentLine(std::wstring_view trimmed, Text& texts);

// Trims every line and drops the comment lines: the kept lines in file order.
std::vector<std::wstring> KeepParameterLines(const std::vector<std::wstring>& lines, Text& texts);

// The lines of a parameter file's `bytes`: those KeepParameterLines keeps; of a file that kv.cmd
// wrote (see ReadKvCmdFile) every line as it stands, since each is a text the batch file named:
// no comment lines, no trimming, empty lines kept. Fails when such a file names a variable that
// cannot be one line; only with `names_variables` may it name variables (see ReadKvCmdFile).
Result<std::vector<std::wstring>> ParameterLinesOf(std::string_view bytes, Text& texts,
                                                   Process& process, bool names_variables = false);

// Joins the lines from position `first` (from 0; less counts as 0) to the last with a single CR
// between two lines; empty when `first` lies beyond the last line.
std::wstring JoinPrompt(const std::vector<std::wstring>& lines, int first);

}  // namespace kelvari
