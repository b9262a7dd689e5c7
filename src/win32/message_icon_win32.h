// The system's icons that a box of the program shows beside its text: as a message box style
// and as the icon itself.
#pragma once

#include <windows.h>

#include "core/message_request.h"

namespace kelvari {

// The message box style bits of `icon` (MB_ICON...); 0 for none.
UINT MessageBoxIconStyle(MessageIcon icon);

// The system icon of `icon`, as LoadIconW takes it with no module; nullptr for none.
const wchar_t* SystemIconFor(MessageIcon icon);

}  // namespace kelvari
