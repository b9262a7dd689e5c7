// FOLDERBOX: the folder-browse dialog with a title of its own (line 1), the folder selected
// when it opens (line 2; empty: none), the prompt from line 3 on, a button for a new folder
// and a field to type a path into. It answers as QUERYFOLDERBOX does.
#include "commands/commands.h"
#include "commands/query_folder_box.h"

namespace kelvari {

Outcome AskForFolderWithOptions(const Invocation& call, Text& texts, Files& files,
                                Dialogs& dialogs) {
  FolderDialogRequest request;
  request.plain = false;
  request.title = call.Line(1);
  request.start_folder = call.Line(2);
  // Lines joined by CR LF, the line break of the dialog's text.
  for (int n = 3; n <= call.LineCount(); ++n) {
    if (n > 3) request.prompt += L"\r\n";
    request.prompt += call.Line(n);
  }
  request.new_folder_button = true;
  request.path_field = true;
  return AnswerBrowsedFolder(call, texts, files, dialogs, request);
}

}  // namespace kelvari
