// Win32System: the removal of kv.cmd's work folders, and the search for the ones left behind.
#include <windows.h>

#include "win32/system_win32.h"
#include "win32/unique_handle_win32.h"

namespace kelvari {
namespace {

ULONGLONG Ticks(const FILETIME& time) {
  return (static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

}  // namespace

void Win32System::RemoveFolderAndFiles(const std::wstring& folder) {
  WIN32_FIND_DATAW found{};
  const UniqueFind find(::FindFirstFileW((folder + L"\\*").c_str(), &found));
  if (find) {
    do {
      if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
        const std::wstring path = folder + L"\\" + found.cFileName;
        ::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        ::DeleteFileW(path.c_str());
      }
    } while (::FindNextFileW(find.get(), &found));
  }
  ::RemoveDirectoryW(folder.c_str());
}

std::vector<std::wstring> Win32System::FoldersWithStaleFile(const std::wstring& base,
                                                            const std::wstring& pattern,
                                                            const std::wstring& name, int seconds) {
  std::vector<std::wstring> stale;
  FILETIME now{};
  ::GetSystemTimeAsFileTime(&now);
  const ULONGLONG limit = static_cast<ULONGLONG>(seconds) * 10'000'000ULL;  // 100 ns ticks
  WIN32_FIND_DATAW found{};
  const UniqueFind find(::FindFirstFileW((base + L"\\" + pattern).c_str(), &found));
  if (!find) return stale;
  do {
    if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) continue;
    const std::wstring folder = base + L"\\" + found.cFileName;
    WIN32_FILE_ATTRIBUTE_DATA file{};
    if (!::GetFileAttributesExW((folder + L"\\" + name).c_str(), GetFileExInfoStandard, &file)) {
      continue;
    }
    const ULONGLONG written = Ticks(file.ftLastWriteTime);
    if (Ticks(now) > written && Ticks(now) - written > limit) stale.push_back(folder);
  } while (::FindNextFileW(find.get(), &found));
  return stale;
}

}  // namespace kelvari
