// The windows of a long job (the progress window, the notice) live in a copy of the program of
// their own, so that the call that opens one returns at once. The call starts that copy with a
// private command line (a marker no batch file passes, and the name of an event that only the
// starting call made), and the copy signals the event once its window stands.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "core/long_job_requests.h"

namespace kelvari {

// The window class of the notices, by which a new notice finds the ones that stand.
inline constexpr wchar_t kNoticeClass[] = L"KelvariNotice";

// The progress window of a batch file is reached through kernel objects named after the
// process id of the batch file's cmd (so an update needs no window library and each batch file
// reaches only its own): a shared block, a mutex that guards it, and an event that tells the
// window to read it.
struct ProgressBlock {
  enum State : LONG { kStands = 0, kCancelled = 1, kEnded = 2 };
  LONG state = kStands;
  DWORD window_process = 0;  // the process that shows the window
  LONG percent = 0;
  LONG has_text = 0;  // the text below is new
  LONG text_length = 0;
  wchar_t text[8194] = {};  // 8,192 characters and the "…" of a longer text
};
// The names of the block, its mutex and its event for `owner` (the cmd's process id).
std::wstring ProgressObjectName(DWORD owner, const wchar_t* what);

// When this process was started to show a window of a long job: shows it until it closes and
// returns the exit code of the process. nullopt for every other command line.
std::optional<int> ServeJobWindowIfAsked();

// Shows the progress window that `owner` owns and serves it until it ends: by PROGRESS ENDE,
// by an update after the user cancelled it, or when `owner` ends. Signals `ready` once the
// window stands. Returns the exit code of the process.
int RunProgressWindow(const ProgressWindowRequest& request, HANDLE owner, DWORD owner_id,
                      HANDLE ready);

// Shows the notice until its seconds have passed or it is clicked. Signals `ready` once it
// stands. Returns the exit code of the process.
int RunNoticeWindow(const NoticeRequest& request, HANDLE ready);

}  // namespace kelvari
