// The font of the program's own windows: the system's message font at a given DPI.
#pragma once

#include <windows.h>

#include "win32/unique_handle_win32.h"

namespace kelvari {

inline HFONT NullFont() {
  return nullptr;
}
using UniqueFont = UniqueHandle<HFONT, ::DeleteObject, NullFont>;

// The message font as the user has set it, sized for `dpi`.
LOGFONTW MessageFontAt(UINT dpi);

}  // namespace kelvari
