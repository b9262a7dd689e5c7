// The form in which a path is handed to the file functions of the system.
//
// Paths of 248 characters or more (the longest folder name the ordinary form allows) go in
// the extended form "\\?\C:\..." or "\\?\UNC\server\...", which has no such limit. Whether a
// path is long is a matter of its full path: a short relative name in a deep current folder
// is long too.
#pragma once

#include <string>
#include <string_view>

namespace kelvari {

// From this many characters of the full path on, the extended form is used.
inline constexpr std::size_t kLongPathFrom = 248;

// The path to hand to the system for `given`, whose full (absolute, normalised) path is
// `full`: `given` itself while `full` is short, otherwise the extended form of `full`. A path
// already in the extended form, and a device path ("\\.\NUL"), stay as they are.
std::wstring LongPathForm(std::wstring_view given, std::wstring_view full);

}  // namespace kelvari
