// Win32System: the file operations of the parameter, list and result files.
#include <windows.h>

#include "core/long_path.h"
#include "core/parameter_file.h"
#include "win32/system_error_text_win32.h"
#include "win32/system_win32.h"
#include "win32/temporary_file_name_logic.h"
#include "win32/unique_handle_win32.h"

namespace kelvari {
namespace {

// The full path of `path` (relative to the current folder), empty when the system has none.
std::wstring FullPath(const std::wstring& path) {
  const DWORD n = ::GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  if (n == 0) return {};
  std::wstring full(n, L'\0');
  const DWORD got = ::GetFullPathNameW(path.c_str(), n, full.data(), nullptr);
  if (got == 0 || got >= n) return {};
  full.resize(got);
  return full;
}

std::wstring ExtendedPath(const std::wstring& path) {
  return LongPathForm(path, FullPath(path));
}

Failure Failed(DWORD error) {
  return Failure{SystemErrorText(error)};
}

constexpr const wchar_t* kNotAFile = kNamesDeviceText;
constexpr wchar_t kTooLarge[] = L"Die Datei ist zu gro\u00DF (2 GB oder mehr).";
// Text files are read whole, and their text is converted in one piece: 2 GiB is the limit.
constexpr LONGLONG kLargestReadable = (1LL << 31) - 1;

// The system names a device ("NUL", "nul.txt", "NUL:", "C:\x\com1") by its full path
// "\\.\NAME".
bool IsDevicePath(const std::wstring& full) {
  return full.rfind(L"\\\\.\\", 0) == 0;
}
bool IsNulDevice(const std::wstring& full) {
  return ::CompareStringOrdinal(full.c_str() + 4, -1, L"NUL", -1, TRUE) == CSTR_EQUAL;
}

Status WriteAll(HANDLE file, std::string_view bytes) {
  DWORD written = 0;
  if (bytes.size() > MAXDWORD) return Failed(ERROR_FILE_TOO_LARGE);
  if (!::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr)) {
    return Failed(::GetLastError());
  }
  if (written != bytes.size()) return Failed(ERROR_DISK_FULL);
  return Done{};
}

// Creates a new, empty file beside `folder`'s others under a name of its own.
UniqueFile CreateTemporaryFile(const std::wstring& folder, std::wstring& name, DWORD& error) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    const std::wstring plain = folder + L"\\" + TemporaryFileName(::GetCurrentProcessId(), attempt);
    name = LongPathForm(plain, plain);
    UniqueFile file(::CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    error = ::GetLastError();
    if (file || (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS)) return file;
  }
  return UniqueFile();
}

// True when process `pid` is gone: no such process, one that has ended, or one that was
// started after `file_made` and so took the id over.
bool HasEnded(DWORD pid, const FILETIME& file_made) {
  const UniqueKernelHandle process(::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid));
  if (!process) return ::GetLastError() == ERROR_INVALID_PARAMETER;  // else: alive, not ours
  DWORD code = 0;
  if (::GetExitCodeProcess(process.get(), &code) && code != STILL_ACTIVE) return true;
  FILETIME started, ended, kernel, user;
  return ::GetProcessTimes(process.get(), &started, &ended, &kernel, &user) &&
         ::CompareFileTime(&started, &file_made) > 0;
}

// A call that was stopped while writing (killed, or the machine went down) left its
// temporary file behind, holding its answer: perhaps a password. Such files of ended processes
// are removed. A file that its writer still holds open is never touched.
void RemoveLeftOvers(const std::wstring& folder) {
  const std::wstring pattern = folder + L"\\" + kTemporaryFileStem + L"*.tmp";
  WIN32_FIND_DATAW data;
  UniqueFind find(::FindFirstFileExW(LongPathForm(pattern, pattern).c_str(), FindExInfoBasic, &data,
                                     FindExSearchNameMatch, nullptr, 0));
  if (!find) return;
  do {
    const DWORD pid = TemporaryFileOwner(data.cFileName);
    if (pid == 0 || pid == ::GetCurrentProcessId() ||
        (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) || !HasEnded(pid, data.ftCreationTime)) {
      continue;
    }
    const std::wstring plain = folder + L"\\" + data.cFileName;
    const std::wstring name = LongPathForm(plain, plain);
    // Opened for deletion without sharing: a writer that still has it open keeps it.
    UniqueFile left(::CreateFileW(name.c_str(), DELETE, 0, nullptr, OPEN_EXISTING,
                                  FILE_FLAG_DELETE_ON_CLOSE, nullptr));
  } while (::FindNextFileW(find.get(), &data));
}

// A short lock is waited out: a virus scanner or an indexer that holds the result file for a
// moment, or another call that puts its answer into the same file.
constexpr ULONGLONG kLockWaitMs = 2000;
constexpr DWORD kLockRetryMs = 20;

bool IsLock(DWORD error) {
  return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION ||
         error == ERROR_ACCESS_DENIED;
}

// Runs `step` (true on success, the error in GetLastError otherwise) until it succeeds, fails
// for another reason, or a lock has lasted kLockWaitMs; gives the last error, 0 for success.
template <class Step>
DWORD WaitingOutLocks(Step step) {
  const ULONGLONG deadline = ::GetTickCount64() + kLockWaitMs;
  for (;;) {
    if (step()) return 0;
    const DWORD error = ::GetLastError();
    if (!IsLock(error) || ::GetTickCount64() >= deadline) return error;
    ::Sleep(kLockRetryMs);
  }
}

}  // namespace

