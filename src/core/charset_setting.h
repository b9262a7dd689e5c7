// The environment variable KVCHARSET: in which encoding the result file holds the answer.
//
// Without it (or empty, or ANSI) the answer is in the system's ANSI code page, exact or refused.
// With UTF-8 it is in UTF-8 without a byte-order mark, and every answer passes exactly: a text
// the code page cannot hold is no longer refused, a path no longer shortened. Only what the
// program writes changes; parameter and list files are read as always.
#pragma once

#include <optional>
#include <string>

namespace kelvari {

inline constexpr wchar_t kCharsetVariable[] = L"KVCHARSET";

enum class ResultCharset {
  kAnsi,  // the system's ANSI code page
  kUtf8,  // UTF-8 without a byte-order mark
};

// Unset, empty or "ANSI" give kAnsi; "UTF-8" or "UTF8" give kUtf8; letters in any case, blanks
// and tabs around the word allowed ("set KVCHARSET=UTF-8 & ..." leaves a blank behind it).
// Nullopt for any other value.
std::optional<ResultCharset> ReadCharsetSetting(const std::optional<std::wstring>& value);

// The German message for a KVCHARSET set to `value`, which names no known encoding.
std::wstring WrongCharsetMessage(const std::wstring& value);

}  // namespace kelvari
