// The records that the file and folder dialogs hand to and get back from the system: what
// one showing of the file-open or file-save dialog asks for, what the user chose in it, what
// the folder-browse dialog is shown with, and what it gave. The system chooses the window that
// owns each dialog itself.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace kelvari {

enum class FileDialogKind { kOpen, kSave };

// One entry of the file dialog's file-type choice: what it is called and the patterns of the
// files it shows ("*.bmp;*.ico"). Neither is empty.
struct FileType {
  std::wstring description;
  std::wstring patterns;
  bool operator==(const FileType&) const = default;
};

struct FileDialogRequest {
  FileDialogKind kind = FileDialogKind::kOpen;
  std::wstring title;                // empty: the dialog's own title
  std::wstring file_name;            // the proposal in the name field
  std::wstring initial_dir;          // empty: the system chooses
  std::vector<FileType> file_types;  // in the order offered, the first chosen; none: every file
  bool must_exist = false;           // open: only an existing file can be confirmed
  bool multi_select = false;         // open: several files can be picked
  bool confirm_replace = false;      // save: asks before an existing file is replaced
  std::wstring default_extension;    // appended to a typed name without one; empty: none
};

// What the user did with the file dialog.
struct FileDialogChoice {
  bool chosen = false;  // false: the user cancelled
  // When chosen: the full path of the chosen file, or with multi_select of every chosen file,
  // in the dialog's order. A path of any length the system knows comes whole.
  std::vector<std::wstring> paths;
};

// How the folder-browse dialog is shown. The plain form (QUERYFOLDERBOX) has the shell's own
// title, the prompt in the ANSI code page, the tree from the desktop and no more.
struct FolderDialogRequest {
  std::wstring prompt;        // above the tree
  bool plain = true;          // false: the fields below count
  std::wstring title;         // the window's caption; empty: the shell's own
  std::wstring start_folder;  // selected and in view when the dialog opens; empty: none
  bool new_folder_button = false;
  bool path_field = false;  // a field to type a path into; a typed path must exist
};

// What the folder-browse dialog gave.
struct BrowsedFolder {
  bool chosen = false;  // false: the user cancelled
  // When chosen: the folder's whole path as the shell gives it (a drive's root with its
  // backslash), the empty text for an item without a path; nullopt when the system could not
  // give the path whole.
  std::optional<std::wstring> path;
  bool operator==(const BrowsedFolder&) const = default;
};

}  // namespace kelvari
