// FILEOPENBOX: the system's file-open dialog (see file_box.h).
#include "commands/commands.h"
#include "commands/file_box.h"

namespace kelvari {

Outcome AskForFileToOpen(const Invocation& call, Text& texts, Files& files, Dialogs& dialogs) {
  return AskInFileDialog(call, texts, files, dialogs, FileDialogKind::kOpen);
}

}  // namespace kelvari
