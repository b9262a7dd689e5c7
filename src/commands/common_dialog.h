// CommonDialog: the file-dialog control of the main form. The handlers set its texts and call
// ShowOpen or ShowSave; afterwards FileName holds the chosen path, or, after a cancel, still
// the text written before (a cancel is no error).
#pragma once

#include <string>

#include "core/system.h"

namespace kelvari {

class CommonDialog {
 public:
  // `system` shows the dialog; `owner` owns the dialog window.
  CommonDialog(System& system, WindowHandle owner) : system_(system), owner_(owner) {}

  std::wstring DialogTitle;  // empty: the dialog's own title
  std::wstring FileName;     // the proposal before, the chosen full path after a confirmation
  std::wstring InitDir;      // empty: the system's choice of folder
  std::wstring Filter;       // "description|patterns|description|patterns ..."
  std::wstring FailReason;   // after kFailed: what the system reported

  // Show the modal dialog once and tell how it ended. A path of any length the system knows
  // comes back whole.
  FileDialogOutcome::Kind ShowOpen() { return Show(FileDialogKind::kOpen); }
  FileDialogOutcome::Kind ShowSave() { return Show(FileDialogKind::kSave); }

  // Room for the path: the longest path the system knows, with its ending NUL.
  static constexpr std::size_t kBufferChars = 32768;

 private:
  FileDialogOutcome::Kind Show(FileDialogKind kind);

  System& system_;
  WindowHandle owner_;
};

}  // namespace kelvari
