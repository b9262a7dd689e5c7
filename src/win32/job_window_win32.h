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

// The window class of the progress windows' message-only windows; each is named after the
// process id of the batch file's cmd that owns it (see ProgressWindowName).
inline constexpr wchar_t kProgressOwnerClass[] = L"KelvariProgressOwner";
// The window class of the notices, by which a new notice finds the ones that stand.
inline constexpr wchar_t kNoticeClass[] = L"KelvariNotice";

// The name of the message-only window of the progress window that `owner` owns.
std::wstring ProgressWindowName(DWORD owner);

// WM_COPYDATA to a progress window: dwData holds the percentage in its low 16 bits and the
// flags below; lpData the new text (UTF-16, without NUL) when kProgressHasText is set.
inline constexpr ULONG_PTR kProgressHasText = 0x10000;
inline constexpr ULONG_PTR kProgressEnd = 0x20000;
// Its answers.
inline constexpr LRESULT kProgressAnswerStands = 1;
inline constexpr LRESULT kProgressAnswerCancelled = 2;

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
