// The folders kv.cmd makes for its calls ("kv" ... ".tmp" beside each other): kv.cmd reads
// the answer from its folder the moment the program has ended, and removes the folder. What a
// call leaves when its batch file has ended meanwhile is removed by a later call.
#pragma once

#include <string>

namespace kelvari {

class TextsAndFiles;

// The folder of `path` when it is one that kv.cmd makes ("kv" ... ".tmp", any case); empty
// otherwise.
std::wstring KvCmdFolderOf(const std::wstring& path, TextsAndFiles& files);

// Removes the folders beside the kv.cmd folder of `result_path` whose answer nobody read
// within kAbandonedAnswerSeconds; does nothing when `result_path` lies in no such folder.
void RemoveAbandonedAnswers(const std::wstring& result_path, TextsAndFiles& files);

// kv.cmd reads its answer the moment the program has ended. An answer older than this was
// left by a call whose batch file ended meanwhile (Ctrl+C answered with J).
inline constexpr int kAbandonedAnswerSeconds = 120;

}  // namespace kelvari
