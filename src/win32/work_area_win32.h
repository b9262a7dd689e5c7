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

// The outer size of `window` (title bar and frame included, as its styles draw them at `dpi`)
// around a client area of `client_width` × `client_height` pixels.
SIZE OuterSize(HWND window, int client_width, int client_height, UINT dpi);

// Centres `window` on its monitor's work area; one larger than the work area keeps its top
// left corner in view.
void CentreOnWorkArea(HWND window);

// Centres `window` once more when its thread first falls idle, after a dialog of the system
// has fitted its controls (which can change its size). The timer is the window's own, so it
// ends with the window.
void CentreAgainWhenIdle(HWND window);

}  // namespace kelvari
