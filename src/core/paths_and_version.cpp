#include "core/paths_and_version.h"

#include "version.h"

namespace kelvari {

std::wstring AddBackslash(std::wstring_view folder) {
  std::wstring text(folder);
  if (text.empty() || text.back() != L'\\') text += L'\\';
  return text;
}

std::wstring VersionString() {
  return L" (V" + std::to_wstring(KELVARI_VERSION_MAJOR) + L"." +
         std::to_wstring(KELVARI_VERSION_MINOR) + L"." + std::to_wstring(KELVARI_VERSION_PATCH) +
         L")";
}

std::wstring ProgramFolder(Process& process) {
  const std::wstring path = process.ModulePath();
  const auto slash = path.find_last_of(L'\\');
  return AddBackslash(slash == std::wstring::npos ? std::wstring() : path.substr(0, slash));
}

}  // namespace kelvari
