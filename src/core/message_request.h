// The message box as the program asks for it: the text, the title, which buttons, which icon
// and which button Enter presses, answered by the button the user pressed. The system turns
// these into its own style values and button codes.
#pragma once

#include <string>

namespace kelvari {

// The sets of buttons a message box can show, left to right.
enum class MessageButtons {
  kOk,
  kOkCancel,
  kAbortRetryIgnore,
  kYesNoCancel,
  kYesNo,
  kRetryCancel,
};

// The system icon beside a box's text.
enum class MessageIcon {
  kNone,
  kStop,
  kQuestion,
  kWarning,
  kInformation,
};

// The button that Enter presses, counted from the left. A box with fewer buttons than that
// leaves the choice to the system.
enum class DefaultButton {
  kFirst,
  kSecond,
  kThird,
};

// The button that closed a message box. Where a box lets Escape or its close box end it, they
// answer as its "Cancel" button, or as "OK" in the box with only "OK".
enum class PressedButton {
  kOk,
  kCancel,
  kAbort,
  kRetry,
  kIgnore,
  kYes,
  kNo,
};

struct MessageRequest {
  std::wstring text;
  std::wstring title;
  MessageButtons buttons = MessageButtons::kOk;
  MessageIcon icon = MessageIcon::kNone;
  DefaultButton default_button = DefaultButton::kFirst;
  // The box takes the foreground: asked for from a console window, it must come to the front,
  // not blink in the task bar.
  bool comes_to_front = true;
};

}  // namespace kelvari
