// Win32System: the modal message box.
#include <windows.h>

#include "win32/countdown_win32.h"
#include "win32/system_win32.h"

namespace kelvari {
namespace {

// A box cannot show more than a screenful anyway, and laying out millions of characters would
// keep the user waiting for minutes: longer texts are shown shortened, ending in "…".
std::wstring Shortened(const std::wstring& text, std::size_t limit) {
  if (text.size() <= limit) return text;
  return text.substr(0, limit) + L"\u2026";
}

BOOL CALLBACK TakeVisibleWindow(HWND window, LPARAM found) {
  if (!::IsWindowVisible(window) || !::IsWindowEnabled(window)) return TRUE;
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}

// The program's own window on the screen (the list dialog), or nullptr when none is shown.
HWND VisibleProgramWindow() {
  HWND found = nullptr;
  ::EnumThreadWindows(::GetCurrentThreadId(), TakeVisibleWindow, reinterpret_cast<LPARAM>(&found));
  return found;
}

}  // namespace

int Win32System::MessageBox(const std::wstring& text, const std::wstring& title,
                            std::uint32_t style) {
  // A box over one of the program's windows is modal to it: while a fault is reported over the
  // list dialog, the dialog takes no clicks that could confirm again or cancel.
  // MB_SETFOREGROUND: a box asked for by a batch file in a console window must come to the
  // front, not blink in the task bar.
  const CountdownScope countdown(countdown_, WhenTimeRunsOut::kPressDefaultButton);
  return ::MessageBoxW(VisibleProgramWindow(), Shortened(text, 8192).c_str(),
                       Shortened(title, 512).c_str(), style | MB_SETFOREGROUND);
}

}  // namespace kelvari