bool Win32System::IsNormalFile(const std::wstring& plain_path) {
  if (plain_path.empty()) return false;
  const std::wstring path = ExtendedPath(plain_path);
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

bool Win32System::NamesDevice(const std::wstring& path) {
  if (path.empty()) return false;
  if (IsDevicePath(FullPath(path))) return true;
  // The console's own names are devices to CreateFile, though not to the path rules.
  const std::size_t slash = path.find_last_of(L"\\/:");
  const std::wstring name = slash == std::wstring::npos ? path : path.substr(slash + 1);
  for (const wchar_t* console : {L"CONIN$", L"CONOUT$"}) {
    if (::CompareStringOrdinal(name.c_str(), -1, console, -1, TRUE) == CSTR_EQUAL) return true;
  }
  return false;
}

Result<std::string> Win32System::ReadWholeFile(const std::wstring& plain_path) {
  std::string bytes;
  const std::wstring path = ExtendedPath(plain_path);
  UniqueFile file(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return Failed(::GetLastError());
  // A device (CON, COM1 ...) could wait for input forever: only files are read.
  if (::GetFileType(file.get()) != FILE_TYPE_DISK) return Failure{kNotAFile};
  LARGE_INTEGER size{};
  if (::GetFileSizeEx(file.get(), &size)) {
    if (size.QuadPart > kLargestReadable) return Failure{kTooLarge};
    bytes.reserve(static_cast<std::size_t>(size.QuadPart));
  }
  char chunk[64 * 1024];
  for (;;) {
    DWORD got = 0;
    if (!::ReadFile(file.get(), chunk, sizeof chunk, &got, nullptr)) {
      return Failed(::GetLastError());
    }
    if (got == 0) break;
    if (static_cast<LONGLONG>(bytes.size() + got) > kLargestReadable) {  // it grew meanwhile
      return Failure{kTooLarge};
    }
    bytes.append(chunk, got);
  }
  return bytes;
}

// The new content goes into a file of its own in the same folder, which then takes the old
// file's place in one step. Whatever fails on the way, the old file stays as it was (or absent),
// and the temporary file is removed again; a process killed before the last step leaves the old
// file whole.
namespace {

// NUL swallows the answer, as a batch author who wants only the exit code may intend; any other
// device (CON, COM1, LPT1 ...) could block or print it.
Status WriteToDevice(const std::wstring& full, std::string_view bytes) {
  if (!IsNulDevice(full)) return Failure{kNotAFile};
  UniqueFile nul(::CreateFileW(full.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                               nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!nul) return Failed(::GetLastError());
  return WriteAll(nul.get(), bytes);
}

// An old file at `target` must be one that may be written: a folder, a read-only file or a file
// that another program holds open keeps its place. Opening it does not change it. The attribute
// is asked first: the move would replace a read-only file, and an administrator may open one for
// writing. An old file keeps its name as it stands in `folder` (its case, its long form): so
// `target` becomes.
Status CheckOldFile(const std::wstring& folder, std::wstring& target) {
  const DWORD attributes = ::GetFileAttributesW(target.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES &&
      (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) != 0) {
    return Failed(ERROR_ACCESS_DENIED);
  }
  UniqueFile old;
  const DWORD error = WaitingOutLocks([&] {
    old.reset(::CreateFileW(target.c_str(), GENERIC_WRITE | DELETE,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    return static_cast<bool>(old);
  });
  if (!old) return error == ERROR_FILE_NOT_FOUND ? Status(Done{}) : Status(Failed(error));
  if (::GetFileType(old.get()) != FILE_TYPE_DISK) return Failure{kNotAFile};
  WIN32_FIND_DATAW data;
  UniqueFind find(::FindFirstFileExW(target.c_str(), FindExInfoBasic, &data, FindExSearchNameMatch,
                                     nullptr, 0));
  if (find) {
    const std::wstring named = folder + L"\\" + data.cFileName;
    target = LongPathForm(named, named);
  }
  return Done{};
}

// Writes `bytes` into a new temporary file in `folder` and moves it over `target` in one step;
// on failure the temporary file goes again.
Status WriteThroughTemporaryFile(const std::wstring& folder, const std::wstring& target,
                                 std::string_view bytes) {
  RemoveLeftOvers(folder);
  std::wstring temporary;
  DWORD error = 0;
  UniqueFile file = CreateTemporaryFile(folder, temporary, error);
  if (!file && error == ERROR_ACCESS_DENIED) {
    return Failure{L"Der Ordner '" + folder + L"' ist schreibgesch\u00FCtzt: " +
                   SystemErrorText(error)};
  }
  if (!file) return Failed(error);
  Status status = WriteAll(file.get(), bytes);
  if (status.ok() && !::FlushFileBuffers(file.get())) status = Failed(::GetLastError());
  file.reset();
  if (status.ok()) {
    if (const DWORD moved = WaitingOutLocks([&] {
          return ::MoveFileExW(temporary.c_str(), target.c_str(),
                               MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
        })) {
      status = Failed(moved);
    }
  }
  if (!status.ok()) ::DeleteFileW(temporary.c_str());
  return status;
}

}  // namespace

Status Win32System::ReplaceFileContent(const std::wstring& plain_path, std::string_view bytes) {
  if (plain_path.empty()) return Failed(ERROR_INVALID_NAME);
  const std::wstring full = FullPath(plain_path);
  if (full.empty()) return Failed(::GetLastError());
  if (IsDevicePath(full)) return WriteToDevice(full, bytes);

  std::wstring target = LongPathForm(full, full);
  const std::size_t slash = full.find_last_of(L'\\');
  if (slash == std::wstring::npos) return Failed(ERROR_INVALID_NAME);
  const std::wstring folder = full.substr(0, slash);
  if (Status old = CheckOldFile(folder, target); !old.ok()) return old;
  return WriteThroughTemporaryFile(folder, target, bytes);
}

}  // namespace kelvari
