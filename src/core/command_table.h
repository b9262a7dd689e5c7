// The rows of the command table: what the second word of the command line selects. Each row
// says the word, whether the command reads a parameter file and how many lines it needs at
// least, and the handler. The rows themselves are in
// commands/command_table.cpp; the program looks a word up here.
#pragma once

#include <span>
#include <string_view>

#include "core/invocation.h"
#include "core/outcome.h"
#include "core/system.h"

namespace kelvari {

// For a command without a parameter file.
inline constexpr int kNoParameterFile = -1;

struct CommandRow {
  std::wstring_view word;  // upper case, as it is compared
  int least_lines;         // of the parameter file (word 3); kNoParameterFile for none
  // Runs the command. It hands the handler only the roles of `system` it uses.
  Outcome (*run)(const Invocation& call, System& system);
};

// The row of `upper_word`, or nullptr when no command has that word.
const CommandRow* FindCommand(std::span<const CommandRow> table, std::wstring_view upper_word);

}  // namespace kelvari
