// Win32System: sound through command strings for the multimedia interface (winmm), and the
// pauses between them.
#include <windows.h>
// mmsystem.h needs the types of windows.h.
#include <mmsystem.h>

#include "win32/system_win32.h"

namespace kelvari {

std::uint32_t Win32System::SendMciCommand(const std::wstring& command, std::wstring& answer) {
  wchar_t text[256] = {};
  const MCIERROR error = ::mciSendStringW(command.c_str(), text, 256, /*hwndCallback=*/nullptr);
  answer = text;
  return error;
}

void Win32System::Pause(int milliseconds) {
  ::Sleep(static_cast<DWORD>(milliseconds < 0 ? 0 : milliseconds));
}

}  // namespace kelvari
