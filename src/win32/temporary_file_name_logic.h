// The names of the temporary files in which an answer is written before it replaces the
// result file: "~kelvari-<process id>-<number>.tmp", so that a later call can tell whose a
// leftover file is. No Windows header: the unit tests compile it too.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kelvari {

// How every temporary file's name begins; "*.tmp" after it finds them all in a folder.
inline constexpr wchar_t kTemporaryFileStem[] = L"~kelvari-";

// The name (without folder) of the temporary file number `number` of process `pid`.
std::wstring TemporaryFileName(std::uint32_t pid, int number);

// The process id in the name of a temporary file of this program ("~kelvari-812-0.tmp");
// 0 for any other name.
std::uint32_t TemporaryFileOwner(std::wstring_view name);

}  // namespace kelvari
