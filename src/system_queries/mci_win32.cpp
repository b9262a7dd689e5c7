// Win32System: command strings for the multimedia interface (winmm).
#include <windows.h>
// mmsystem.h needs the types of windows.h.
#include <mmsystem.h>

#include "frontend/system_win32.h"

namespace kelvari {

std::uint32_t Win32System::SendMciCommand(const std::wstring& command) {
  return ::mciSendStringW(command.c_str(), /*lpszReturnString=*/nullptr, 0,
                          /*hwndCallback=*/nullptr);
}

}  // namespace kelvari
