// Win32System: kv.cmd's work folders: which are folders of their own, and the removal of the
// files in them. Nothing here follows a link: a folder that is a reparse point (a symbolic
// link, a junction, a mount point) is never entered, and a file that is one is deleted as the
// link it is, never through it.
#include <windows.h>

#include "win32/system_win32.h"
#include "win32/unique_handle_win32.h"

namespace kelvari {
namespace {

bool IsReparsePoint(DWORD attributes) {
  return (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
}

}  // namespace

bool Win32System::IsPlainFolder(const std::wstring& path) {
  const DWORD attributes = ::GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 &&
         !IsReparsePoint(attributes);
}

std::vector<std::wstring> Win32System::PlainFoldersIn(const std::wstring& base,
                                                      const std::wstring& pattern) {
  std::vector<std::wstring> folders;
  WIN32_FIND_DATAW found{};
  const UniqueFind find(::FindFirstFileW((base + L"\\" + pattern).c_str(), &found));
  if (!find) return folders;
  do {
    const std::wstring name = found.cFileName;
    if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 ||
        IsReparsePoint(found.dwFileAttributes) || name == L"." || name == L"..") {
      continue;
    }
    folders.push_back(base + L"\\" + name);
  } while (::FindNextFileW(find.get(), &found));
  return folders;
}

void Win32System::RemoveOwnFiles(const std::wstring& folder,
                                 const std::function<bool(const std::wstring& name)>& own) {
  if (!IsPlainFolder(folder)) return;
  WIN32_FIND_DATAW found{};
  {
    const UniqueFind find(::FindFirstFileW((folder + L"\\*").c_str(), &found));
    if (!find) return;
    do {
      const std::wstring name = found.cFileName;
      // A folder in it (a link to one included) is none of ours: it stays, and so does this one.
      if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 || !own(name)) continue;
      const std::wstring path = folder + L"\\" + name;
      // A link is deleted as a link: its read-only flag is not touched, as that would reach
      // through it to its target.
      if (!IsReparsePoint(found.dwFileAttributes) &&
          (found.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0) {
        ::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
      }
      ::DeleteFileW(path.c_str());
    } while (::FindNextFileW(find.get(), &found));
  }
  // Only an empty folder goes; it is checked again just before, as a link to one is never removed.
  if (IsPlainFolder(folder)) ::RemoveDirectoryW(folder.c_str());
}

}  // namespace kelvari
