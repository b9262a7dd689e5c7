// Words shared by BUTTONBOX, NOTICEBOX, PROGRESSBOX and PROGRESS: whole numbers within a range,
// and the error that names a wrong value. Their icon words are MESSAGEBOX's (MessageIconOfWord).
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/invocation.h"
#include "core/outcome.h"
#include "core/system.h"

namespace kelvari {

// The value of `text` when it is made of digits only (at most 9) and lies from `least` to
// `most`; nullopt otherwise.
std::optional<int> WholeNumberIn(std::wstring_view text, int least, int most);

// Error 14 for the command of `call`: "Befehl WORT: Ungültiger Wert VALUE (erlaubt: RANGE)".
Outcome WrongValueError(const Invocation& call, Text& texts, const std::wstring& value,
                        const std::wstring& range);

}  // namespace kelvari
