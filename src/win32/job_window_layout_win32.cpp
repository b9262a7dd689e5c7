#include "win32/job_window_layout_win32.h"

#include "win32/device_context_win32.h"

namespace kelvari {

SIZE TextSize(HWND window, HFONT font, const std::wstring& text, int width, UINT flags) {
  RECT need{0, 0, width, 0};
  const ScopedGetDC dc(window);
  const ScopedSelectObject selected(dc.get(), font);
  // An empty text is as tall as one line.
  const std::wstring measured = text.empty() ? std::wstring(L" ") : text;
  ::DrawTextW(dc.get(), measured.c_str(), static_cast<int>(measured.size()), &need,
              flags | DT_CALCRECT);
  return SIZE{need.right - need.left, need.bottom - need.top};
}

RECT UsersWorkArea() {
  HMONITOR monitor = nullptr;
  if (HWND foreground = ::GetForegroundWindow()) {
    monitor = ::MonitorFromWindow(foreground, MONITOR_DEFAULTTONULL);
  }
  if (!monitor) {
    POINT cursor{};
    ::GetCursorPos(&cursor);
    monitor = ::MonitorFromPoint(cursor, MONITOR_DEFAULTTOPRIMARY);
  }
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (!::GetMonitorInfoW(monitor, &info)) {
    RECT work{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    return work;
  }
  return info.rcWork;
}

}  // namespace kelvari
