// A picture of a window as the screen shows it, as the bytes of a 24-bit BMP file. Used by
// the screenshots of the manual and by the scripted user of the demonstration.
#pragma once

#include <windows.h>

#include <string>

namespace kvtest {

// The window's screen area as a complete BMP file; empty for a window without area.
std::string WindowPicture(HWND window);

}  // namespace kvtest
