// The notice, shown by a copy of the program of its own: an icon, a title and a text in the
// bottom right corner of the work area of the monitor the user works on, above the other
// windows. It never takes the focus, closes itself after its seconds or when clicked, and
// stands above the notices that stand already, so that none covers another.
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/outcome.h"
#include "core/prompt_text.h"
#include "core/system.h"
#include "win32/dialog_font_win32.h"
#include "win32/job_window_layout_win32.h"
#include "win32/job_window_win32.h"
#include "win32/message_icon_win32.h"
#include "win32/unique_handle_win32.h"
#include "win32/work_area_win32.h"

namespace kelvari {
namespace {

constexpr UINT_PTR kCloseTimer = 1;
constexpr UINT kTextFlags = DT_WORDBREAK | DT_NOPREFIX | DT_EDITCONTROL | DT_EXPANDTABS;

struct Notice {
  const NoticeRequest& request;
  UniqueFont font;
  UniqueFont bold;
};

HWND Child(HWND parent, const wchar_t* window_class, const std::wstring& text, DWORD style) {
  return ::CreateWindowExW(0, window_class, text.c_str(), style | WS_CHILD | WS_VISIBLE, 0, 0, 0, 0,
                           parent, nullptr, ::GetModuleHandleW(nullptr), nullptr);
}

struct OtherNotices {
  HWND self;
  RECT work;
  std::vector<RECT> rects;
};

BOOL CALLBACK TakeNotice(HWND window, LPARAM lparam) {
  auto* others = reinterpret_cast<OtherNotices*>(lparam);
  wchar_t name[64] = {};
  if (window == others->self || !::IsWindowVisible(window) || !::GetClassNameW(window, name, 64) ||
      std::wstring(name) != kNoticeClass) {
    return TRUE;
  }
  RECT r;
  RECT overlap;
  if (::GetWindowRect(window, &r) && ::IntersectRect(&overlap, &r, &others->work)) {
    others->rects.push_back(r);
  }
  return TRUE;
}

// The lowest place in the bottom right corner of `work` where a notice of `width` × `height`
// covers none of the notices that stand, starting from the bottom.
POINT FreePlace(HWND self, const RECT& work, int width, int height, int gap) {
  OtherNotices others{self, work, {}};
  ::EnumWindows(TakeNotice, reinterpret_cast<LPARAM>(&others));
  const int left = work.right - gap - width;
  int top = work.bottom - gap - height;
  for (bool moved = true; moved;) {
    moved = false;
    for (const RECT& r : others.rects) {
      const RECT mine{left, top, left + width, top + height};
      RECT overlap;
      if (::IntersectRect(&overlap, &mine, &r)) {
        top = r.top - gap - height;
        moved = true;
      }
    }
  }
  // A screen full of notices: the new one starts again at the bottom.
  if (top < work.top) top = work.bottom - gap - height;
  return POINT{left, top};
}

void BuildNotice(HWND window, Notice& self, const RECT& work) {
  const UINT dpi = std::max<UINT>(96, ::GetDpiForWindow(window));
  LOGFONTW font = MessageFontAt(dpi);
  self.font.reset(::CreateFontIndirectW(&font));
  font.lfWeight = FW_BOLD;
  self.bold.reset(::CreateFontIndirectW(&font));

  const int margin = Scaled(12, dpi), gap = Scaled(8, dpi);
  const int width = Scaled(340, dpi);
  const wchar_t* icon_name = SystemIconFor(self.request.icon);
  const int icon_size = icon_name ? ::GetSystemMetricsForDpi(SM_CXICON, dpi) : 0;
  const int text_left = margin + (icon_name ? icon_size + gap : 0);
  const int text_width = width - text_left - margin;

  int y = margin;
  HWND title = Child(window, L"STATIC", self.request.title, SS_LEFT | SS_NOPREFIX | SS_ENDELLIPSIS);
  ::SendMessageW(title, WM_SETFONT, reinterpret_cast<WPARAM>(self.bold.get()), FALSE);
  const int title_height = TextSize(window, self.bold.get(), L"Ag", text_width, 0).cy;
  ::SetWindowPos(title, nullptr, text_left, y, text_width, title_height, SWP_NOZORDER);
  y += title_height + Scaled(4, dpi);
  const std::wstring shown = PromptForTextControl(self.request.text);
  const int line = TextSize(window, self.font.get(), L"Ag", text_width, 0).cy;
  const int text_height =
      std::min<int>(TextSize(window, self.font.get(), shown, text_width, kTextFlags).cy, 12 * line);
  HWND text = Child(window, L"STATIC", shown, SS_LEFT | SS_NOPREFIX | SS_EDITCONTROL);
  ::SendMessageW(text, WM_SETFONT, reinterpret_cast<WPARAM>(self.font.get()), FALSE);
  ::SetWindowPos(text, nullptr, text_left, y, text_width, text_height, SWP_NOZORDER);
  y = std::max<int>(y + text_height, margin + icon_size) + margin;
  if (icon_name) {
    HWND icon = Child(window, L"STATIC", L"", SS_ICON);
    ::SendMessageW(icon, STM_SETICON, reinterpret_cast<WPARAM>(::LoadIconW(nullptr, icon_name)), 0);
    ::SetWindowPos(icon, nullptr, margin, margin, icon_size, icon_size, SWP_NOZORDER);
  }

  const SIZE outer = OuterSize(window, width, y, dpi);
  const POINT at = FreePlace(window, work, outer.cx, outer.cy, gap);
  ::SetWindowPos(window, HWND_TOPMOST, at.x, at.y, outer.cx, outer.cy, SWP_NOACTIVATE);
}

LRESULT CALLBACK NoticeProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) noexcept {
  switch (message) {
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;  // a click closes it without taking the focus
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_TIMER:
      ::DestroyWindow(window);
      return 0;
    case WM_DESTROY:
      ::PostQuitMessage(kExitAnswered);
      return 0;
    default:
      break;
  }
  return ::DefWindowProcW(window, message, wparam, lparam);
}

}  // namespace

