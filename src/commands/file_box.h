// The file dialog that FILEOPENBOX and FILESAVEBOX share: the title from line 1, the proposed
// name from line 2, the folder it opens in from line 3, the file types from line 4, and its
// options from line 5 when that is an option line (file_box_options.h).
#pragma once

#include "core/invocation.h"
#include "core/outcome.h"
#include "core/system.h"

namespace kelvari {

// Shows the file dialog of `kind` once; the answer is the chosen path, or, after a cancel, the
// proposal of line 2 unchanged (exit code 1). A path of any length the system knows comes back
// whole. With MULTISELECT the answer is every chosen path in double quotes, one blank between
// two, and the paths one by one as the outcome's entries.
Outcome AskInFileDialog(const Invocation& call, Text& texts, Files& files, Dialogs& dialogs,
                        FileDialogKind kind);

}  // namespace kelvari
