// The watch over the process that started this one (kv.cmd's cmd).
#include <windows.h>
// after windows.h, which it needs
#include <tlhelp32.h>

#include <cwchar>
#include <string>

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

std::wstring Win32System::ParentRecord() {
  if (!parent_) return {};
  return std::to_wstring(::GetProcessId(parent_.get())) + L" " +
         std::to_wstring(CreationTime(parent_.get()));
}

bool Win32System::RecordedProcessHasEnded(const std::wstring& record) {
  // "ID CREATION": the process with that number, made at that time. A number taken by a newer
  // process means the recorded one has ended.
  const auto blank = record.find(L' ');
  if (blank == std::wstring::npos || blank == 0) return true;
  wchar_t* end = nullptr;
  const unsigned long long id = std::wcstoull(record.c_str(), &end, 10);
  const unsigned long long created = std::wcstoull(record.c_str() + blank + 1, &end, 10);
  if (id == 0 || id > 0xFFFFFFFFull || created == 0 || *end != L'\0') return true;
  const UniqueKernelHandle process(::OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION,
                                                 FALSE, static_cast<DWORD>(id)));
  if (!process) return ::GetLastError() != ERROR_ACCESS_DENIED;
  if (CreationTime(process.get()) != created) return true;
  return ::WaitForSingleObject(process.get(), 0) != WAIT_TIMEOUT;
}

bool Win32System::ParentHasEnded() {
  if (!watching_parent_) return false;
  if (!parent_) return true;
  return ::WaitForSingleObject(parent_.get(), 0) != WAIT_TIMEOUT;
}

}  // namespace kelvari
