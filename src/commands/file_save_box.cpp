// FILESAVEBOX: the system's file-save dialog (see file_box.h).
#include "commands/commands.h"
#include "commands/file_box.h"

namespace kelvari {

Outcome AskForFileToSave(const Invocation& call, TextsAndFiles& texts, Dialogs& dialogs) {
  return AskInFileDialog(call, texts, dialogs, FileDialogKind::kSave);
}

}  // namespace kelvari
