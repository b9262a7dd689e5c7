// The prompt of the folder dialog: every kept parameter line followed by CR LF.
#pragma once

#include <string>
#include <vector>

namespace kelvari {

// Lines 1 to the last of `param_lines` (entry 0 is not a line), each followed by "\r\n".
std::wstring FolderPrompt(const std::vector<std::wstring>& param_lines);

}  // namespace kelvari
