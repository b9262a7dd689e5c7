#include "core/command_table.h"

namespace kelvari {

const CommandRow* FindCommand(std::span<const CommandRow> table, std::wstring_view upper_word) {
  for (const CommandRow& row : table) {
    if (row.word == upper_word) return &row;
  }
  return nullptr;
}

}  // namespace kelvari
