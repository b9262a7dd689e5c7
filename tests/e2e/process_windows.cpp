#include "process_windows.h"

// tlhelp32.h needs the types of windows.h.
#include <tlhelp32.h>

#include <algorithm>
#include <chrono>
#include <thread>

#include "driver.h"

namespace kvtest {
namespace {

std::vector<DWORD> ProcessesOf(const std::wstring& image) {
  std::vector<DWORD> pids;
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return pids;
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32FirstW(snapshot, &entry); more;
       more = Process32NextW(snapshot, &entry)) {
    if (_wcsicmp(entry.szExeFile, image.c_str()) == 0) pids.push_back(entry.th32ProcessID);
  }
  CloseHandle(snapshot);
  return pids;
}

}  // namespace

int CountProcesses(const std::wstring& image) {
  return static_cast<int>(ProcessesOf(image).size());
}

std::vector<HWND> WindowsOfImage(const std::wstring& image) {
  struct Search {
    std::vector<DWORD> pids;
    std::vector<HWND> found;
  } search{ProcessesOf(image), {}};
  EnumWindows(
      [](HWND w, LPARAM p) -> BOOL {
        auto* s = reinterpret_cast<Search*>(p);
        DWORD pid = 0;
        GetWindowThreadProcessId(w, &pid);
        if (IsWindowVisible(w) && std::find(s->pids.begin(), s->pids.end(), pid) != s->pids.end()) {
          s->found.push_back(w);
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND WaitForWindowOfImage(const std::wstring& image, const std::wstring& title, int timeout_ms) {
  const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout_ms);
  while (std::chrono::steady_clock::now() < until) {
    for (HWND w : WindowsOfImage(image)) {
      if (Text(w) != title) continue;
      DWORD_PTR ignored;
      SendMessageTimeoutW(w, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &ignored);
      return w;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return nullptr;
}

}  // namespace kvtest
