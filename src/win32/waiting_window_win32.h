// The window of the program that waits for the user, and how to end it as the user would: by
// its default button, by one of its commands or by its close box.
#pragma once

#include <windows.h>

namespace kelvari {

// How a window is ended when its time has run out.
enum class WhenTimeRunsOut {
  kPressDefaultButton,  // as Enter would: the dialog's default button, else IDOK
  kCommand,             // WM_COMMAND with the given id (a cancel button, say)
  kClose,               // WM_CLOSE, as the close box would
};

// The window that waits for the user: the calling thread's active window, else its first
// visible and enabled window with a title bar (a modal box disables the window it stands
// over); nullptr when none waits.
HWND WindowInFront();

// Asks `window` to end the way `how` says; `command` is the id for kCommand. The message is
// posted, so the window ends once its own loop takes it.
void EndWindow(HWND window, WhenTimeRunsOut how, WORD command);

}  // namespace kelvari
