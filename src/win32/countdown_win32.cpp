// The countdown of KVTIMEOUT: a thread timer looks at the window in front five times a second,
// a CBT hook hands each new window to the scope that opened it, and a message hook watches for
// the first key or click.
#include "win32/countdown_win32.h"

#include "win32/system_win32.h"
#include "win32/title_bar_win32.h"
#include "win32/window_text_win32.h"

namespace kelvari {
namespace {

constexpr UINT kTickMs = 200;

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

}  // namespace

Countdown::Watches::Watches(Countdown& countdown)
    : target(countdown),
      timer(::SetTimer(nullptr, 0, kTickMs, Tick)),
      activations(::SetWindowsHookExW(WH_CBT, WatchActivations, nullptr, ::GetCurrentThreadId())),
      input(::SetWindowsHookExW(WH_GETMESSAGE, WatchInput, nullptr, ::GetCurrentThreadId())) {}

void Countdown::Enter(CountdownScope& scope) {
  if (!watches_) watches_.emplace(*this);
  scope.outer_ = innermost_;
  innermost_ = &scope;
}

void Countdown::Leave(CountdownScope& scope) {
  innermost_ = scope.outer_;
  // The window in front changes: the next one starts its own time.
  GiveBackTitle();
}

CountdownScope* Countdown::OwnerOf(HWND window) const {
  for (CountdownScope* scope = innermost_; scope; scope = scope->outer_) {
    if (scope->window_ == window) return scope;
  }
  return nullptr;
}

void Countdown::GiveBackTitle() {
  if (counted_.window && ::IsWindow(counted_.window) && counted_.shown >= 0) {
    ::SetWindowTextW(counted_.window, counted_.title.c_str());
  }
  counted_.window = nullptr;
  counted_.shown = -1;
}

void Countdown::OnTick() {
  if (touched_ || !innermost_) return;
  try {
    HWND window = WindowInFront();
    if (window != counted_.window) {
      GiveBackTitle();
      if (!window) return;
      counted_.window = window;
      counted_.title = WindowText(window);
      counted_.deadline = ::GetTickCount64() + static_cast<ULONGLONG>(seconds_) * 1000;
      counted_.ended = false;
    }
    const ULONGLONG now = ::GetTickCount64();
    const long long left = now >= counted_.deadline
                               ? 0
                               : static_cast<long long>((counted_.deadline - now + 999) / 1000);
    if (left == 0) {
      if (!counted_.ended) {
        counted_.ended = true;
        ran_out_ = true;
        if (CountdownScope* owner = OwnerOf(window)) {
          owner->ran_out_ = true;
          EndWindow(window, owner->how_, owner->command_);
        } else {
          EndWindow(window, WhenTimeRunsOut::kClose, 0);
        }
      }
      return;
    }
    if (left != counted_.shown) {
      counted_.shown = left;
      // A long title gives way to the count: its end is shortened with "…".
      const std::wstring ending = L" (noch " + std::to_wstring(left) + L" s)";
      ShowTitleWithEnding(window, counted_.title, ending);
    }
  } catch (...) {
    // Out of memory for a title: the window keeps waiting, as without a countdown.
  }
}

void Countdown::OnActivation(HWND window) {
  if (innermost_ && !innermost_->window_ && !OwnerOf(window)) innermost_->window_ = window;
}

void Countdown::OnKeyOrClick() {
  if (touched_) return;
  touched_ = true;
  watches_->timer.reset();
  GiveBackTitle();
}

void CALLBACK Countdown::Tick(HWND, UINT, UINT_PTR, DWORD) noexcept {
  if (Countdown* countdown = ThreadHookTarget<Countdown>::Current()) countdown->OnTick();
}

LRESULT CALLBACK Countdown::WatchActivations(int code, WPARAM wparam, LPARAM lparam) noexcept {
  if (code == HCBT_ACTIVATE) {
    if (Countdown* countdown = ThreadHookTarget<Countdown>::Current()) {
      countdown->OnActivation(reinterpret_cast<HWND>(wparam));
    }
  }
  return ::CallNextHookEx(nullptr, code, wparam, lparam);
}

LRESULT CALLBACK Countdown::WatchInput(int code, WPARAM wparam, LPARAM lparam) noexcept {
  if (code == HC_ACTION && IsKeyOrClick(reinterpret_cast<const MSG*>(lparam)->message)) {
    if (Countdown* countdown = ThreadHookTarget<Countdown>::Current()) countdown->OnKeyOrClick();
  }
  return ::CallNextHookEx(nullptr, code, wparam, lparam);
}

CountdownScope::CountdownScope(Countdown& countdown, WhenTimeRunsOut how, WORD command, HWND window)
    : how_(how), command_(command), window_(window) {
  if (!countdown.Counting()) return;
  countdown_ = &countdown;
  countdown.Enter(*this);
}

CountdownScope::~CountdownScope() {
  if (countdown_) countdown_->Leave(*this);
}

void Win32System::StartCountdown(int seconds) {
  countdown_.Start(seconds);
}

bool Win32System::CountdownRanOut() {
  return countdown_.RanOut();
}

}  // namespace kelvari
