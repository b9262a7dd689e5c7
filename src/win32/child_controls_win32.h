// Child controls of the program's own windows, made at a place in pixels or moved to their
// design positions given in twips.
#pragma once

#include <windows.h>

#include "core/twips.h"

namespace kelvari {

// A child control of `parent` with the id `id` at `place` (all zero: placed later).
// WS_CHILD is added to `style`.
HWND CreateControl(HWND parent, const wchar_t* control_class, const wchar_t* text, DWORD style,
                   DWORD ex_style, int id, const PixelRect& place = {});

// Moves `control` to `twips` of its window's design, in the pixels of `dpi`.
void PlaceControl(HWND control, const TwipsRect& twips, int dpi);

}  // namespace kelvari
