// Win32System: the file operations of the parameter, list and result files.
#include <windows.h>

#include "frontend/handle_win32.h"
#include "frontend/system_win32.h"

namespace kelvari {
namespace {

// A path of MAX_PATH characters or more is handed to the system in its extended form ("\\?\"),
// made absolute and normalised first, so long paths work on every Windows.
std::wstring ExtendedPath(const std::wstring& path) {
  if (path.size() < MAX_PATH - 12 || path.rfind(L"\\\\?\\", 0) == 0) return path;
  const DWORD n = ::GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  if (n == 0) return path;
  std::wstring full(n, L'\0');
  const DWORD got = ::GetFullPathNameW(path.c_str(), n, full.data(), nullptr);
  if (got == 0 || got >= n) return path;
  full.resize(got);
  if (full.rfind(L"\\\\", 0) == 0) return L"\\\\?\\UNC\\" + full.substr(2);
  return L"\\\\?\\" + full;
}

// True when the last part of `path` names the NUL device ("NUL" or "NUL.txt", any case).
bool NamesNulDevice(const std::wstring& path) {
  const auto slash = path.find_last_of(L"\\/:");
  std::wstring name = path.substr(slash == std::wstring::npos ? 0 : slash + 1);
  name = name.substr(0, name.find(L'.'));
  while (!name.empty() && name.back() == L' ') name.pop_back();
  return ::CompareStringOrdinal(name.c_str(), -1, L"NUL", -1, TRUE) == CSTR_EQUAL;
}

constexpr wchar_t kNotAFile[] = L"Der Name bezeichnet ein Ger\u00E4t und keine Datei.";

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

IoStatus Win32System::ReadWholeFile(const std::wstring& plain_path, std::string& bytes) {
  bytes.clear();
  const std::wstring path = ExtendedPath(plain_path);
  UniqueFile file(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return IoStatus::Failed(SystemErrorText(::GetLastError()));
  // A device (CON, COM1 ...) could wait for input forever: only files are read.
  if (::GetFileType(file.get()) != FILE_TYPE_DISK) return IoStatus::Failed(kNotAFile);
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

IoStatus Win32System::ReplaceFileContent(const std::wstring& plain_path, std::string_view bytes) {
  if (plain_path.empty()) return IoStatus::Failed(SystemErrorText(ERROR_INVALID_NAME));
  const std::wstring path = ExtendedPath(plain_path);
  // OPEN_ALWAYS rather than CREATE_ALWAYS: when the file cannot be opened for writing (a
  // folder, read-only, locked), an old result stays exactly as it was.
  UniqueFile file(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return IoStatus::Failed(SystemErrorText(::GetLastError()));
  // NUL swallows the answer, as a batch author who wants only the exit code may intend; any
  // other device (CON, COM1, LPT1 ...) could block or print it.
  const DWORD type = ::GetFileType(file.get());
  if (type != FILE_TYPE_DISK && !(type == FILE_TYPE_CHAR && NamesNulDevice(plain_path))) {
    return IoStatus::Failed(kNotAFile);
  }
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
