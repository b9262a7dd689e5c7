// Win32System: the modal message box.
#include <windows.h>

#include "frontend/system_win32.h"

namespace kelvari {

int Win32System::MessageBox(const std::wstring& text, const std::wstring& title,
                            std::uint32_t style) {
  // MB_SETFOREGROUND: a box asked for by a batch file in a console window must come to the
  // front, not blink in the task bar.
  return ::MessageBoxW(/*hWnd=*/nullptr, text.c_str(), title.c_str(), style | MB_SETFOREGROUND);
}

}  // namespace kelvari
