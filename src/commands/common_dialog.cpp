#include "commands/common_dialog.h"

#include <algorithm>

#include "commands/file_box_filter.h"

namespace kelvari {

FileDialogOutcome::Kind CommonDialog::Show(FileDialogKind kind) {
  FileDialogRequest request;
  request.kind = kind;
  request.owner = owner_;
  request.title = DialogTitle;
  request.file_name = FileName;
  request.initial_dir = InitDir;
  request.filter = FilterList(Filter);
  request.buffer_chars = std::max(kBufferChars, FileName.size() + 1);

  const FileDialogOutcome outcome = system_.ShowFileDialog(request);
  if (outcome.kind == FileDialogOutcome::kConfirmed) FileName = outcome.path;
  if (outcome.kind == FileDialogOutcome::kFailed) FailReason = outcome.reason;
  return outcome.kind;
}

}  // namespace kelvari
