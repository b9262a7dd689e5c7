#include "win32/work_area_win32.h"

#include <algorithm>

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

SIZE OuterSize(HWND window, int client_width, int client_height, UINT dpi) {
  RECT frame{0, 0, client_width, client_height};
  ::AdjustWindowRectExForDpi(&frame, static_cast<DWORD>(::GetWindowLongPtrW(window, GWL_STYLE)),
                             FALSE, static_cast<DWORD>(::GetWindowLongPtrW(window, GWL_EXSTYLE)),
                             dpi);
  return {frame.right - frame.left, frame.bottom - frame.top};
}

void CentreOnWorkArea(HWND window) {
  RECT frame;
  if (!::IsWindow(window) || !::GetWindowRect(window, &frame)) return;
  const std::optional<RECT> work = WorkAreaOf(window);
  if (!work) return;
  const POINT at = CentredIn(*work, frame.right - frame.left, frame.bottom - frame.top);
  ::SetWindowPos(window, nullptr, std::max(at.x, work->left), std::max(at.y, work->top), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

namespace {

// The procedure's address serves as the timer's id, which no other timer can have.
void CALLBACK CentreWhenIdle(HWND window, UINT, UINT_PTR timer, DWORD) noexcept {
  ::KillTimer(window, timer);
  CentreOnWorkArea(window);
}

}  // namespace

void CentreAgainWhenIdle(HWND window) {
  // A timer message comes only when no other message waits.
  ::SetTimer(window, reinterpret_cast<UINT_PTR>(&CentreWhenIdle), 0, CentreWhenIdle);
}

}  // namespace kelvari
