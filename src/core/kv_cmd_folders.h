// The folders kv.cmd makes for its calls ("kv" ... ".tmp" beside each other, each marked by a
// file kv.cmd writes first): kv.cmd reads the answer from its folder the moment the program
// has ended, and removes the folder. The program records in the folder which cmd waits for
// it; a folder whose cmd has ended (killed, its console closed, Ctrl+C answered with J) is
// removed by a later call. Only marked folders are touched, never through a link, and in them
// only the files kv.cmd and the program write there.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/settings.h"

namespace kelvari {

class Files;
class Process;
class Text;

// The mark kv.cmd writes into each of its folders, and its exact content.
inline constexpr wchar_t kKvCmdMarkName[] = L"kvcmd.txt";
inline constexpr char kKvCmdMarkContent[] = "kv.cmd\r\n";
// The file in which the program names the cmd that waits for the folder's answer.
inline constexpr wchar_t kCallerRecordName[] = L"aufrufer.txt";

// The folder of `path` when it is one that kv.cmd made: named "kv" ... ".tmp" (any case), a
// folder of its own (no link) and marked by kv.cmd; empty otherwise.
std::wstring KvCmdFolderOf(const std::wstring& path, Text& texts, Files& files);

// True for the name of a file that kv.cmd or the program writes into a kv.cmd folder (any
// case): only these are removed with the folder.
bool IsKvCmdFileName(const std::wstring& name, Text& texts);

// True when `file` is one that kv.cmd wrote itself for this call (its parameter or list file in
// the kv.cmd folder of `result_path`) in a call that kv.cmd made: only such a file may name
// environment variables as its lines.
bool IsKvCmdOwnFile(const std::wstring& file, const std::wstring& result_path,
                    bool started_by_kv_cmd, Text& texts, Files& files);

// Records the watched cmd in the kv.cmd folder of `result_path`; nothing when the result file
// lies in no such folder.
void RecordCaller(const std::wstring& result_path, Text& texts, Files& files, Process& process);

// The entries of a multiple answer for kv.cmd, which puts them into KVCOUNT and KVRESULT_1 ...:
// beside the result file, each entry in a file of its own (eintrag1.txt, ...) as one line in
// `charset` (as the answer is), then their number in anzahl.txt. Nothing is written when the
// result file lies in no kv.cmd folder, or when an entry is longer than cmd's set /p takes
// (kv.cmd then sets no KVCOUNT). The file that could not be written, and why; nullopt else.
struct FailedWrite {
  std::wstring path;
  std::wstring reason;
};
std::optional<FailedWrite> WriteKvCmdEntries(const std::wstring& result_path,
                                             const std::vector<std::wstring>& entries,
                                             ResultCharset charset, Text& texts, Files& files);

// Removes the kv.cmd folder `folder`: the files kv.cmd and the program write, then the folder.
void RemoveKvCmdFolder(const std::wstring& folder, Text& texts, Files& files);

// Removes the kv.cmd folders beside the one of `result_path` whose cmd has ended; does nothing
// when `result_path` lies in no kv.cmd folder. A folder without a record of its cmd (the
// program has not started in it yet) stays.
void RemoveFoldersOfEndedCalls(const std::wstring& result_path, Text& texts, Files& files,
                               Process& process);

}  // namespace kelvari
