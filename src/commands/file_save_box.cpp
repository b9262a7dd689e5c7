// FILESAVEBOX: the system's file-save dialog (see file_box.h).
#include "commands/commands.h"
#include "commands/file_box.h"

namespace kelvari {

Outcome AskForFileToSave(const Invocation& call, Text& texts, Files& files, Dialogs& dialogs) {
  return AskInFileDialog(call, texts, files, dialogs, FileDialogKind::kSave);
}

}  // namespace kelvari
