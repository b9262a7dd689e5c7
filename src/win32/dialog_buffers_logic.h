// What the file and folder dialogs of the system read and fill, built and read without the
// system itself: the file dialog's list of file types, the room for its chosen path, and the
// text in a buffer the system filled. No Windows header, so the unit tests check it too.
#pragma once

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/dialog_requests.h"

namespace kelvari {

// The longest path the system knows, with its ending NUL.
inline constexpr std::size_t kLongestPathChars = 32768;

// The characters the file dialog gets for the chosen path: the longest path the system knows,
// and always room for a proposed name of `proposal_chars` characters with its NUL.
inline std::size_t FileDialogBufferChars(std::size_t proposal_chars) {
  return std::max(kLongestPathChars, proposal_chars + 1);
}

// `types` as the file dialog reads them: "description NUL patterns NUL ... NUL", to which
// c_str() adds the list's final NUL; empty for no types (every file is shown).
inline std::wstring FileTypeFilter(const std::vector<FileType>& types) {
  std::wstring filter;
  for (const FileType& type : types) {
    filter += type.description;
    filter += L'\0';
    filter += type.patterns;
    filter += L'\0';
  }
  return filter;
}

// The characters of `buffer` before its first NUL character (all of it when there is none).
inline std::wstring TrimAtNull(std::wstring_view buffer) {
  return std::wstring(buffer.substr(0, buffer.find(L'\0')));
}

}  // namespace kelvari
