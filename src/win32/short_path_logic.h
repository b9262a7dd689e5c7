// How a long path is asked for its short (8.3) form: in the extended form ("\\?\C:\...",
// "\\?\UNC\server\..."), whose prefix the answer then loses again. No Windows header: the
// unit tests compile it too.
#pragma once

#include <optional>
#include <string>

namespace kelvari {

struct ShortPathQuery {
  std::wstring asked;   // the path to hand to the system
  std::wstring prefix;  // the extended prefix put before it; empty when it is `path` itself
};

// What to ask the system for `path`: a path of MAX_PATH (260) characters or more that names a
// drive ("C:\...") or a share ("\\server\...") goes in the extended form, any other as it is.
ShortPathQuery ShortPathQueryFor(const std::wstring& path);

// The system's answer `short_path` to `query` in the form of the path that was given: without
// the extended prefix, "\\" again before a share; nullopt when the answer lacks the prefix.
std::optional<std::wstring> ShortPathAnswer(const std::wstring& short_path,
                                            const ShortPathQuery& query);

}  // namespace kelvari
