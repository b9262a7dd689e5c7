// The watch over the process that started this one, and the removal of kv.cmd's folders.
#include <windows.h>
// after windows.h, which it needs
#include <tlhelp32.h>

#include "win32/handle_win32.h"
#include "win32/system_win32.h"

namespace kelvari {
namespace {

using UniqueProcess = UniqueHandle<HANDLE, ::CloseHandle, NullHandle>;

// The parent process, opened at the start; empty when it was not found or could not be opened.
UniqueProcess& Parent() {
  static UniqueProcess parent;
  return parent;
}
bool& Watching() {
  static bool watching = false;
  return watching;
}

std::optional<DWORD> ParentId() {
  const UniqueFile snapshot(::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
  if (!snapshot) return std::nullopt;
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof(entry);
  const DWORD self = ::GetCurrentProcessId();
  for (BOOL more = ::Process32FirstW(snapshot.get(), &entry); more;
       more = ::Process32NextW(snapshot.get(), &entry)) {
    if (entry.th32ProcessID == self) return entry.th32ParentProcessID;
  }
  return std::nullopt;
}

ULONGLONG Ticks(const FILETIME& time) {
  return (static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

ULONGLONG CreationTime(HANDLE process) {
  FILETIME created{}, exited{}, kernel{}, user{};
  if (!::GetProcessTimes(process, &created, &exited, &kernel, &user)) return 0;
  return Ticks(created);
}

}  // namespace

void Win32System::WatchParent() {
  Watching() = true;
  const std::optional<DWORD> id = ParentId();
  if (!id) return;
  UniqueProcess parent(::OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, *id));
  if (!parent) return;
  // A process made after this one only took the number of a parent that had ended already.
  if (CreationTime(parent.get()) > CreationTime(::GetCurrentProcess())) return;
  Parent() = std::move(parent);
}

bool Win32System::ParentHasEnded() {
  if (!Watching()) return false;
  if (!Parent()) return true;
  return ::WaitForSingleObject(Parent().get(), 0) != WAIT_TIMEOUT;
}

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
