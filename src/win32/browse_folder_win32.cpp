// Win32System: the shell's folder-browse dialog, plain (QUERYFOLDERBOX) or with a caption, a
// first folder, a button for a new folder and a path field (FOLDERBOX); centred either way. COM
// lives for the length of one dialog, and the item list it gives is freed once, after its path
// has been read.
#include <windows.h>
// shlobj.h and objbase.h need the types of windows.h.
#include <objbase.h>
#include <shlobj.h>

#include <memory>
#include <string>
#include <type_traits>

#include "win32/countdown_win32.h"
#include "win32/dialog_buffers_logic.h"
#include "win32/folder_box_win32.h"
#include "win32/system_win32.h"
#include "win32/work_area_win32.h"

namespace kelvari {
namespace {

// COM for the calling thread while the guard lives.
class ComScope {
 public:
  // S_FALSE (already initialised) needs its CoUninitialize too.
  ComScope() : initialised_(SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
  ComScope(const ComScope&) = delete;
  ComScope& operator=(const ComScope&) = delete;
  ~ComScope() {
    if (initialised_) ::CoUninitialize();
  }

 private:
  bool initialised_;
};

// An item identifier list of the shell, freed with the task allocator.
struct FreeItemIdList {
  void operator()(PIDLIST_ABSOLUTE list) const { ::CoTaskMemFree(list); }
};
using UniqueItemIdList = std::unique_ptr<std::remove_pointer_t<PIDLIST_ABSOLUTE>, FreeItemIdList>;

// The name of the list's last item as its parent folder parses it ("Daten" for C:\Daten);
// empty when the shell cannot tell it.
std::wstring OwnName(PCIDLIST_ABSOLUTE list) {
  IShellFolder* parent = nullptr;
  PCUITEMID_CHILD child = nullptr;
  if (FAILED(::SHBindToParent(list, __uuidof(IShellFolder), reinterpret_cast<void**>(&parent),
                              &child)) ||
      !parent) {
    return {};
  }
  std::wstring name;
  STRRET text{};
  if (SUCCEEDED(parent->GetDisplayNameOf(child, SHGDN_INFOLDER | SHGDN_FORPARSING, &text))) {
    switch (text.uType) {
      case STRRET_WSTR:
        if (text.pOleStr) name = text.pOleStr;
        ::CoTaskMemFree(text.pOleStr);
        break;
      case STRRET_CSTR:
        name = std::wstring(text.cStr, text.cStr + ::lstrlenA(text.cStr));  // ASCII names only
        break;
      default:  // STRRET_OFFSET: not looked at
        break;
    }
  }
  parent->Release();
  return name;
}

bool IsPlainName(const std::wstring& name) {
  return !name.empty() && name.find_first_of(L"\\/:") == std::wstring::npos;
}

// The shell's file-system path of `list`, or nullopt when it has none.
std::optional<std::wstring> ShellPath(PCIDLIST_ABSOLUTE list) {
  std::wstring path(kLongestPathChars, L'\0');
  if (!::SHGetPathFromIDListEx(list, path.data(), static_cast<DWORD>(path.size()),
                               GPFIDL_DEFAULT)) {
    return std::nullopt;
  }
  return TrimAtNull(path);
}

// The whole file-system path of `list`. Some shells cut a long path at 260 characters
// without saying so, and the cut path can name another folder: a path must end in the
// folder's own name, or it is built from the path of the folder above and that name.
// Nullopt when neither can be had.
std::optional<std::wstring> WholePath(PCIDLIST_ABSOLUTE list, int depth) {
  std::optional<std::wstring> path = ShellPath(list);
  if (!path || path->empty()) return path;
  const std::wstring own = OwnName(list);
  if (!IsPlainName(own)) return path;  // a drive's root, or no name to compare
  const std::size_t slash = path->find_last_of(L'\\');
  const std::wstring last = slash == std::wstring::npos ? *path : path->substr(slash + 1);
  if (::CompareStringOrdinal(last.c_str(), -1, own.c_str(), -1, TRUE) == CSTR_EQUAL) return path;
  if (depth > 1000) return std::nullopt;
  PIDLIST_ABSOLUTE above = ::ILClone(list);
  if (!above) return std::nullopt;
  std::optional<std::wstring> above_path;
  if (::ILRemoveLastID(above)) above_path = WholePath(above, depth + 1);
  ::ILFree(above);
  if (!above_path || above_path->empty()) return std::nullopt;
  if (above_path->back() != L'\\') *above_path += L'\\';
  return *above_path + own;
}

// What the dialog's callback works with; lives until the dialog is closed.
struct BrowseState {
  bool shown = false;
  FolderBoxState* folder_box = nullptr;  // FOLDERBOX's additions; nullptr for the plain form
};

// The dialog's events: once made, it is centred like every other window of the program and
// takes FOLDERBOX's additions.
int CALLBACK OnBrowseEvent(HWND dialog, UINT message, LPARAM lparam, LPARAM data) noexcept {
  auto* state = reinterpret_cast<BrowseState*>(data);
  try {
    if (message == BFFM_INITIALIZED) {
      state->shown = true;
      CentreOnWorkArea(dialog);
      CentreAgainWhenIdle(dialog);
      if (state->folder_box) AttachFolderBox(dialog, *state->folder_box);
    } else if (message == BFFM_SELCHANGED && state->folder_box) {
      NoteFolderBoxSelection(*state->folder_box, reinterpret_cast<PCIDLIST_ABSOLUTE>(lparam));
    }
  } catch (...) {
  }
  return 0;
}

}  // namespace

Result<BrowsedFolder> Win32System::BrowseForFolder(const FolderDialogRequest& request) {
  const ComScope com;
  BrowseState state;
  FolderBoxState folder_box;
  // Lives until the dialog is closed. A character that the code page lacks shows as its
  // default character: the prompt is only read by the user.
  const std::string ansi_prompt = request.plain ? ToAnsi(request.prompt).bytes : std::string();
  const HWND owner = OwnerWindow();
  const CountdownScope countdown(countdown_, WhenTimeRunsOut::kCommand, IDCANCEL);
  UniqueItemIdList list;
  if (request.plain) {
    BROWSEINFOA info{};
    info.hwndOwner = owner;
    info.pidlRoot = nullptr;
    info.pszDisplayName = nullptr;
    info.lpszTitle = ansi_prompt.c_str();
    info.ulFlags = BIF_RETURNONLYFSDIRS;
    info.lpfn = OnBrowseEvent;
    info.lParam = reinterpret_cast<LPARAM>(&state);
    info.iImage = 0;
    list.reset(::SHBrowseForFolderA(&info));
  } else {
    PrepareFolderBox(folder_box, request);
    state.folder_box = &folder_box;
    BROWSEINFOW info{};
    info.hwndOwner = owner;
    info.lpszTitle = request.prompt.c_str();
    info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
    if (!request.new_folder_button) info.ulFlags |= BIF_NONEWFOLDERBUTTON;
    if (request.path_field) info.ulFlags |= BIF_EDITBOX;
    info.lpfn = OnBrowseEvent;
    info.lParam = reinterpret_cast<LPARAM>(&state);
    list.reset(::SHBrowseForFolderW(&info));
  }
  if (!folder_box.typed.empty()) return BrowsedFolder{true, folder_box.typed};
  if (!list) {
    // Cancelled, or never on the screen (no desktop, say).
    if (!state.shown) return Failure{L"Sein Fenster konnte nicht erzeugt werden."};
    return BrowsedFolder{};
  }
  // Wide, so no character is changed on the way, and whole whatever its length.
  if (!ShellPath(list.get())) return BrowsedFolder{true, std::wstring()};  // an item without a path
  return BrowsedFolder{true, WholePath(list.get(), 0)};
}

}  // namespace kelvari
