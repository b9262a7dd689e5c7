// Where a window of the program goes: the work area of its monitor, and the place that
// centres a window on it.
#pragma once

#include <windows.h>

#include <optional>

namespace kelvari {

// The work area of the monitor that `window` is on (the primary one when it is on none);
// nullopt when the system cannot tell it.
std::optional<RECT> WorkAreaOf(HWND window);

// The top left corner of a window of `width` × `height` centred on `work`; negative offsets
// for a window larger than the work area.
POINT CentredIn(const RECT& work, int width, int height);

}  // namespace kelvari
