// Words shared by BUTTONBOX, NOTICEBOX, PROGRESSBOX and PROGRESS: the icon words of
// MESSAGEBOX, whole numbers within a range, and the error that names a wrong value.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/invocation.h"
#include "core/outcome.h"
#include "core/system.h"

namespace kelvari {

// The message box icon style of an upper-cased icon word as MESSAGEBOX takes it (STOP, FRAGE,
// WARNUNG, INFO, INFORMATION); nullopt for any other word.
std::optional<std::uint32_t> IconOfWord(std::wstring_view upper_word);

// The value of `text` when it is made of digits only (at most 9) and lies from `least` to
// `most`; nullopt otherwise.
std::optional<int> WholeNumberIn(std::wstring_view text, int least, int most);

// Error 14 for the command of `call`: "Befehl WORT: Ungültiger Wert VALUE (erlaubt: RANGE)".
Outcome WrongValueError(const Invocation& call, Text& texts, const std::wstring& value,
                        const std::wstring& range);

}  // namespace kelvari
