#include "win32/work_area_win32.h"

namespace kelvari {

std::optional<RECT> WorkAreaOf(HWND window) {
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  if (!::GetMonitorInfoW(::MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &monitor)) {
    return std::nullopt;
  }
  return monitor.rcWork;
}

POINT CentredIn(const RECT& work, int width, int height) {
  return {work.left + (work.right - work.left - width) / 2,
          work.top + (work.bottom - work.top - height) / 2};
}

}  // namespace kelvari
