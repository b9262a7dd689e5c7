// Answers in the system's ANSI code page: exact or refused.
//
// The calling batch file reads the result line in the ANSI code page. A character that the
// code page cannot hold must never reach it as a look-alike or as the default character: a
// fullwidth quotation mark would arrive as '"', a CJK character as the wildcard '?'. A path
// falls back to its short (8.3) form; a text that cannot be held is refused with a message.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "frontend/outcome.h"

namespace kelvari {

class System;
class TextsAndFiles;

// The part of a German message that says why `text` cannot be passed on, to follow its
// subject: " enthält Zeichen, die im Zeichensatz von Windows (ANSI) nicht darstellbar sind:
// 中 (U+4E2D)." Nullopt when the code page holds every character of `text`.
std::optional<std::wstring> NotInAnsiReason(TextsAndFiles& system, std::wstring_view text);

// A form of `path` that the code page holds exactly and that names the same file or folder:
// the path itself; else its short form; else, for a file that does not exist yet, the short
// form of its folder followed by its name. Nullopt when there is none.
std::optional<std::wstring> ExactAnsiPath(TextsAndFiles& system, const std::wstring& path);

// The answer `path` in a form of ExactAnsiPath with `exit_code`. When there is no such form,
// a fault that tells the user why: nothing is written.
Outcome PathAnswer(System& system, const std::wstring& path, int exit_code);

}  // namespace kelvari
