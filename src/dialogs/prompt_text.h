// Prompt texts for the program's own windows.
#pragma once

#include <string>
#include <string_view>

namespace kelvari {

// The prompt's lines are joined by a bare CR; a text control breaks lines only at CR LF.
// Every CR that no LF follows gets one.
std::wstring PromptForTextControl(std::wstring_view prompt);

}  // namespace kelvari
