// Prompt texts and titles for the program's boxes.
#pragma once

#include <string>
#include <string_view>

namespace kelvari {

// The prompt's lines are joined by a bare CR; a text control breaks lines only at CR LF.
// Every CR that no LF follows gets one.
std::wstring PromptForTextControl(std::wstring_view prompt);

// The caption of a message box or input box: the title line, or the application title
// "KELVARI" when the line is empty, as for any box without a caption of its own.
std::wstring BoxTitle(const std::wstring& title_line);

}  // namespace kelvari
