// The option line of FILEOPENBOX and FILESAVEBOX: line 5 of the parameter file, when its first
// word is OPTIONS: (any case). Every other line 5 changes nothing.
#pragma once

#include <string>

#include "core/dialog_requests.h"
#include "core/outcome.h"

namespace kelvari {

class Text;

// Reads `line` into `request` when it is an option line; its words after OPTIONS: (any case):
//   MUSTEXIST       (FILEOPENBOX) only an existing file can be confirmed;
//   MULTISELECT     (FILEOPENBOX) several files can be picked;
//   CONFIRMREPLACE  (FILESAVEBOX) the dialog asks before an existing file is replaced;
//   EXTENSION=ext   (both) "ext" (a leading dot is dropped) is appended to a typed name that
//                   has no extension of its own.
// Returns the fault that names the first word that is not one of these for the command
// (upper-cased), or an extension a file name cannot hold; nullopt otherwise.
Step ReadFileBoxOptions(const std::wstring& line, FileDialogRequest& request, Text& texts);

}  // namespace kelvari
