// Small shared routines: the program's folder, the trailing backslash of folder texts,
// cutting a system buffer at its first NUL, the version text, and centring a form on the
// screen. None keeps any state.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/system.h"

namespace kelvari {

// `folder` with one "\" appended unless its last character already is "\" ("" gives "\").
std::wstring AddBackslash(std::wstring_view folder);

// The characters of `buffer` before its first NUL character (all of it when there is none).
std::wstring TrimAtNull(std::wstring_view buffer);

// " (V2.7.13)": a blank and the version in parentheses, ten characters, ready to be appended
// right after a name.
std::wstring VersionString();

// The folder that holds the program's executable, ending in "\".
std::wstring ProgramFolder(Process& process);

// Where a form goes when it is centred: (screen − form) rounded to a whole number, ties to
// even, then halved with truncation toward zero. Negative for a form larger than the screen.
float CenteredPosition(float screen_twips, float form_twips);

}  // namespace kelvari
