// Win32System: the progress window and the notice, each shown by a copy of the program that
// runs on its own; and that copy's side: reading its private command line.
#include <windows.h>

#include <cstring>
#include <cwchar>
#include <string>
#include <vector>

#include "core/outcome.h"
#include "core/word_splitter.h"
#include "win32/job_window_win32.h"
#include "win32/parent_process_win32.h"
#include "win32/progress_channel_win32.h"
#include "win32/system_error_text_win32.h"
#include "win32/system_win32.h"
#include "win32/unique_handle_win32.h"

namespace kelvari {
namespace {

// Starts the private command line. A batch file cannot pass a control character such as this
// as a word, and the event named after it must have been made by the starting call.
constexpr wchar_t kMarker[] = L"\x01kelvari-window";
constexpr wchar_t kProgressKind = L'P';
constexpr wchar_t kNoticeKind = L'N';
// How long a starting call waits for the window to stand.
constexpr DWORD kReadyMilliseconds = 30000;
// How long a new progress window waits for the old one of its batch file to go.
constexpr DWORD kAnswerMilliseconds = 5000;

// A window cannot show more than a screenful anyway: longer texts end in "…".
std::wstring Shortened(const std::wstring& text, std::size_t limit) {
  if (text.size() <= limit) return text;
  return text.substr(0, limit) + L"\u2026";
}

std::wstring SystemFolder() {
  wchar_t folder[MAX_PATH + 1] = {};
  const UINT n = ::GetSystemDirectoryW(folder, MAX_PATH);
  return n > 0 && n < MAX_PATH ? std::wstring(folder, n) : std::wstring();
}

// The fields of a private command line after the event's name: the kind, three numbers, and the
// title and the text, the title's length first.
std::wstring Fields(wchar_t kind, unsigned long a, unsigned long b, unsigned long c,
                    const std::wstring& title, const std::wstring& text) {
  const std::wstring shown_title = Shortened(title, 512);
  return std::wstring(1, kind) + L" " + std::to_wstring(a) + L" " + std::to_wstring(b) + L" " +
         std::to_wstring(c) + L" " + std::to_wstring(shown_title.size()) + L":" + shown_title +
         Shortened(text, 8192);
}

// Starts a copy of the program (`module`) with `fields`, detached and without inherited
// handles, in the system folder (so that it holds no folder of the batch file), and waits until
// its window stands.
Status StartWindowProcess(const std::wstring& module, const std::wstring& fields) {
  static unsigned counter = 0;
  const std::wstring event_name =
      L"Local\\kelvari-window-" + std::to_wstring(::GetCurrentProcessId()) + L"-" +
      std::to_wstring(::GetTickCount64()) + L"-" + std::to_wstring(++counter);
  const UniqueKernelHandle ready(::CreateEventW(nullptr, TRUE, FALSE, event_name.c_str()));
  if (!ready) return Failure{SystemErrorText(::GetLastError())};
  std::wstring command_line = L"\"" + module + L"\" " + kMarker + L" " + event_name + L" " + fields;
  const std::wstring folder = SystemFolder();
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  if (!::CreateProcessW(module.c_str(), command_line.data(), nullptr, nullptr,
                        /*bInheritHandles=*/FALSE, DETACHED_PROCESS, nullptr,
                        folder.empty() ? nullptr : folder.c_str(), &startup, &started)) {
    return Failure{SystemErrorText(::GetLastError())};
  }
  const UniqueKernelHandle process(started.hProcess);
  const UniqueKernelHandle thread(started.hThread);
  const HANDLE waits[] = {ready.get(), process.get()};
  switch (::WaitForMultipleObjects(2, waits, FALSE, kReadyMilliseconds)) {
    case WAIT_OBJECT_0:
      return Done{};
    case WAIT_OBJECT_0 + 1:
      return Failure{L"Das Fenster konnte nicht ge\u00F6ffnet werden (kein Desktop?)."};
    default:
      return Failure{L"Das Fenster ist nicht rechtzeitig erschienen."};
  }
}

// The id of the process that started this one (the batch file's cmd), asked of ntdll, which
// every process has loaded: cheaper than a snapshot of all processes on every update.
std::optional<DWORD> CallerId() {
  struct BasicInformation {
    LONG_PTR exit_status;
    void* peb;
    ULONG_PTR affinity;
    LONG_PTR base_priority;
    ULONG_PTR id;
    ULONG_PTR parent_id;
  };
  using Query = LONG(WINAPI*)(HANDLE, ULONG, void*, ULONG, ULONG*);
  const FARPROC found =
      ::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationProcess");
  Query query = nullptr;
  static_assert(sizeof query == sizeof found);
  std::memcpy(&query, &found, sizeof query);
  BasicInformation info{};
  if (query && query(::GetCurrentProcess(), /*ProcessBasicInformation=*/0, &info, sizeof info,
                     nullptr) >= 0) {
    return static_cast<DWORD>(info.parent_id);
  }
  return ParentId();
}

// Ends the progress window of `owner`: marks the block ended and wakes the window. The state
// the block had before.
ProgressWindowState EndProgressWindow(ProgressChannel& channel) {
  const ProgressChannel::Lock lock(channel);
  if (!lock.held()) return ProgressWindowState::kNone;
  ProgressBlock& block = channel.block();
  const LONG before = block.state;
  block.state = ProgressBlock::kEnded;
  channel.Wake();
  if (before == ProgressBlock::kCancelled) return ProgressWindowState::kCancelled;
  return before == ProgressBlock::kStands ? ProgressWindowState::kStands
                                          : ProgressWindowState::kNone;
}

// Reads an unsigned number and the blank after it from `text` at `at`.
bool ReadNumber(const std::wstring& text, std::size_t& at, unsigned long& value,
                wchar_t end = L' ') {
  const std::size_t stop = text.find(end, at);
  if (stop == std::wstring::npos || stop == at || stop - at > 10) return false;
  value = 0;
  for (std::size_t i = at; i < stop; ++i) {
    if (text[i] < L'0' || text[i] > L'9') return false;
    value = value * 10 + static_cast<unsigned long>(text[i] - L'0');
  }
  at = stop + 1;
  return true;
}

// The notice's icon as it crosses to the window's process: the number of its MessageIcon; a
// number beyond them shows none.
MessageIcon NoticeIconOf(unsigned long number) {
  for (const MessageIcon icon : {MessageIcon::kStop, MessageIcon::kQuestion, MessageIcon::kWarning,
                                 MessageIcon::kInformation}) {
    if (number == static_cast<unsigned long>(icon)) return icon;
  }
  return MessageIcon::kNone;
}

}  // namespace

Status Win32System::OpenProgressWindow(const ProgressWindowRequest& request) {
  const std::optional<DWORD> owner = CallerId();
  if (!owner) return Failure{L"Der aufrufende Prozess wurde nicht gefunden."};
  // One progress window per batch file: a new one takes the place of the old, once that is
  // gone.
  if (const auto old = ProgressChannel::Of(*owner, /*create=*/false)) {
    const DWORD old_process = old->block().window_process;
    EndProgressWindow(*old);
    const UniqueKernelHandle process(::OpenProcess(SYNCHRONIZE, FALSE, old_process));
    if (process) ::WaitForSingleObject(process.get(), kAnswerMilliseconds);
  }
  return StartWindowProcess(ModulePath(), Fields(kProgressKind, *owner, request.cancel_button,
                                                 request.running, request.title, request.text));
}

ProgressWindowState Win32System::UpdateProgressWindow(int percent,
                                                      const std::optional<std::wstring>& text) {
  const std::optional<DWORD> owner = CallerId();
  const auto channel = owner ? ProgressChannel::Of(*owner, /*create=*/false) : nullptr;
  if (!channel) return ProgressWindowState::kNone;
  const ProgressChannel::Lock lock(*channel);
  if (!lock.held()) return ProgressWindowState::kNone;
  ProgressBlock& block = channel->block();
  if (block.state == ProgressBlock::kCancelled) {
    // The user's cancel is told once; the window's process ends with it.
    block.state = ProgressBlock::kEnded;
    channel->Wake();
    return ProgressWindowState::kCancelled;
  }
  if (block.state != ProgressBlock::kStands) return ProgressWindowState::kNone;
  block.percent = percent;
  if (text) {
    const std::wstring shown = Shortened(*text, 8192);
    block.text_length = static_cast<LONG>(shown.size());
    std::memcpy(block.text, shown.data(), shown.size() * sizeof(wchar_t));
    block.has_text = 1;
  }
  channel->Wake();
  return ProgressWindowState::kStands;
}

ProgressWindowState Win32System::CloseProgressWindow() {
  const std::optional<DWORD> owner = CallerId();
  const auto channel = owner ? ProgressChannel::Of(*owner, /*create=*/false) : nullptr;
  if (!channel) return ProgressWindowState::kNone;
  return EndProgressWindow(*channel);
}

Status Win32System::ShowNotice(const NoticeRequest& request) {
  return StartWindowProcess(
      ModulePath(),
      Fields(kNoticeKind, static_cast<unsigned long>(request.icon),
             static_cast<unsigned long>(request.seconds), 0, request.title, request.text));
}

std::optional<int> ServeJobWindowIfAsked() {
  const std::wstring args = ArgumentTextOf(::GetCommandLineW());
  const std::wstring marker = std::wstring(kMarker) + L" ";
  if (args.compare(0, marker.size(), marker) != 0) return std::nullopt;
  std::size_t at = marker.size();
  const std::size_t name_end = args.find(L' ', at);
  if (name_end == std::wstring::npos) return std::nullopt;
  const std::wstring event_name = args.substr(at, name_end - at);
  at = name_end + 1;
  if (at + 2 > args.size() || args[at + 1] != L' ') return std::nullopt;
  const wchar_t kind = args[at];
  at += 2;
  unsigned long a = 0, b = 0, c = 0, title_length = 0;
  if (!ReadNumber(args, at, a) || !ReadNumber(args, at, b) || !ReadNumber(args, at, c) ||
      !ReadNumber(args, at, title_length, L':') || title_length > args.size() - at) {
    return std::nullopt;
  }
  // Only a starting call made the event: without it, this is no private command line.
  const UniqueKernelHandle ready(::OpenEventW(EVENT_MODIFY_STATE, FALSE, event_name.c_str()));
  if (!ready) return std::nullopt;
  const std::wstring title = args.substr(at, title_length);
  const std::wstring text = args.substr(at + title_length);

  if (kind == kProgressKind) {
    const UniqueKernelHandle owner(::OpenProcess(SYNCHRONIZE, FALSE, static_cast<DWORD>(a)));
    if (!owner) return kExitFailed;
    ProgressWindowRequest request;
    request.title = title;
    request.text = text;
    request.cancel_button = b != 0;
    request.running = c != 0;
    return RunProgressWindow(request, owner.get(), static_cast<DWORD>(a), ready.get());
  }
  if (kind == kNoticeKind) {
    NoticeRequest request;
    request.title = title;
    request.text = text;
    request.icon = NoticeIconOf(a);
    request.seconds = static_cast<int>(b);
    return RunNoticeWindow(request, ready.get());
  }
  return std::nullopt;
}

}  // namespace kelvari
