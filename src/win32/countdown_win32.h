// The countdown of KVTIMEOUT for the program's windows. While a window waits for the user, its
// title shows the seconds left (" (noch 30 s)", always in view: a long title is shortened with
// "…" for it); when they have run out without a key or a click, the window is ended the way the
// code that shows it asks for. The first key or click in any of the program's windows stops the
// countdown for good.
//
// Every window is bound to the scope that opened it: a CountdownScope owns the window it is
// given, or else the first window of the thread that gets activated while it is the innermost
// scope. A window that runs out of time is ended the way of the scope that owns it; a window
// that no scope owns is closed as its close box would.
//
// A thread timer drives it, so it works inside every modal loop (message boxes, the common
// dialogs, the program's own dialogs); nothing runs, and no library is loaded, until a window
// is about to be shown.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "win32/thread_hook_target_win32.h"
#include "win32/unique_handle_win32.h"
#include "win32/waiting_window_win32.h"

namespace kelvari {

class CountdownScope;

inline void KillThreadTimer(UINT_PTR id) {
  ::KillTimer(nullptr, id);
}
inline UINT_PTR NoThreadTimer() {
  return 0;
}
using UniqueThreadTimer = UniqueHandle<UINT_PTR, KillThreadTimer, NoThreadTimer>;

// The countdown of one process, owned by its Win32System. Its windows are counted down only
// while a CountdownScope lives; between scopes nothing is.
class Countdown {
 public:
  Countdown() = default;
  Countdown(const Countdown&) = delete;
  Countdown& operator=(const Countdown&) = delete;

  // From now on every window shown in a scope counts down `seconds`.
  void Start(int seconds) { seconds_ = seconds; }
  // True when a window has been ended because its time ran out.
  bool RanOut() const { return ran_out_; }

 private:
  friend class CountdownScope;

  // The window whose title shows its time.
  struct CountedWindow {
    HWND window = nullptr;
    std::wstring title;  // its own title
    ULONGLONG deadline = 0;
    long long shown = -1;  // the seconds its title shows
    bool ended = false;    // its end has been asked for
  };

  // What runs while windows are counted down: the timer, the watch for new windows and the
  // watch for the first key or click. Set up by the first scope that counts.
  struct Watches {
    explicit Watches(Countdown& countdown);
    ThreadHookTarget<Countdown> target;  // first in, last out: the procedures find it
    UniqueThreadTimer timer;
    UniqueHook activations;
    UniqueHook input;
  };

  bool Counting() const { return seconds_ > 0 && !touched_; }
  void Enter(CountdownScope& scope);
  void Leave(CountdownScope& scope);
  CountdownScope* OwnerOf(HWND window) const;
  void GiveBackTitle();
  void OnTick();
  void OnActivation(HWND window);
  void OnKeyOrClick();

  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) noexcept;
  static LRESULT CALLBACK WatchActivations(int code, WPARAM wparam, LPARAM lparam) noexcept;
  static LRESULT CALLBACK WatchInput(int code, WPARAM wparam, LPARAM lparam) noexcept;

  int seconds_ = 0;
  bool touched_ = false;  // someone is there: no window is counted down any more
  bool ran_out_ = false;
  CountdownScope* innermost_ = nullptr;  // of the scopes alive; each knows the one outside it
  CountedWindow counted_;
  std::optional<Watches> watches_;
};

// While it lives, the window it owns counts down and is ended as `how` says (`command` is the
// id for WhenTimeRunsOut::kCommand). Scopes nest: a box over a dialog has a scope of its own
// inside the dialog's. Without KVTIMEOUT (see Win32System::StartCountdown), or once someone
// has touched a window, it does nothing.
class CountdownScope {
 public:
  // `window`: the window this scope owns, one that is on the screen already. Without it, the
  // scope owns the first window that gets activated while this is the innermost scope and
  // that no other scope owns.
  CountdownScope(Countdown& countdown, WhenTimeRunsOut how, WORD command = 0,
                 HWND window = nullptr);
  CountdownScope(const CountdownScope&) = delete;
  CountdownScope& operator=(const CountdownScope&) = delete;
  ~CountdownScope();

  // True when the window this scope owns was ended because its time ran out.
  bool RanOut() const { return ran_out_; }

 private:
  friend class Countdown;

  Countdown* countdown_ = nullptr;  // nullptr: this scope counts nothing down
  WhenTimeRunsOut how_;
  WORD command_;
  HWND window_;
  bool ran_out_ = false;
  CountdownScope* outer_ = nullptr;
};

}  // namespace kelvari
