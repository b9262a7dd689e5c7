// Win32System: the drive checks. Only kernel32 is used, and the process's error mode keeps
// the system's "no disk in the drive" box away, so a missing medium is just a failed call.
#include <windows.h>

#include "win32/system_win32.h"
#include "win32/unique_handle_win32.h"

namespace kelvari {

bool Win32System::CanListFolder(const std::wstring& folder) {
  if (folder.empty()) return false;
  // The folder itself must be there: an empty root lists nothing, and so does a missing one.
  const DWORD attributes = ::GetFileAttributesW(folder.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
    return false;
  }
  WIN32_FIND_DATAW data;
  const std::wstring pattern = folder + L"*";
  UniqueFind find(::FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &data, FindExSearchNameMatch,
                                     nullptr, 0));
  if (find) return true;
  const DWORD error = ::GetLastError();
  return error == ERROR_FILE_NOT_FOUND || error == ERROR_NO_MORE_FILES;  // readable but empty
}

std::optional<std::wstring> Win32System::VolumeLabel(const std::wstring& root) {
  if (root.empty()) return std::nullopt;
  wchar_t label[MAX_PATH + 1] = {};
  if (!::GetVolumeInformationW(root.c_str(), label, MAX_PATH + 1, nullptr, nullptr, nullptr,
                               nullptr, 0)) {
    return std::nullopt;
  }
  return std::wstring(label);
}

}  // namespace kelvari
