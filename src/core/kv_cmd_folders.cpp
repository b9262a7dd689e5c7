#include "core/kv_cmd_folders.h"

#include "core/system.h"

namespace kelvari {

std::wstring KvCmdFolderOf(const std::wstring& path, TextsAndFiles& files) {
  const auto slash = path.find_last_of(L"\\/");
  if (slash == std::wstring::npos || slash == 0) return {};
  std::wstring folder = path.substr(0, slash);
  const auto start = folder.find_last_of(L"\\/:");
  const std::wstring name =
      files.UpperCase(start == std::wstring::npos ? folder : folder.substr(start + 1));
  if (name.size() < 6 || !name.starts_with(L"KV") || !name.ends_with(L".TMP")) return {};
  return folder;
}

void RemoveAbandonedAnswers(const std::wstring& result_path, TextsAndFiles& files) {
  const std::wstring own = KvCmdFolderOf(result_path, files);
  if (own.empty()) return;
  const std::wstring base = own.substr(0, own.find_last_of(L"\\/"));
  for (const std::wstring& folder :
       files.FoldersWithStaleFile(base, L"kv*.tmp", L"ergebnis.txt", kAbandonedAnswerSeconds)) {
    // The pattern also finds short names; only kv.cmd's own folders go.
    if (folder != own && !KvCmdFolderOf(folder + L"\\x", files).empty()) {
      files.RemoveFolderAndFiles(folder);
    }
  }
}

}  // namespace kelvari
