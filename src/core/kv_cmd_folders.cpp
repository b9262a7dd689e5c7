#include "core/kv_cmd_folders.h"

#include <array>
#include <string_view>

#include "core/answer_encoding.h"
#include "core/system.h"

namespace kelvari {
namespace {

// The names of the files in a kv.cmd folder, upper-cased: kv.cmd's own, and the program's.
constexpr std::array<std::wstring_view, 10> kOwnFileNames = {
    L"KVCMD.TXT", L"AUFRUFER.TXT", L"ERGEBNIS.TXT", L"PARAMETER.TXT", L"LISTE.TXT",
    L"KOPIE.TXT", L"CODEPAGE.TXT", L"PROBE.TXT",    L"MELDUNG.TXT",   L"ANZAHL.TXT",
};

// cmd's set /p takes about 1,023 bytes of a line on Windows; an entry must come whole.
constexpr std::size_t kMaxEntryBytes = 1000;

// The files kv.cmd writes itself and that may name variables (upper-cased).
constexpr std::array<std::wstring_view, 2> kVariableFileNames = {L"PARAMETER.TXT", L"LISTE.TXT"};

std::wstring FolderPart(const std::wstring& path) {
  const auto slash = path.find_last_of(L"\\/");
  if (slash == std::wstring::npos || slash == 0) return {};
  return path.substr(0, slash);
}

std::wstring NamePart(const std::wstring& path) {
  const auto slash = path.find_last_of(L"\\/:");
  return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

}  // namespace

std::wstring KvCmdFolderOf(const std::wstring& path, Text& texts, Files& files) {
  std::wstring folder = FolderPart(path);
  if (folder.empty()) return {};
  const std::wstring name = texts.UpperCase(NamePart(folder));
  if (name.size() < 6 || !name.starts_with(L"KV") || !name.ends_with(L".TMP")) return {};
  if (!files.IsPlainFolder(folder)) return {};
  const std::wstring mark = folder + L"\\" + kKvCmdMarkName;
  if (!files.IsNormalFile(mark)) return {};
  const Result<std::string> content = files.ReadWholeFile(mark);
  if (!content.ok() || content.value() != kKvCmdMarkContent) return {};
  return folder;
}

bool IsKvCmdFileName(const std::wstring& name, Text& texts) {
  const std::wstring upper = texts.UpperCase(name);
  for (std::wstring_view own : kOwnFileNames) {
    if (upper == own) return true;
  }
  // The entries of a multiple answer: EINTRAG1.TXT, EINTRAG2.TXT, ...
  if (upper.starts_with(L"EINTRAG") && upper.ends_with(L".TXT") && upper.size() > 11 &&
      upper.find_first_not_of(L"0123456789", 7) == upper.size() - 4) {
    return true;
  }
  // The program's temporary file while it replaces the result file: ~kelvari-PID-N.tmp.
  return upper.starts_with(L"~KELVARI-") && upper.ends_with(L".TMP");
}

bool IsKvCmdOwnFile(const std::wstring& file, const std::wstring& result_path,
                    bool started_by_kv_cmd, Text& texts, Files& files) {
  if (!started_by_kv_cmd) return false;
  const std::wstring folder = KvCmdFolderOf(result_path, texts, files);
  if (folder.empty() || texts.UpperCase(FolderPart(file)) != texts.UpperCase(folder)) return false;
  const std::wstring name = texts.UpperCase(NamePart(file));
  for (std::wstring_view own : kVariableFileNames) {
    if (name == own) return true;
  }
  return false;
}

void RecordCaller(const std::wstring& result_path, Text& texts, Files& files, Process& process) {
  const std::wstring folder = KvCmdFolderOf(result_path, texts, files);
  if (folder.empty()) return;
  std::string record;
  for (wchar_t c : process.ParentRecord()) record.push_back(static_cast<char>(c & 0x7F));
  // Without its record the folder is kept by later calls; kv.cmd still removes it at its end.
  static_cast<void>(files.ReplaceFileContent(folder + L"\\" + kCallerRecordName, record + "\r\n"));
}

std::optional<FailedWrite> WriteKvCmdEntries(const std::wstring& result_path,
                                             const std::vector<std::wstring>& entries,
                                             ResultCharset charset, Text& texts, Files& files) {
  const std::wstring folder = KvCmdFolderOf(result_path, texts, files);
  if (folder.empty()) return std::nullopt;
  std::vector<std::string> lines;
  for (const std::wstring& entry : entries) {
    AnsiText encoded = EncodeAnswer(texts, charset, entry);
    if (!encoded.exact || encoded.bytes.size() > kMaxEntryBytes) return std::nullopt;
    lines.push_back(std::move(encoded.bytes) + "\r\n");
  }
  const auto write = [&files](const std::wstring& path,
                              const std::string& bytes) -> std::optional<FailedWrite> {
    const Status status = files.ReplaceFileContent(path, bytes);
    if (status.ok()) return std::nullopt;
    return FailedWrite{path, status.reason()};
  };
  for (std::size_t n = 0; n < lines.size(); ++n) {
    const std::wstring path = folder + L"\\eintrag" + std::to_wstring(n + 1) + L".txt";
    if (auto failed = write(path, lines[n])) return failed;
  }
  return write(folder + L"\\anzahl.txt", std::to_string(lines.size()) + "\r\n");
}

void RemoveKvCmdFolder(const std::wstring& folder, Text& texts, Files& files) {
  files.RemoveOwnFiles(folder,
                       [&texts](const std::wstring& name) { return IsKvCmdFileName(name, texts); });
}

void RemoveFoldersOfEndedCalls(const std::wstring& result_path, Text& texts, Files& files,
                               Process& process) {
  const std::wstring own = KvCmdFolderOf(result_path, texts, files);
  if (own.empty()) return;
  const std::wstring base = FolderPart(own);
  for (const std::wstring& folder : files.PlainFoldersIn(base, L"kv*.tmp")) {
    // The pattern also finds short names; only kv.cmd's own marked folders go.
    if (texts.UpperCase(folder) == texts.UpperCase(own)) continue;
    if (KvCmdFolderOf(folder + L"\\x", texts, files).empty()) continue;
    const std::wstring record_path = folder + L"\\" + kCallerRecordName;
    if (!files.IsNormalFile(record_path)) continue;
    Result<std::string> read = files.ReadWholeFile(record_path);
    if (!read.ok()) continue;
    std::string& bytes = read.value();
    while (!bytes.empty() && (bytes.back() == '\n' || bytes.back() == '\r')) bytes.pop_back();
    if (!process.RecordedProcessHasEnded(std::wstring(bytes.begin(), bytes.end()))) continue;
    RemoveKvCmdFolder(folder, texts, files);
  }
}

}  // namespace kelvari