int RunNoticeWindow(const NoticeRequest& request, HANDLE ready) {
  WNDCLASSEXW notice_class{};
  notice_class.cbSize = sizeof notice_class;
  notice_class.lpfnWndProc = NoticeProc;
  notice_class.hInstance = ::GetModuleHandleW(nullptr);
  notice_class.hCursor = ::LoadCursorW(nullptr, IDC_HAND);
  notice_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  notice_class.lpszClassName = kNoticeClass;
  if (!::RegisterClassExW(&notice_class)) return kExitFailed;

  Notice self{request, {}, {}};
  // Notices open one at a time, so that each finds the places the others took.
  const UniqueKernelHandle placing(::CreateMutexW(nullptr, FALSE, L"Local\\kelvari-notice-place"));
  if (placing) ::WaitForSingleObject(placing.get(), 5000);
  const RECT work = UsersWorkArea();
  HWND window = ::CreateWindowExW(WS_EX_TOPMOST | WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW, kNoticeClass,
                                  request.title.c_str(), WS_POPUP | WS_BORDER, work.left, work.top,
                                  100, 100, nullptr, nullptr, notice_class.hInstance, nullptr);
  if (!window) {
    if (placing) ::ReleaseMutex(placing.get());
    return kExitFailed;
  }
  BuildNotice(window, self, work);
  ::ShowWindow(window, SW_SHOWNOACTIVATE);
  ::UpdateWindow(window);
  if (placing) ::ReleaseMutex(placing.get());
  ::SetTimer(window, kCloseTimer, static_cast<UINT>(request.seconds) * 1000U, nullptr);
  ::SetEvent(ready);

  MSG message;
  while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
  return kExitAnswered;
}

}  // namespace kelvari
