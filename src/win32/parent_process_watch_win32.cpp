// The watch over the process that started this one (kv.cmd's cmd).
#include <windows.h>
// after windows.h, which it needs
#include <tlhelp32.h>

#include "win32/parent_process_win32.h"
#include "win32/system_win32.h"
#include "win32/unique_handle_win32.h"

namespace kelvari {

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

namespace {

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
  watching_parent_ = true;
  const std::optional<DWORD> id = ParentId();
  if (!id) return;
  UniqueKernelHandle parent(
      ::OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, *id));
  if (!parent) return;
  // A process made after this one only took the number of a parent that had ended already.
  if (CreationTime(parent.get()) > CreationTime(::GetCurrentProcess())) return;
  parent_ = std::move(parent);
}

bool Win32System::ParentHasEnded() {
  if (!watching_parent_) return false;
  if (!parent_) return true;
  return ::WaitForSingleObject(parent_.get(), 0) != WAIT_TIMEOUT;
}

}  // namespace kelvari
