// The lines of a file that kv.cmd wrote for the program (a parameter file or a list file).
//
// kv.cmd marks such a file with a first line of its own, ended by CR LF:
//   ;kv.cmd:UTF-8 or ;kv.cmd:ANSI         the lines follow, in that encoding (see DecodeKvCmdFile)
//   ;kv.cmd:UTF-16                        the whole file is UTF-16LE without a mark, this line too
//   ;kv.cmd:UTF-8:VARIABLES or ...:ANSI:VARIABLES   one environment variable's name a line (in
//                                         that encoding); each variable's value is the line, so
//                                         no text of the batch file passes through cmd's output
// Every line is kept as it stands: no comment lines, no trimming, empty lines kept.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kelvari {

class Process;
class Text;

struct KvCmdLines {
  std::vector<std::wstring> lines;
  // Set when a variable's value holds CR or LF and so cannot be one line: the German message.
  std::optional<std::wstring> fault;
};

// The lines of a file kv.cmd marked; nullopt for every other file. An undefined variable gives
// an empty line. The VARIABLES form counts only with `names_variables` (a file kv.cmd wrote
// for this very call, see IsKvCmdOwnFile): in every other file its first line is a comment
// like any other, so no file of anyone else can show the environment.
std::optional<KvCmdLines> ReadKvCmdFile(std::string_view bytes, Text& texts, Process& process,
                                        bool names_variables);

}  // namespace kelvari
