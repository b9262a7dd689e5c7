// What QUERYFOLDERBOX shows above the folder tree.
#pragma once

#include <string>

#include "core/invocation.h"

namespace kelvari {

// Every kept parameter line, each followed by CR LF.
std::wstring FolderPrompt(const Invocation& call);

}  // namespace kelvari
