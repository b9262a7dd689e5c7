// The records that the file and folder dialogs hand to and get back from the system: what
// one showing of the file-open or file-save dialog asks for, how it ended, and what the
// folder-browse dialog gave.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace kelvari {

enum class FileDialogKind { kOpen, kSave };

struct FileDialogRequest {
  FileDialogKind kind = FileDialogKind::kOpen;
  void* owner = nullptr;         // the owning window, nullptr for none
  std::wstring title;            // empty: the dialog's own title
  std::wstring file_name;        // the proposal in the name field
  std::wstring initial_dir;      // empty: the system chooses
  std::wstring filter;           // "description NUL patterns NUL ... NUL"; empty: no filter
  std::size_t buffer_chars = 0;  // room for the chosen path, its ending NUL included
};

struct FileDialogOutcome {
  enum Kind { kConfirmed, kCancelled, kFailed };
  Kind kind = kCancelled;
  std::wstring path;    // kConfirmed: the full path of the chosen file
  std::wstring reason;  // kFailed: what the system reported
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
