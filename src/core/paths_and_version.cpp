#include "core/paths_and_version.h"

#include <cmath>

#include "version.h"

namespace kelvari {

std::wstring AddBackslash(std::wstring_view folder) {
  std::wstring text(folder);
  if (text.empty() || text.back() != L'\\') text += L'\\';
  return text;
}

std::wstring TrimAtNull(std::wstring_view buffer) {
  return std::wstring(buffer.substr(0, buffer.find(L'\0')));
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

float CenteredPosition(float screen_twips, float form_twips) {
  // nearbyint rounds ties to even in the default rounding mode.
  const long difference = std::lrint(screen_twips - form_twips);
  const long half = difference / 2;  // truncates toward zero: -3 gives -1
  return static_cast<float>(half);
}

}  // namespace kelvari
