// Reading the list dialog's list file: every line is one entry, as it stands.
#pragma once

#include <string>
#include <vector>

#include "core/failure.h"

namespace kelvari {

class Files;
class Process;
class Text;

struct ListFileContent {
  // Why a file gives no list.
  enum class Problem { kNone, kUnreadable, kTooManyLines, kLineBreakInVariable };
  Problem problem = Problem::kNone;
  std::vector<std::wstring> entries;
  Failure failure;  // the system's description when unreadable; the message of a line break
};

// Reads the file with the parameter file's encodings and line ends (CR LF or a lone CR), but
// keeps every line: no comment lines, no trimming, empty lines stay. A list that kv.cmd wrote is
// read as ReadKvCmdFile says (kLineBreakInVariable when it names a variable that cannot be one
// line). A list holds at most kMaxLines entries, since its counts are
// 16-bit numbers; a longer file is kTooManyLines.
// Only with `names_variables` (see IsKvCmdOwnFile) may its lines name environment variables.
ListFileContent ReadListFile(const std::wstring& path, Text& texts, Files& files, Process& process,
                             bool names_variables = false);

}  // namespace kelvari
