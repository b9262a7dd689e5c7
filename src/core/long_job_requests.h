// The records of the windows of a long job: the progress window a batch file moves, the notice
// that does not wait, and the box with the batch file's own buttons. The commands fill them;
// the system shows them.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/message_request.h"

namespace kelvari {

// What a progress window shows when it opens: a title, a text, a bar from 0 %.
struct ProgressWindowRequest {
  std::wstring title;
  std::wstring text;
  bool cancel_button = false;  // a button "Abbrechen"
  bool running = false;        // a bar that moves by itself, for a job of unknown length
};

// What the progress window of the caller reported back to an update.
enum class ProgressWindowState {
  kStands,     // it stands and took the update
  kCancelled,  // the user pressed "Abbrechen" or closed it: it is gone now
  kNone,       // the caller has no progress window
};

// A notice in the bottom right corner that closes itself after `seconds`.
struct NoticeRequest {
  std::wstring title;
  std::wstring text;
  MessageIcon icon = MessageIcon::kNone;
  int seconds = 10;
};

// A modal box with the batch file's own buttons. Captions carry their access key marks ("&J",
// "&&" for a literal "&"); indexes count from 0.
struct ButtonBoxRequest {
  std::wstring title;
  std::wstring text;  // lines joined by a single CR
  MessageIcon icon = MessageIcon::kNone;
  std::vector<std::wstring> captions;
  int default_button = 0;
  std::optional<int> cancel_button;  // none: Escape does nothing, the close box is off
};

}  // namespace kelvari
