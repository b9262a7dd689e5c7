// The system's icons that a box of the program shows beside its text.
#pragma once

#include <windows.h>

#include <cstdint>

namespace kelvari {

// The system icon for a message box icon style (stop, question, exclamation, information), as
// LoadIconW takes it with no module; nullptr for a style without an icon.
const wchar_t* SystemIconFor(std::uint32_t icon_style);

}  // namespace kelvari
