// Answers in the result file's encoding: exact or refused.
//
// The calling batch file reads the result line in the encoding KVCHARSET names, the system's
// ANSI code page unless it says UTF-8. A character that the code page cannot hold must never
// reach it as a look-alike or as the default character: a fullwidth quotation mark would arrive
// as '"', a CJK character as the wildcard '?'. A path falls back to its short (8.3) form; a
// text that cannot be held is refused with a message. UTF-8 holds every character; only half
// of a surrogate pair alone (no character at all) cannot be written and is refused likewise.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/outcome.h"
#include "core/settings.h"
#include "core/system.h"

namespace kelvari {

// `text` in `charset`; `exact` is false when a character could not be held.
AnsiText EncodeAnswer(Text& texts, ResultCharset charset, std::wstring_view text);

// The words that say why a text cannot be passed on in `charset`, to follow its subject:
// " enthält Zeichen, die im Zeichensatz von Windows (ANSI) nicht darstellbar sind".
std::wstring NotHeldPhrase(ResultCharset charset);

// NotHeldPhrase followed by the characters concerned: " enthält Zeichen, die im Zeichensatz
// von Windows (ANSI) nicht darstellbar sind: 中 (U+4E2D)." Nullopt when `charset` holds every
// character of `text`.
std::optional<std::wstring> NotHeldReason(Text& texts, ResultCharset charset,
                                          std::wstring_view text);

// A form of `path` that `charset` holds exactly and that names the same file or folder: the
// path itself; else its short form; else, for a file that does not exist yet, the short form
// of its folder followed by its name. Nullopt when there is none.
std::optional<std::wstring> ExactPath(Text& texts, Files& files, ResultCharset charset,
                                      const std::wstring& path);

// The answer `path` in a form of ExactPath with `exit_code`. When there is no such form, a
// fault that tells the user why: nothing is written.
Outcome PathAnswer(Text& texts, Files& files, ResultCharset charset, const std::wstring& path,
                   int exit_code);

}  // namespace kelvari
