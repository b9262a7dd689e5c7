// What QUERYFOLDERBOX and FOLDERBOX share: QUERYFOLDERBOX's prompt, and the answer of the
// folder-browse dialog.
#pragma once

#include <string>

#include "core/invocation.h"
#include "core/outcome.h"
#include "core/system.h"

namespace kelvari {

// Every kept parameter line, each followed by CR LF.
std::wstring FolderPrompt(const Invocation& call);

// Shows the folder-browse dialog of `request`. The answer is the chosen folder as the shell
// gives it (a drive's root with its backslash), in a form the result's encoding holds (its short
// form, else a fault); an empty line with exit code 1 after a cancel. A dialog that could not be
// shown, or a path the system cannot give whole, is a fault.
Outcome AnswerBrowsedFolder(const Invocation& call, Text& texts, Files& files, Dialogs& dialogs,
                            const FolderDialogRequest& request);

}  // namespace kelvari
