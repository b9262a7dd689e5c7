// Win32System: the size of the primary screen.
#include <windows.h>

#include "win32/device_context_win32.h"
#include "win32/system_win32.h"

namespace kelvari {

ScreenMetrics Win32System::Screen() {
  ScreenMetrics screen;
  int dpi_x = 96, dpi_y = 96;
  if (const ScopedGetDC dc(nullptr); dc.get()) {
    dpi_x = ::GetDeviceCaps(dc.get(), LOGPIXELSX);
    dpi_y = ::GetDeviceCaps(dc.get(), LOGPIXELSY);
  }
  screen.twips_per_pixel_x = 1440.0f / static_cast<float>(dpi_x > 0 ? dpi_x : 96);
  screen.twips_per_pixel_y = 1440.0f / static_cast<float>(dpi_y > 0 ? dpi_y : 96);
  screen.width_twips =
      static_cast<float>(::GetSystemMetrics(SM_CXSCREEN)) * screen.twips_per_pixel_x;
  screen.height_twips =
      static_cast<float>(::GetSystemMetrics(SM_CYSCREEN)) * screen.twips_per_pixel_y;
  return screen;
}

}  // namespace kelvari
