#include "win32/folder_box_win32.h"

#include <commctrl.h>
#include <shellapi.h>

#include "win32/system_error_text_win32.h"

namespace kelvari {
namespace {

constexpr UINT_PTR kSubclassId = 1;
constexpr int kNewFolderButton = 0x3746;        // the shell's button for a new folder
constexpr UINT_PTR kSelectStartTimer = 0x4B56;  // "KV"
constexpr UINT kShowProposal = WM_APP + 0x4B;
constexpr int kSelectTries = 100;  // every 100 ms: 10 seconds

bool IsFolder(const std::wstring& path) {
  const DWORD attributes = ::GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool SamePath(const std::wstring& a, const std::wstring& b) {
  return ::CompareStringOrdinal(a.c_str(), -1, b.c_str(), -1, TRUE) == CSTR_EQUAL;
}

std::wstring TextOf(HWND window) {
  std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(
      ::GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

std::wstring FullPathOf(const std::wstring& path) {
  const DWORD n = ::GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  if (n == 0) return path;
  std::wstring full(n, L'\0');
  const DWORD got = ::GetFullPathNameW(path.c_str(), n, full.data(), nullptr);
  if (got == 0 || got >= n) return path;
  full.resize(got);
  return full;
}

// `path`, or the nearest folder above it that exists; empty when there is none.
std::wstring NearestFolder(std::wstring path) {
  while (!path.empty() && !IsFolder(path)) {
    const std::size_t slash = path.find_last_of(L"\\/");
    if (slash == std::wstring::npos || slash + 1 == path.size()) return {};
    path.resize(slash == 2 && path[1] == L':' ? 3 : slash);  // "C:\x" goes to "C:\"
  }
  return path;
}

// The path field of the dialog (its edit control), or nullptr.
HWND PathField(HWND dialog) {
  return ::FindWindowExW(dialog, nullptr, L"Edit", nullptr);
}

// The full path of what the user typed, taken from the selected folder when it is relative.
std::wstring TypedPath(const std::wstring& typed, const std::wstring& selected) {
  const bool absolute = typed.size() >= 2 && (typed[1] == L':' || typed.starts_with(L"\\\\"));
  if (absolute || selected.empty()) return FullPathOf(typed);
  return FullPathOf(selected + (selected.back() == L'\\' ? L"" : L"\\") + typed);
}

// Whether the OK button may close the dialog. A path typed into the field (anything but the
// selected folder's name) becomes the answer when it is a folder; one that does not exist is
// made on the user's word, or the dialog stays.
bool MayClose(HWND dialog, FolderBoxState& state) {
  HWND field = PathField(dialog);
  if (!field) return true;
  const std::wstring text = TextOf(field);
  // The field shows the selected folder by its display name, or by its own name.
  const std::size_t slash = state.selected.find_last_of(L'\\');
  if (text.empty() || text == state.selected_name ||
      (slash != std::wstring::npos && text == state.selected.substr(slash + 1))) {
    return true;
  }
  const std::wstring path = TypedPath(text, state.selected);
  if (!IsFolder(path)) {
    const int reply = ::MessageBoxW(
        dialog,
        (L"Der Ordner \u201E" + path + L"\u201C existiert nicht.\rSoll er angelegt werden?")
            .c_str(),
        L"Kelvari", MB_YESNO | MB_ICONQUESTION);
    if (reply != IDYES) return false;
    const int error = ::SHCreateDirectoryExW(nullptr, path.c_str(), nullptr);
    if (error != ERROR_SUCCESS && !IsFolder(path)) {
      ::MessageBoxW(dialog,
                    (L"Der Ordner \u201E" + path + L"\u201C konnte nicht angelegt werden:\r" +
                     SystemErrorText(static_cast<DWORD>(error)))
                        .c_str(),
                    L"Kelvari", MB_OK | MB_ICONSTOP);
      return false;
    }
  }
  state.typed = path;
  return true;
}

// Selects the start folder until the tree shows it, then puts a proposed folder into the
// path field.
void SelectStart(HWND dialog, FolderBoxState& state) {
  ::SendMessageW(dialog, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(state.start.c_str()));
  if (!SamePath(state.selected, state.start) && ++state.tries < kSelectTries) return;
  ::KillTimer(dialog, kSelectStartTimer);
  if (!state.proposed.empty()) ::PostMessageW(dialog, kShowProposal, 0, 0);
}

LRESULT CALLBACK FolderBoxProc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR id,
                               DWORD_PTR data) noexcept {
  auto& state = *reinterpret_cast<FolderBoxState*>(data);
  try {
    switch (message) {
      case WM_TIMER:
        if (wparam != kSelectStartTimer) break;
        SelectStart(dialog, state);
        return 0;
      case kShowProposal:
        // After the dialog has written the selected folder's name into the field.
        if (HWND field = PathField(dialog)) ::SetWindowTextW(field, state.proposed.c_str());
        return 0;
      case WM_COMMAND:
        if (LOWORD(wparam) == IDOK && HIWORD(wparam) == BN_CLICKED && !MayClose(dialog, state)) {
          return 0;
        }
        break;
      case WM_NCDESTROY:
        ::KillTimer(dialog, kSelectStartTimer);
        ::RemoveWindowSubclass(dialog, FolderBoxProc, id);
        break;
      default:
        break;
    }
  } catch (...) {
    return 0;
  }
  return ::DefSubclassProc(dialog, message, wparam, lparam);
}

}  // namespace

void PrepareFolderBox(FolderBoxState& state, const FolderDialogRequest& request) {
  state.request = &request;
  if (request.start_folder.empty()) return;
  state.start = NearestFolder(FullPathOf(request.start_folder));
  if (!IsFolder(request.start_folder)) state.proposed = request.start_folder;
}

void AttachFolderBox(HWND dialog, FolderBoxState& state) {
  if (!state.request->title.empty()) ::SetWindowTextW(dialog, state.request->title.c_str());
  // The shell's own caption of this button is cut off under Wine ("Neues Verzeichnis
  // erstellen" is wider than the button); a short one fits.
  if (HWND new_folder = ::GetDlgItem(dialog, kNewFolderButton)) {
    ::SetWindowTextW(new_folder, L"&Neuer Ordner");
  }
  ::SetWindowSubclass(dialog, FolderBoxProc, kSubclassId, reinterpret_cast<DWORD_PTR>(&state));
  if (!state.start.empty()) {
    SelectStart(dialog, state);
    if (state.tries > 0) ::SetTimer(dialog, kSelectStartTimer, 100, nullptr);
  }
}

void NoteFolderBoxSelection(FolderBoxState& state, PCIDLIST_ABSOLUTE selected) {
  wchar_t path[MAX_PATH] = {};
  state.selected = ::SHGetPathFromIDListW(selected, path) ? path : L"";
  SHFILEINFOW info{};
  state.selected_name = ::SHGetFileInfoW(reinterpret_cast<const wchar_t*>(selected), 0, &info,
                                         sizeof info, SHGFI_PIDL | SHGFI_DISPLAYNAME)
                            ? info.szDisplayName
                            : L"";
}

}  // namespace kelvari
