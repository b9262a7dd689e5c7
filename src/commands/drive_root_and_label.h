// What CHECKDRIVE and CHECKLABEL share: their answers, which root a drive word names, and whether a
// volume label is the one a batch file expects.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/system.h"

namespace kelvari {

// The two answers of CHECKDRIVE and CHECKLABEL.
inline constexpr const wchar_t* kDriveOk = L"OK";
inline constexpr const wchar_t* kDriveError = L"ERROR";

// The root of the drive that `word` names: its first character followed by ":\" (A, a:,
// A:\ and A:\DATEN all give A:\). An empty word gives the empty text.
std::wstring DriveRoot(std::wstring_view word);

// True when `label` and `expected`, both upper-cased in the user's locale, are equal;
// nothing is trimmed. A label that cannot be read (nullopt) never matches.
bool LabelMatches(Text& texts, const std::optional<std::wstring>& label,
                  std::wstring_view expected);

}  // namespace kelvari
