// The countdown of KVTIMEOUT for the program's windows. While a window waits for the user, its
// title shows the seconds left (" (noch 30 s)"); when they have run out without a key or a
// click, the window is ended the way the code that shows it asks for. The first key or click
// in any of the program's windows stops the countdown for good.
//
// A thread timer drives it, so it works inside every modal loop (message boxes, the common
// dialogs, the program's own dialogs); nothing runs, and no library is loaded, until a window
// is about to be shown.
#pragma once

#include <windows.h>

namespace kelvari {

// How a window is ended when its time has run out.
enum class WhenTimeRunsOut {
  kPressDefaultButton,  // as Enter would: the dialog's default button, else IDOK
  kCommand,             // WM_COMMAND with the given id (a cancel button, say)
  kClose,               // WM_CLOSE, as the close box would
};

// While it lives, the window in front is counted down and ended as `how` says. Nested scopes
// (a box over a dialog) take the inner way until they end. Without KVTIMEOUT (see
// Win32System::StartCountdown), or once someone has touched a window, it does nothing.
class CountdownScope {
 public:
  explicit CountdownScope(WhenTimeRunsOut how, WORD command = 0);
  CountdownScope(const CountdownScope&) = delete;
  CountdownScope& operator=(const CountdownScope&) = delete;
  ~CountdownScope();

  // True when, while this scope lived, a window was ended because its time ran out.
  bool RanOut() const;

 private:
  bool counting_ = false;
  int endings_ = 0;  // windows ended by the countdown before this scope began
};

}  // namespace kelvari
