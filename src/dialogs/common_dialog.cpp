#include "dialogs/common_dialog.h"

#include <algorithm>

#include "dialogs/file_filter.h"

namespace kelvari {
namespace {

// A dialog that asks for more room again and again is broken; give up after this many.
constexpr int kMaxShowings = 4;

}  // namespace

bool CommonDialog::Show(FileDialogKind kind) {
  FileDialogRequest request;
  request.kind = kind;
  request.owner = owner_;
  request.title = DialogTitle;
  request.file_name = FileName;
  request.initial_dir = InitDir;
  request.filter = FilterList(Filter);
  request.buffer_chars = std::max(kInitialBufferChars, FileName.size() + 1);

  for (int showing = 0; showing < kMaxShowings; ++showing) {
    const FileDialogOutcome outcome = form_.system().ShowFileDialog(request);
    switch (outcome.kind) {
      case FileDialogOutcome::kConfirmed:
        FileName = outcome.path;
        return true;
      case FileDialogOutcome::kCancelled:
        return false;
      case FileDialogOutcome::kFailed:
        Fail(outcome.reason);
      case FileDialogOutcome::kBufferTooSmall:
        // The chosen path did not fit: ask again with room for it, never cut it.
        request.buffer_chars = std::max(outcome.needed_chars, request.buffer_chars * 2);
        break;
    }
  }
  Fail(L"Der gew\u00E4hlte Pfad ist zu lang.");
}

void CommonDialog::Fail(const std::wstring& reason) {
  form_.ReportFault(L"Der Dateidialog konnte nicht angezeigt werden:\r" + reason);
}

}  // namespace kelvari
