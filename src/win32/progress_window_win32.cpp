// The progress window of a batch file, shown by a copy of the program of its own: a title, a
// text, a bar with its percentage and, when asked for, "Abbrechen". It stays on top, never
// takes the focus on an update, and lives until PROGRESS ENDE, until the update after the user
// cancelled it, or until the batch file's cmd ends. Its updates come through the channel named
// after that cmd's process id (progress_channel_win32.h), so each batch file moves only its
// own window.
#include <windows.h>

#include <commctrl.h>
#include <algorithm>
#include <iterator>
#include <optional>
#include <string>

#include "core/outcome.h"
#include "core/prompt_text.h"
#include "win32/dialog_font_win32.h"
#include "win32/job_window_layout_win32.h"
#include "win32/job_window_win32.h"
#include "win32/progress_channel_win32.h"
#include "win32/unique_handle_win32.h"
#include "win32/work_area_win32.h"

namespace kelvari {
namespace {

constexpr wchar_t kProgressWindowClass[] = L"KelvariProgressWindow";
constexpr int kTextId = 100, kBarId = 101, kPercentId = 102;
constexpr UINT kTextFlags = DT_WORDBREAK | DT_NOPREFIX | DT_EDITCONTROL | DT_EXPANDTABS;

struct ProgressWindow {
  const ProgressWindowRequest& request;
  ProgressChannel& channel;
  HWND window = nullptr;  // the visible window; nullptr once the user cancelled it
  UniqueFont font;
};

std::wstring PercentText(int percent) {
  return std::to_wstring(percent) + L" %";
}

void SetFontOfChildren(HWND window, HFONT font) {
  for (HWND child = ::GetWindow(window, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
    ::SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  }
}

HWND Child(HWND parent, const wchar_t* window_class, const std::wstring& text, DWORD style,
           int id) {
  return ::CreateWindowExW(0, window_class, text.c_str(), style | WS_CHILD | WS_VISIBLE, 0, 0, 0, 0,
                           parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           ::GetModuleHandleW(nullptr), nullptr);
}

// Makes the controls and lays the window out at its DPI, centred on the user's work area.
void BuildProgressWindow(ProgressWindow& self, const RECT& work) {
  HWND window = self.window;
  const UINT dpi = std::max<UINT>(96, ::GetDpiForWindow(window));
  const LOGFONTW font = MessageFontAt(dpi);
  self.font.reset(::CreateFontIndirectW(&font));

  const int margin = Scaled(11, dpi), gap = Scaled(7, dpi);
  const int width = Scaled(380, dpi);
  const int inner = width - 2 * margin;
  const std::wstring text = PromptForTextControl(self.request.text);
  HWND text_control =
      Child(window, L"STATIC", text, SS_LEFT | SS_NOPREFIX | SS_EDITCONTROL, kTextId);
  const int line = TextSize(window, self.font.get(), L"Ag", inner, kTextFlags).cy;
  const int text_height = std::clamp<int>(
      TextSize(window, self.font.get(), text, inner, kTextFlags).cy, 2 * line, 8 * line);
  HWND bar = Child(window, PROGRESS_CLASSW, L"",
                   self.request.running ? static_cast<DWORD>(PBS_MARQUEE) : 0U, kBarId);
  const int percent_width =
      self.request.running ? 0 : TextSize(window, self.font.get(), L"100 %", inner, 0).cx + gap;
  HWND percent = self.request.running
                     ? nullptr
                     : Child(window, L"STATIC", PercentText(0), SS_RIGHT | SS_NOPREFIX, kPercentId);
  HWND cancel = self.request.cancel_button
                    ? Child(window, L"BUTTON", L"Abbrechen", BS_PUSHBUTTON | WS_TABSTOP, IDCANCEL)
                    : nullptr;
  SetFontOfChildren(window, self.font.get());

  int y = margin;
  ::SetWindowPos(text_control, nullptr, margin, y, inner, text_height, SWP_NOZORDER);
  y += text_height + gap;
  const int bar_height = std::max<int>(Scaled(18, dpi), line + Scaled(4, dpi));
  ::SetWindowPos(bar, nullptr, margin, y, inner - percent_width, bar_height, SWP_NOZORDER);
  if (percent) {
    ::SetWindowPos(percent, nullptr, margin + inner - percent_width + gap,
                   y + (bar_height - line) / 2, percent_width - gap, line, SWP_NOZORDER);
  }
  if (self.request.running) ::SendMessageW(bar, PBM_SETMARQUEE, TRUE, 30);
  ::SendMessageW(bar, PBM_SETRANGE32, 0, 100);
  y += bar_height + margin;
  if (cancel) {
    const int button_width = std::max<int>(
        Scaled(75, dpi),
        TextSize(window, self.font.get(), L"Abbrechen", inner, 0).cx + Scaled(20, dpi));
    const int button_height = std::max<int>(Scaled(23, dpi), line + Scaled(10, dpi));
    ::SetWindowPos(cancel, nullptr, margin + inner - button_width, y, button_width, button_height,
                   SWP_NOZORDER);
    y += button_height + margin;
  }

  const SIZE outer = OuterSize(window, width, y, dpi);
  const POINT at = CentredIn(work, outer.cx, outer.cy);
  ::SetWindowPos(window, HWND_TOPMOST, at.x, at.y, outer.cx, outer.cy, SWP_NOACTIVATE);
}

// The user cancelled: the window goes at once; the next update hears of it.
void Cancel(ProgressWindow& self) {
  {
    const ProgressChannel::Lock lock(self.channel);
    if (self.channel.block().state == ProgressBlock::kStands) {
      self.channel.block().state = ProgressBlock::kCancelled;
    }
  }
  if (self.window) {
    HWND window = self.window;
    self.window = nullptr;
    ::DestroyWindow(window);
  }
}

LRESULT CALLBACK ProgressWindowProc(HWND window, UINT message, WPARAM wparam,
                                    LPARAM lparam) noexcept {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lparam);
    ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<ProgressWindow*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self && self->window == window) {
    switch (message) {
      case WM_COMMAND:
        // "Abbrechen", or Escape when there is that button.
        if (LOWORD(wparam) == IDCANCEL && self->request.cancel_button) Cancel(*self);
        return 0;
      case WM_CLOSE:
        Cancel(*self);
        return 0;
      default:
        break;
    }
  }
  return ::DefWindowProcW(window, message, wparam, lparam);
}

// Takes what the channel's block holds; false when the window is to end.
bool TakeUpdate(ProgressWindow& self) {
  LONG state = ProgressBlock::kStands;
  int percent = 0;
  std::optional<std::wstring> text;
  {
    const ProgressChannel::Lock lock(self.channel);
    ProgressBlock& block = self.channel.block();
    state = block.state;
    percent = std::clamp<int>(block.percent, 0, 100);
    if (block.has_text) {
      const auto length = static_cast<std::size_t>(
          std::clamp<LONG>(block.text_length, 0, static_cast<LONG>(std::size(block.text))));
      text.emplace(block.text, length);
      block.has_text = 0;
    }
  }
  if (state == ProgressBlock::kEnded) return false;
  if (!self.window) return true;
  if (!self.request.running) {
    ::SendDlgItemMessageW(self.window, kBarId, PBM_SETPOS, static_cast<WPARAM>(percent), 0);
    ::SetDlgItemTextW(self.window, kPercentId, PercentText(percent).c_str());
  }
  if (text) ::SetDlgItemTextW(self.window, kTextId, PromptForTextControl(*text).c_str());
  return true;
}

bool RegisterClasses() {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_PROGRESS_CLASS | ICC_STANDARD_CLASSES};
  ::InitCommonControlsEx(&controls);
  WNDCLASSEXW visible{};
  visible.cbSize = sizeof visible;
  visible.lpfnWndProc = ProgressWindowProc;
  visible.hInstance = ::GetModuleHandleW(nullptr);
  visible.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  visible.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  visible.hIcon = ::LoadIconW(visible.hInstance, MAKEINTRESOURCEW(1));
  visible.lpszClassName = kProgressWindowClass;
  return ::RegisterClassExW(&visible) != 0;
}

}  // namespace

