#include "commands/file_box.h"

#include <algorithm>

#include "commands/file_box_filter.h"
#include "core/answer_encoding.h"

namespace kelvari {

Outcome AskInFileDialog(const Invocation& call, TextsAndFiles& texts, Dialogs& dialogs,
                        FileDialogKind kind) {
  FileDialogRequest request;
  request.kind = kind;
  request.owner = dialogs.MainWindow();
  request.title = call.Line(1);
  request.file_name = call.Line(2);
  request.initial_dir = call.Line(3);
  request.filter = FilterList(call.Line(4));
  request.buffer_chars = std::max(kFileDialogBufferChars, request.file_name.size() + 1);

  const FileDialogOutcome shown = dialogs.ShowFileDialog(request);
  switch (shown.kind) {
    case FileDialogOutcome::kConfirmed:
      return PathAnswer(texts, call.settings().charset, shown.path, kExitAnswered);
    case FileDialogOutcome::kCancelled:
      return PathAnswer(texts, call.settings().charset, request.file_name, kExitCancelled);
    case FileDialogOutcome::kFailed:
      break;
  }
  return Outcome::Fault(L"Der Dateidialog konnte nicht angezeigt werden:\r" + shown.reason);
}

}  // namespace kelvari
