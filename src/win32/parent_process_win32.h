// The process that started this one: for a call from a batch file, the batch file's cmd.
#pragma once

#include <windows.h>

#include <optional>

namespace kelvari {

// The id of the process that started this one; nullopt when the system does not tell it.
std::optional<DWORD> ParentId();

}  // namespace kelvari
