// The records that the file and folder dialogs hand to and get back from the system: what
// one showing of the file-open or file-save dialog asks for, how it ended, what the
// folder-browse dialog is shown with, and what it gave.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace kelvari {

enum class FileDialogKind { kOpen, kSave };

struct FileDialogRequest {
  FileDialogKind kind = FileDialogKind::kOpen;
  void* owner = nullptr;           // the owning window, nullptr for none
  std::wstring title;              // empty: the dialog's own title
  std::wstring file_name;          // the proposal in the name field
  std::wstring initial_dir;        // empty: the system chooses
  std::wstring filter;             // "description NUL patterns NUL ... NUL"; empty: no filter
  std::size_t buffer_chars = 0;    // room for the chosen path, its ending NUL included
  bool must_exist = false;         // open: only an existing file can be confirmed
  bool multi_select = false;       // open: several files can be picked
  bool confirm_replace = false;    // save: asks before an existing file is replaced
  std::wstring default_extension;  // appended to a typed name without one; empty: none
};

struct FileDialogOutcome {
  enum Kind { kConfirmed, kCancelled, kFailed };
  Kind kind = kCancelled;
  std::wstring path;  // kConfirmed: the full path of the chosen file (the first one)
  // kConfirmed with multi_select: the full path of every chosen file, in the dialog's order
  std::vector<std::wstring> paths;
  std::wstring reason;  // kFailed: what the system reported
};

// How the folder-browse dialog is shown. The plain form (QUERYFOLDERBOX) has the shell's own
// title, the prompt in the ANSI code page, the tree from the desktop and no more.
struct FolderDialogRequest {
  void* owner = nullptr;      // the owning window, nullptr for none
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
  bool failed = false;  // the dialog could not be shown: neither chosen nor cancelled
  bool operator==(const BrowsedFolder&) const = default;
};

}  // namespace kelvari
