// A title with an ending that must stay visible (the countdown of KVTIMEOUT): the title is
// shortened with "…" to make room for it, and a narrow window is made wider.
#pragma once

#include <windows.h>

#include <string>

namespace kelvari {

// Sets `window`'s title to `title` followed by `ending`, with the end of `title` replaced by "…"
// as far as needed for the whole to fit the room for text in the title bar. `ending` is never
// shortened: a window with less room than twice "…" and `ending` grows to both sides, as far as
// that or the whole text needs.
void ShowTitleWithEnding(HWND window, const std::wstring& title, const std::wstring& ending);

}  // namespace kelvari
