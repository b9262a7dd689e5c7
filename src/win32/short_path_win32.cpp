// Win32System: the short (8.3) form of a path, checked to lead back to the same entry.
#include <windows.h>

#include "win32/short_path_logic.h"
#include "win32/system_win32.h"

namespace kelvari {
namespace {

// The long form of the existing `path`, every part named as it stands in its folder; nullopt
// when the system gives none.
std::optional<std::wstring> LongForm(const std::wstring& path) {
  const DWORD n = ::GetLongPathNameW(path.c_str(), nullptr, 0);
  if (n == 0) return std::nullopt;
  std::wstring long_path(n, L'\0');
  const DWORD got = ::GetLongPathNameW(path.c_str(), long_path.data(), n);
  if (got == 0 || got >= n) return std::nullopt;
  long_path.resize(got);
  return long_path;
}

}  // namespace

std::optional<std::wstring> Win32System::ShortPath(const std::wstring& path) {
  if (path.empty() || path.find(L'\0') != std::wstring::npos) return std::nullopt;
  // A long path is asked for in its extended form and answered without that prefix.
  const ShortPathQuery query = ShortPathQueryFor(path);
  const std::wstring& asked = query.asked;
  const DWORD n = ::GetShortPathNameW(asked.c_str(), nullptr, 0);
  if (n == 0) return std::nullopt;
  std::wstring short_path(n, L'\0');
  const DWORD got = ::GetShortPathNameW(asked.c_str(), short_path.data(), n);
  if (got == 0 || got >= n) return std::nullopt;
  short_path.resize(got);
  // A short name is made from the long one and need not be unique in its folder (Wine makes
  // it from a hash, and two names can give the same): it is only an answer when it leads back
  // to this very entry, never to a neighbour.
  const std::optional<std::wstring> back = LongForm(short_path);
  const std::optional<std::wstring> own = LongForm(asked);
  if (!back || !own ||
      ::CompareStringOrdinal(back->c_str(), static_cast<int>(back->size()), own->c_str(),
                             static_cast<int>(own->size()), TRUE) != CSTR_EQUAL) {
    return std::nullopt;
  }
  return ShortPathAnswer(short_path, query);
}

}  // namespace kelvari
