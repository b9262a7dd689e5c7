// Win32System: the file operations of the parameter, list and result files.
#include <windows.h>

#include "frontend/handle_win32.h"
#include "frontend/system_win32.h"

namespace kelvari {

bool Win32System::IsNormalFile(const std::wstring& path) {
  if (path.empty()) return false;
  WIN32_FIND_DATAW data;
  // Wildcards in the name are matched like the search they stand for: the first entry found
  // decides, as it would for a DIR command.
  UniqueFind find(
      ::FindFirstFileExW(path.c_str(), FindExInfoBasic, &data, FindExSearchNameMatch, nullptr, 0));
  if (!find) return false;
  do {
    const DWORD excluded = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    if ((data.dwFileAttributes & excluded) == 0) return true;
  } while (::FindNextFileW(find.get(), &data));
  return false;
}

IoStatus Win32System::ReadWholeFile(const std::wstring& path, std::string& bytes) {
  bytes.clear();
  UniqueFile file(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return IoStatus::Failed(SystemErrorText(::GetLastError()));
  LARGE_INTEGER size{};
  if (::GetFileSizeEx(file.get(), &size) && size.QuadPart > 0 && size.QuadPart < (1LL << 31)) {
    bytes.reserve(static_cast<std::size_t>(size.QuadPart));
  }
  char chunk[64 * 1024];
  for (;;) {
    DWORD got = 0;
    if (!::ReadFile(file.get(), chunk, sizeof chunk, &got, nullptr)) {
      return IoStatus::Failed(SystemErrorText(::GetLastError()));
    }
    if (got == 0) break;
    bytes.append(chunk, got);
  }
  return IoStatus::Ok();
}

IoStatus Win32System::ReplaceFileContent(const std::wstring& path, std::string_view bytes) {
  if (path.empty()) return IoStatus::Failed(SystemErrorText(ERROR_INVALID_NAME));
  // OPEN_ALWAYS rather than CREATE_ALWAYS: when the file cannot be opened for writing (a
  // folder, read-only, locked), an old result stays exactly as it was.
  UniqueFile file(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return IoStatus::Failed(SystemErrorText(::GetLastError()));
  DWORD written = 0;
  if (bytes.size() > MAXDWORD ||
      !::WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
      written != bytes.size()) {
    return IoStatus::Failed(SystemErrorText(::GetLastError()));
  }
  if (::GetFileType(file.get()) == FILE_TYPE_DISK && !::SetEndOfFile(file.get())) {
    return IoStatus::Failed(SystemErrorText(::GetLastError()));
  }
  return IoStatus::Ok();
}

}  // namespace kelvari
