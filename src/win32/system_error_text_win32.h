// The system's own words for a Win32 error code, as the program shows them to the user.
#pragma once

#include <windows.h>

#include <string>

namespace kelvari {

// The system's description of `error`, without the trailing line end; "Systemfehler N" when
// the system has none.
std::wstring SystemErrorText(DWORD error);

}  // namespace kelvari
