// Small shared routines: the program's folder, the trailing backslash of folder texts and the
// version text. None keeps any state.
#pragma once

#include <string>
#include <string_view>

#include "core/system.h"

namespace kelvari {

// `folder` with one "\" appended unless its last character already is "\" ("" gives "\").
std::wstring AddBackslash(std::wstring_view folder);

// " (V2.7.13)": a blank and the version in parentheses, ten characters, ready to be appended
// right after a name.
std::wstring VersionString();

// The folder that holds the program's executable, ending in "\".
std::wstring ProgramFolder(Process& process);

}  // namespace kelvari
