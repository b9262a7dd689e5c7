// Win32System: the file-open and file-save dialogs of comdlg32.
#include <windows.h>
// commdlg.h needs the types of windows.h.
#include <cderr.h>
#include <commdlg.h>

#include <algorithm>
#include <string>
#include <vector>

#include "win32/countdown_win32.h"
#include "win32/dialog_buffers_logic.h"
#include "win32/system_win32.h"
#include "win32/thread_hook_target_win32.h"
#include "win32/unique_handle_win32.h"
#include "win32/work_area_win32.h"

namespace kelvari {
namespace {

const wchar_t* OrNull(const std::wstring& text) {
  return text.empty() ? nullptr : text.c_str();
}

// The file dialog opens at its owner's corner, and its size is known only once it is built:
// while this guard lives, the first window of the thread that becomes active (the dialog) is
// centred on its monitor's work area, and once more when its thread first falls idle, after
// the dialog has fitted its controls (which can change its height). Later activations (after
// a question of the dialog's own) leave it where the user put it.
class CentringOnFirstActivation {
 public:
  CentringOnFirstActivation()
      : target_(*this),
        hook_(::SetWindowsHookExW(WH_CBT, WatchActivations, nullptr, ::GetCurrentThreadId())) {}
  CentringOnFirstActivation(const CentringOnFirstActivation&) = delete;
  CentringOnFirstActivation& operator=(const CentringOnFirstActivation&) = delete;

  // True when a window was activated, so the dialog was on the screen.
  bool DialogWasShown() const { return dialog_ != nullptr; }

 private:
  static LRESULT CALLBACK WatchActivations(int code, WPARAM wparam, LPARAM lparam) noexcept {
    auto* centring = ThreadHookTarget<CentringOnFirstActivation>::Current();
    if (code == HCBT_ACTIVATE && centring && !centring->dialog_) {
      centring->dialog_ = reinterpret_cast<HWND>(wparam);
      CentreOnWorkArea(centring->dialog_);
      CentreAgainWhenIdle(centring->dialog_);
    }
    return ::CallNextHookEx(nullptr, code, wparam, lparam);
  }

  HWND dialog_ = nullptr;
  ThreadHookTarget<CentringOnFirstActivation> target_;  // before the hook, gone after it
  UniqueHook hook_;
};

// The files of a multiple pick: the buffer holds the folder and then each name, every one
// ended by a NUL and the list by one more; a single pick holds the one full path alone.
std::vector<std::wstring> PickedPaths(const std::wstring& buffer) {
  std::vector<std::wstring> parts;
  for (std::size_t at = 0; at < buffer.size() && buffer[at] != L'\0';) {
    const std::size_t end = std::min(buffer.find(L'\0', at), buffer.size());
    parts.push_back(buffer.substr(at, end - at));
    at = end + 1;
  }
  if (parts.size() <= 1) return parts;
  std::wstring folder = parts.front();
  if (folder.back() != L'\\') folder += L'\\';
  std::vector<std::wstring> paths;
  for (std::size_t i = 1; i < parts.size(); ++i) paths.push_back(folder + parts[i]);
  return paths;
}

}  // namespace

Result<FileDialogChoice> Win32System::ShowFileDialog(const FileDialogRequest& request) {
  const std::size_t chars =
      std::min<std::size_t>(FileDialogBufferChars(request.file_name.size()), MAXDWORD);
  std::wstring buffer(chars, L'\0');
  std::copy_n(request.file_name.begin(), std::min(request.file_name.size(), chars - 1),
              buffer.begin());

  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = OwnerWindow();
  // Lives until the dialog is closed.
  const std::wstring filter = FileTypeFilter(request.file_types);
  ofn.lpstrFilter = OrNull(filter);
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = buffer.data();
  ofn.nMaxFile = static_cast<DWORD>(buffer.size());
  ofn.lpstrInitialDir = OrNull(request.initial_dir);
  ofn.lpstrTitle = OrNull(request.title);
  // The current folder stays: a relative result file belongs to the calling batch file's.
  ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
  // The batch file writes to the answer of a save dialog: a shortcut picked there is the file
  // it names, not the shortcut's target.
  if (request.kind == FileDialogKind::kSave) ofn.Flags |= OFN_NODEREFERENCELINKS;
  // The dialog itself warns in the user's language and stays open.
  if (request.must_exist) ofn.Flags |= OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST;
  if (request.multi_select) ofn.Flags |= OFN_ALLOWMULTISELECT;
  if (request.confirm_replace) ofn.Flags |= OFN_OVERWRITEPROMPT;
  ofn.lpstrDefExt = OrNull(request.default_extension);

  bool shown = false;
  BOOL ok = FALSE;
  {
    const CentringOnFirstActivation centring;
    const CountdownScope countdown(countdown_, WhenTimeRunsOut::kCommand, IDCANCEL);
    ok =
        request.kind == FileDialogKind::kOpen ? ::GetOpenFileNameW(&ofn) : ::GetSaveFileNameW(&ofn);
    // A dialog that was never activated was never on the screen (no desktop, say): its end is
    // no cancel, whatever the dialog library reports.
    shown = centring.DialogWasShown();
  }
  if (ok) {
    FileDialogChoice choice;
    choice.chosen = true;
    if (request.multi_select) {
      choice.paths = PickedPaths(buffer);
    } else {
      choice.paths.push_back(TrimAtNull(buffer));
    }
    return choice;
  }
  const DWORD error = ::CommDlgExtendedError();
  if (error == 0 && shown) return FileDialogChoice{};  // cancelled
  if (error == 0) return Failure{L"Sein Fenster konnte nicht erzeugt werden."};
  // The buffer holds the longest path the system knows: a path that does not fit is never cut,
  // but reported.
  return Failure{error == FNERR_BUFFERTOOSMALL ? L"Der gew\u00E4hlte Pfad ist zu lang."
                                               : L"Fehlercode " + std::to_wstring(error)};
}

}  // namespace kelvari
