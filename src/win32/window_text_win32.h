// The text of a window or control (a title, an entry field's content) as it stands.
#pragma once

#include <windows.h>

#include <string>

namespace kelvari {

std::wstring WindowText(HWND window);

}  // namespace kelvari