int RunProgressWindow(const ProgressWindowRequest& request, HANDLE owner, DWORD owner_id,
                      HANDLE ready) {
  const auto channel = ProgressChannel::Of(owner_id, /*create=*/true);
  if (!channel || !RegisterClasses()) return kExitFailed;
  {
    const ProgressChannel::Lock lock(*channel);
    if (!lock.held()) return kExitFailed;
    channel->block() = ProgressBlock{};
    channel->block().window_process = ::GetCurrentProcessId();
  }
  ProgressWindow self{request, *channel, nullptr, {}};
  const RECT work = UsersWorkArea();
  // Destroyed by the user's cancel or at the end below, so not owned by a UniqueWindow.
  self.window = ::CreateWindowExW(WS_EX_TOPMOST, kProgressWindowClass, request.title.c_str(),
                                  WS_POPUP | WS_CAPTION | WS_SYSMENU, work.left, work.top, 100, 100,
                                  nullptr, nullptr, ::GetModuleHandleW(nullptr), &self);
  if (!self.window) return kExitFailed;
  BuildProgressWindow(self, work);
  // Shown without taking the focus from the console the batch file runs in.
  ::ShowWindow(self.window, SW_SHOWNOACTIVATE);
  ::UpdateWindow(self.window);
  ::SetEvent(ready);

  const HANDLE waits[] = {owner, channel->wake_event()};
  for (bool serving = true; serving;) {
    const DWORD woke = ::MsgWaitForMultipleObjects(2, waits, FALSE, INFINITE, QS_ALLINPUT);
    if (woke == WAIT_OBJECT_0 || woke == WAIT_FAILED) break;  // the batch file's cmd ended
    if (woke == WAIT_OBJECT_0 + 1) serving = TakeUpdate(self);
    MSG message;
    while (serving && ::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (self.window && ::IsDialogMessageW(self.window, &message)) continue;
      ::TranslateMessage(&message);
      ::DispatchMessageW(&message);
    }
  }
  if (self.window) ::DestroyWindow(self.window);
  return kExitAnswered;
}

}  // namespace kelvari
