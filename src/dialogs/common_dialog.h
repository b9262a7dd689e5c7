// CommonDialog: the file-dialog control of the main form. The handlers set its texts and call
// ShowOpen or ShowSave; afterwards FileName holds the chosen path, or, after a cancel, still
// the text written before (a cancel is no error).
#pragma once

#include <string>

#include "frontend/form1.h"

namespace kelvari {

class CommonDialog {
 public:
  // `form` reports the dialog's own failures; `owner` owns the dialog window.
  CommonDialog(Form1& form, WindowHandle owner) : form_(form), owner_(owner) {}

  std::wstring DialogTitle;  // empty: the dialog's own title
  std::wstring FileName;     // the proposal before, the chosen full path after a confirmation
  std::wstring InitDir;      // empty: the system's choice of folder
  std::wstring Filter;       // "description|patterns|description|patterns ..."

  // Show the modal dialog. True when the user confirmed a file, false after a cancel.
  // A path of any length comes back whole. A failure of the dialog itself is reported
  // as a fault, which ends the program.
  bool ShowOpen() { return Show(FileDialogKind::kOpen); }
  bool ShowSave() { return Show(FileDialogKind::kSave); }

  // Room for the path at the first showing: the longest path the system knows.
  static constexpr std::size_t kInitialBufferChars = 32768;

 private:
  bool Show(FileDialogKind kind);
  [[noreturn]] void Fail(const std::wstring& reason);

  Form1& form_;
  WindowHandle owner_;
};

}  // namespace kelvari
