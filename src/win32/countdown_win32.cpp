// The countdown of KVTIMEOUT: a thread timer looks at the window in front five times a second,
// a message hook watches for the first key or click.
#include "win32/countdown_win32.h"

#include <string>
#include <vector>

#include "win32/handle_win32.h"
#include "win32/system_win32.h"

namespace kelvari {
namespace {

constexpr UINT kTickMs = 200;

struct Way {
  WhenTimeRunsOut how;
  WORD command;
};

void KillThreadTimer(UINT_PTR id) {
  ::KillTimer(nullptr, id);
}
UINT_PTR NoTimer() {
  return 0;
}
using UniqueThreadTimer = UniqueHandle<UINT_PTR, KillThreadTimer, NoTimer>;

struct Countdown {
  int seconds = 0;
  bool touched = false;  // someone is there: no window is counted down any more
  bool ran_out = false;
  int endings = 0;        // windows ended because their time ran out
  std::vector<Way> ways;  // of the scopes alive, innermost last
  UniqueThreadTimer timer;
  UniqueHook watch;
  HWND window = nullptr;  // the window being counted down
  std::wstring title;     // its own title
  ULONGLONG deadline = 0;
  long long shown = -1;  // the seconds its title shows
  bool ended = false;    // its end has been asked for
};

Countdown& TheCountdown() {
  static Countdown countdown;
  return countdown;
}

std::wstring TitleOf(HWND window) {
  std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(
      ::GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

// Gives the window back its own title.
void LetGo(Countdown& c) {
  if (c.window && ::IsWindow(c.window) && c.shown >= 0) ::SetWindowTextW(c.window, c.title.c_str());
  c.window = nullptr;
  c.shown = -1;
}

bool IsCandidate(HWND window) {
  return ::IsWindowVisible(window) && ::IsWindowEnabled(window) &&
         (::GetWindowLongPtrW(window, GWL_STYLE) & WS_CAPTION) == WS_CAPTION;
}

BOOL CALLBACK TakeCandidate(HWND window, LPARAM found) {
  if (!IsCandidate(window)) return TRUE;
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}

// The window that waits for the user: the active one, else the first visible and enabled
// window with a title bar (a modal box disables the window it stands over).
HWND WindowInFront() {
  HWND active = ::GetActiveWindow();
  if (active && IsCandidate(active)) return active;
  HWND found = nullptr;
  ::EnumThreadWindows(::GetCurrentThreadId(), TakeCandidate, reinterpret_cast<LPARAM>(&found));
  return found;
}

BOOL CALLBACK TakeDefaultButton(HWND control, LPARAM found) {
  wchar_t kind[16] = {};
  ::GetClassNameW(control, kind, 16);
  if (::lstrcmpiW(kind, L"Button") != 0 ||
      (::GetWindowLongPtrW(control, GWL_STYLE) & BS_TYPEMASK) != BS_DEFPUSHBUTTON ||
      !::IsWindowEnabled(control)) {
    return TRUE;
  }
  *reinterpret_cast<HWND*>(found) = control;
  return FALSE;
}

// The button Enter presses in `dialog`: the one drawn as default, else the one the dialog
// names, else "OK".
WORD DefaultButtonOf(HWND dialog) {
  HWND button = nullptr;
  ::EnumChildWindows(dialog, TakeDefaultButton, reinterpret_cast<LPARAM>(&button));
  if (button && ::GetParent(button) == dialog) {
    return static_cast<WORD>(::GetDlgCtrlID(button));
  }
  const LRESULT named = ::SendMessageW(dialog, DM_GETDEFID, 0, 0);
  if (HIWORD(named) == DC_HASDEFID && ::GetDlgItem(dialog, LOWORD(named))) return LOWORD(named);
  return IDOK;
}

void End(HWND window, const Way& way) {
  switch (way.how) {
    case WhenTimeRunsOut::kPressDefaultButton: {
      const WORD id = DefaultButtonOf(window);
      ::PostMessageW(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                     reinterpret_cast<LPARAM>(::GetDlgItem(window, id)));
      break;
    }
    case WhenTimeRunsOut::kCommand:
      ::PostMessageW(window, WM_COMMAND, MAKEWPARAM(way.command, BN_CLICKED),
                     reinterpret_cast<LPARAM>(::GetDlgItem(window, way.command)));
      break;
    case WhenTimeRunsOut::kClose:
      ::PostMessageW(window, WM_CLOSE, 0, 0);
      break;
  }
}

void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
  Countdown& c = TheCountdown();
  if (c.touched || c.ways.empty()) return;
  try {
    HWND window = WindowInFront();
    if (window != c.window) {
      LetGo(c);
      if (!window) return;
      c.window = window;
      c.title = TitleOf(window);
      c.deadline = ::GetTickCount64() + static_cast<ULONGLONG>(c.seconds) * 1000;
      c.ended = false;
    }
    const ULONGLONG now = ::GetTickCount64();
    const long long left =
        now >= c.deadline ? 0 : static_cast<long long>((c.deadline - now + 999) / 1000);
    if (left == 0) {
      if (!c.ended) {
        c.ended = true;
        c.ran_out = true;
        ++c.endings;
        End(window, c.ways.back());
      }
      return;
    }
    if (left != c.shown) {
      c.shown = left;
      ::SetWindowTextW(window, (c.title + L" (noch " + std::to_wstring(left) + L" s)").c_str());
    }
  } catch (...) {
    // Out of memory for a title: the window keeps waiting, as without a countdown.
  }
}

bool IsKeyOrClick(UINT message) {
  switch (message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_XBUTTONDOWN:
    case WM_MOUSEWHEEL:  // scrolling a list is reading it
    case WM_MOUSEHWHEEL:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
    case WM_NCXBUTTONDOWN:
      return true;
    default:
      return false;
  }
}

LRESULT CALLBACK Watch(int code, WPARAM wparam, LPARAM lparam) {
  Countdown& c = TheCountdown();
  if (code == HC_ACTION && !c.touched &&
      IsKeyOrClick(reinterpret_cast<const MSG*>(lparam)->message)) {
    c.touched = true;
    c.timer.reset();
    LetGo(c);
  }
  return ::CallNextHookEx(nullptr, code, wparam, lparam);
}

}  // namespace

CountdownScope::CountdownScope(WhenTimeRunsOut how, WORD command) {
  Countdown& c = TheCountdown();
  endings_ = c.endings;
  if (c.seconds <= 0 || c.touched) return;
  c.ways.push_back({how, command});
  counting_ = true;
  if (!c.timer) c.timer.reset(::SetTimer(nullptr, 0, kTickMs, Tick));
  if (!c.watch) {
    c.watch.reset(::SetWindowsHookExW(WH_GETMESSAGE, Watch, nullptr, ::GetCurrentThreadId()));
  }
}

CountdownScope::~CountdownScope() {
  if (!counting_) return;
  Countdown& c = TheCountdown();
  c.ways.pop_back();
  // The window in front changes: the next one starts its own time.
  LetGo(c);
}

bool CountdownScope::RanOut() const {
  return TheCountdown().endings > endings_;
}

void Win32System::StartCountdown(int seconds) {
  TheCountdown().seconds = seconds;
}

bool Win32System::CountdownRanOut() {
  return TheCountdown().ran_out;
}

}  // namespace kelvari
