// Win32System: the file-open and file-save dialogs of comdlg32.
#include <windows.h>
// commdlg.h needs the types of windows.h.
#include <cderr.h>
#include <commdlg.h>

#include <algorithm>
#include <string>

#include "frontend/system_win32.h"

namespace kelvari {
namespace {

const wchar_t* OrNull(const std::wstring& text) {
  return text.empty() ? nullptr : text.c_str();
}

}  // namespace

FileDialogOutcome Win32System::ShowFileDialog(const FileDialogRequest& request) {
  FileDialogOutcome outcome;
  const std::size_t chars =
      std::min<std::size_t>(std::max(request.buffer_chars, request.file_name.size() + 1), MAXDWORD);
  std::wstring buffer(chars, L'\0');
  std::copy_n(request.file_name.begin(), std::min(request.file_name.size(), chars - 1),
              buffer.begin());

  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = static_cast<HWND>(request.owner);
  // The filter already holds a NUL after its last string; c_str() adds the list's final one.
  ofn.lpstrFilter = OrNull(request.filter);
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = buffer.data();
  ofn.nMaxFile = static_cast<DWORD>(buffer.size());
  ofn.lpstrInitialDir = OrNull(request.initial_dir);
  ofn.lpstrTitle = OrNull(request.title);
  // The current folder stays: a relative result file belongs to the calling batch file's.
  ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;

  const BOOL ok =
      request.kind == FileDialogKind::kOpen ? ::GetOpenFileNameW(&ofn) : ::GetSaveFileNameW(&ofn);
  if (ok) {
    outcome.kind = FileDialogOutcome::kConfirmed;
    outcome.path = buffer.substr(0, buffer.find(L'\0'));
    return outcome;
  }
  const DWORD error = ::CommDlgExtendedError();
  if (error == 0) {
    outcome.kind = FileDialogOutcome::kCancelled;
  } else if (error == FNERR_BUFFERTOOSMALL) {
    // The first two bytes of the buffer hold the room the path needs.
    outcome.kind = FileDialogOutcome::kBufferTooSmall;
    outcome.needed_chars = static_cast<std::uint16_t>(buffer[0]);
  } else {
    outcome.kind = FileDialogOutcome::kFailed;
    outcome.reason = L"Fehlercode " + std::to_wstring(error);
  }
  return outcome;
}

}  // namespace kelvari
