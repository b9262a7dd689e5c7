// What FOLDERBOX adds to the shell's folder-browse dialog once it is on the screen: its
// caption, the start folder selected (a proposed one in the path field), and a typed path that
// is taken as the answer, made first on the user's word when it does not exist.
#pragma once

#include <windows.h>
// shlobj.h needs the types of windows.h.
#include <shlobj.h>

#include <string>

#include "core/dialog_requests.h"

namespace kelvari {

// Lives until the dialog is closed.
struct FolderBoxState {
  const FolderDialogRequest* request = nullptr;
  std::wstring start;          // the existing folder to select when the dialog opens; empty: none
  std::wstring proposed;       // a start folder that does not exist, shown in the path field
  std::wstring selected;       // the path of the folder selected in the tree now
  std::wstring selected_name;  // its display name, as the dialog shows it
  std::wstring typed;          // a typed folder the user confirmed: the answer; empty: none
  int tries = 0;               // attempts to select the start folder so far
};

// Fills `state` from its request: the start folder, or the nearest one above it.
void PrepareFolderBox(FolderBoxState& state, const FolderDialogRequest& request);

// At BFFM_INITIALIZED: sets the caption, starts selecting the start folder (the dialog may
// still be filling its tree) and watches the OK button.
void AttachFolderBox(HWND dialog, FolderBoxState& state);

// At BFFM_SELCHANGED: notes the selected folder.
void NoteFolderBoxSelection(FolderBoxState& state, PCIDLIST_ABSOLUTE selected);

}  // namespace kelvari
