#include "win32/short_path_logic.h"

#include <cstddef>

namespace kelvari {
namespace {

constexpr std::size_t kMaxPath = 260;  // MAX_PATH
constexpr wchar_t kExtended[] = L"\\\\?\\";
constexpr wchar_t kExtendedShare[] = L"\\\\?\\UNC\\";

bool StartsWith(const std::wstring& text, const std::wstring& start) {
  return text.rfind(start, 0) == 0;
}

}  // namespace

ShortPathQuery ShortPathQueryFor(const std::wstring& path) {
  if (path.size() < kMaxPath || StartsWith(path, kExtended)) return {path, {}};
  if (StartsWith(path, L"\\\\")) return {kExtendedShare + path.substr(2), kExtendedShare};
  if (path.size() > 2 && path[1] == L':' && path[2] == L'\\') return {kExtended + path, kExtended};
  return {path, {}};
}

std::optional<std::wstring> ShortPathAnswer(const std::wstring& short_path,
                                            const ShortPathQuery& query) {
  if (query.prefix.empty()) return short_path;
  if (!StartsWith(short_path, query.prefix)) return std::nullopt;
  const bool share = query.prefix == kExtendedShare;
  return (share ? L"\\\\" : L"") + short_path.substr(query.prefix.size());
}

}  // namespace kelvari
