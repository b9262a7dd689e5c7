// The benchmark: kelvari.exe against minimal programs under the same system, measured in one
// run and printed as ratios.
//
//   kelvari_bench.exe KELVARI_EXE MIN_MSGBOX_EXE MIN_WRITER_EXE WORK_FOLDER [ROUNDS]
//                     [CHECKDRIVE_CALLS] [KV_CMD]
#include <windows.h>
// psapi.h needs the types of windows.h.
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

double Now() {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return static_cast<double>(t.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

struct Started {
  PROCESS_INFORMATION pi{};
  double start = 0;
};

Started Start(const std::wstring& command_line, const std::wstring& dir) {
  Started s;
  STARTUPINFOW si{};
  si.cb = sizeof si;
  std::wstring cmd = command_line;
  s.start = Now();
  if (!CreateProcessW(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, dir.c_str(), &si,
                      &s.pi)) {
    std::fprintf(stderr, "cannot start: %lu\n", GetLastError());
    std::exit(2);
  }
  return s;
}

void Finish(Started& s) {
  if (WaitForSingleObject(s.pi.hProcess, 10000) != WAIT_OBJECT_0)
    TerminateProcess(s.pi.hProcess, 9);
  CloseHandle(s.pi.hThread);
  CloseHandle(s.pi.hProcess);
}

// The first visible top-level window of process `pid`, or nullptr.
HWND VisibleWindowOf(DWORD pid) {
  struct Search {
    DWORD pid;
    HWND found;
  } search{pid, nullptr};
  EnumWindows(
      [](HWND w, LPARAM p) -> BOOL {
        auto* s = reinterpret_cast<Search*>(p);
        DWORD owner = 0;
        GetWindowThreadProcessId(w, &owner);
        if (owner == s->pid && IsWindowVisible(w)) {
          s->found = w;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

struct DialogTiming {
  double to_visible_ms;
  double to_idle_ms;
  SIZE_T peak_bytes;
};

// Starts a program that shows a window, waits until it is visible and then until its thread
// is idle, notes the peak memory, and closes the window.
DialogTiming TimeDialog(const std::wstring& command_line, const std::wstring& dir) {
  Started s = Start(command_line, dir);
  HWND w = nullptr;
  while (!(w = VisibleWindowOf(s.pi.dwProcessId))) {
    if (WaitForSingleObject(s.pi.hProcess, 0) != WAIT_TIMEOUT || Now() - s.start > 30000) break;
    Sleep(1);
  }
  DialogTiming t{Now() - s.start, 0, 0};
  if (w) {
    WaitForInputIdle(s.pi.hProcess, 30000);
    DWORD_PTR ignored;
    SendMessageTimeoutW(w, WM_NULL, 0, 0, SMTO_NORMAL, 30000, &ignored);
    t.to_idle_ms = Now() - s.start;
    PROCESS_MEMORY_COUNTERS pmc{};
    pmc.cb = sizeof pmc;
    if (GetProcessMemoryInfo(s.pi.hProcess, &pmc, sizeof pmc))
      t.peak_bytes = pmc.PeakWorkingSetSize;
    PostMessageW(w, WM_CLOSE, 0, 0);
    // A message box closes with its only button; the list dialog with its close box.
    if (WaitForSingleObject(s.pi.hProcess, 3000) == WAIT_TIMEOUT) {
      PostMessageW(w, WM_COMMAND, IDOK, 0);
    }
  }
  Finish(s);
  return t;
}

double TimeRun(const std::wstring& command_line, const std::wstring& dir) {
  Started s = Start(command_line, dir);
  if (WaitForSingleObject(s.pi.hProcess, 5000) != WAIT_OBJECT_0) {
    std::printf("a run without a window did not end within 5 s: %ls\n", command_line.c_str());
    TerminateProcess(s.pi.hProcess, 9);
  }
  const double ms = Now() - s.start;
  Finish(s);
  return ms;
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0 : v[v.size() / 2];
}

void Write(const std::wstring& path, const std::string& bytes) {
  std::ofstream(std::filesystem::path(path), std::ios::binary) << bytes;
}

struct BatchRun {
  double ms;
  DWORD processes;  // every process of the run, cmd.exe included
};

// Runs `batch` with cmd.exe in a console of its own, as a batch file runs in a console
// window, and counts the processes it starts with a job object.
BatchRun TimeBatch(const std::wstring& batch, const std::wstring& dir) {
  HANDLE job = CreateJobObjectW(nullptr, nullptr);
  STARTUPINFOW si{};
  si.cb = sizeof si;
  si.dwFlags = STARTF_USESHOWWINDOW;
  si.wShowWindow = SW_SHOWMINNOACTIVE;
  PROCESS_INFORMATION pi{};
  std::wstring cmd = L"C:\\windows\\system32\\cmd.exe /c \"" + batch + L"\"";
  const double start = Now();
  if (!CreateProcessW(nullptr, cmd.data(), nullptr, nullptr, FALSE,
                      CREATE_NEW_CONSOLE | CREATE_SUSPENDED, nullptr, dir.c_str(), &si, &pi)) {
    std::fprintf(stderr, "cannot start cmd.exe: %lu\n", GetLastError());
    std::exit(2);
  }
  AssignProcessToJobObject(job, pi.hProcess);
  ResumeThread(pi.hThread);
  if (WaitForSingleObject(pi.hProcess, 300000) != WAIT_OBJECT_0) {
    std::printf("a batch run did not end within 300 s: %ls\n", batch.c_str());
    TerminateJobObject(job, 9);
  }
  BatchRun run{Now() - start, 0};
  JOBOBJECT_BASIC_ACCOUNTING_INFORMATION info{};
  if (QueryInformationJobObject(job, JobObjectBasicAccountingInformation, &info, sizeof info,
                                nullptr))
    run.processes = info.TotalProcesses;
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  CloseHandle(job);
  return run;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 5) {
    std::fprintf(stderr,
                 "usage: kelvari_bench KELVARI MIN_MSGBOX MIN_WRITER WORK_FOLDER [ROUNDS]\n");
    return 2;
  }
  const std::wstring kelvari = L"\"" + std::wstring(argv[1]) + L"\"";
  const std::wstring msgbox = L"\"" + std::wstring(argv[2]) + L"\"";
  const std::wstring writer = L"\"" + std::wstring(argv[3]) + L"\"";
  const std::wstring dir = argv[4];
  const int rounds = argc > 5 ? _wtoi(argv[5]) : 20;
  std::setvbuf(stdout, nullptr, _IONBF, 0);
  CreateDirectoryW(dir.c_str(), nullptr);
  Write(dir + L"\\p.txt", "Titel\r\n\r\nText\r\n");

  // 1. Start to first dialog visible, interleaved: kelvari, the minimal program, and kelvari
  // with a countdown (KVTIMEOUT, inherited by the child).
  std::vector<double> kv_box, min_box, kv_timeout_box;
  SIZE_T box_peak = 0;
  for (int i = 0; i < rounds; ++i) {
    Sleep(50);
    const DialogTiming k = TimeDialog(kelvari + L" erg.txt MESSAGEBOX p.txt", dir);
    kv_box.push_back(k.to_visible_ms);
    box_peak = std::max(box_peak, k.peak_bytes);
    Sleep(50);
    min_box.push_back(TimeDialog(msgbox, dir).to_visible_ms);
    Sleep(50);
    SetEnvironmentVariableW(L"KVTIMEOUT", L"30");
    kv_timeout_box.push_back(TimeDialog(kelvari + L" erg.txt MESSAGEBOX p.txt", dir).to_visible_ms);
    SetEnvironmentVariableW(L"KVTIMEOUT", nullptr);
  }
  std::printf("message box visible: kelvari %.1f ms, minimal program %.1f ms, ratio %.2f\n",
              Median(kv_box), Median(min_box), Median(kv_box) / Median(min_box));
  std::printf("message box visible with KVTIMEOUT=30: kelvari %.1f ms, ratio to without %.2f\n",
              Median(kv_timeout_box), Median(kv_timeout_box) / Median(kv_box));
  std::printf("peak working set with the message box: %.1f MB\n",
              static_cast<double>(box_peak) / 1048576.0);

  // 2. CHECKDRIVE without a window against a program that writes one line.
  std::vector<double> kv_check, min_write;
  const int checks = argc > 6 ? _wtoi(argv[6]) : 500;
  for (int i = 0; i < checks; ++i) {
    Sleep(40);
    kv_check.push_back(TimeRun(kelvari + L" erg.txt CHECKDRIVE C:", dir));
    Sleep(40);
    min_write.push_back(TimeRun(writer + L" erg2.txt", dir));
  }
  std::printf("CHECKDRIVE x%d: kelvari %.1f ms, minimal writer %.1f ms (medians), ratio %.2f\n",
              checks, Median(kv_check), Median(min_write), Median(kv_check) / Median(min_write));

  // 3. A list of 32,767 entries until the dialog is visible and idle, against an empty list.
  std::string big;
  for (int i = 1; i <= 32767; ++i) big += "Eintrag " + std::to_string(i) + "\r\n";
  Write(dir + L"\\gross.txt", big);
  Write(dir + L"\\leer.txt", "");
  Write(dir + L"\\lg.txt", "Auswahl\r\ngross.txt\r\n\r\nBitte w\xE4hlen:\r\n");
  Write(dir + L"\\le.txt", "Auswahl\r\nleer.txt\r\n\r\nBitte w\xE4hlen:\r\n");
  std::vector<double> big_idle, empty_idle;
  SIZE_T list_peak = 0;
  for (int i = 0; i < std::max(3, rounds / 4); ++i) {
    Sleep(50);
    const DialogTiming b = TimeDialog(kelvari + L" erg.txt LISTBOX lg.txt", dir);
    big_idle.push_back(b.to_idle_ms);
    list_peak = std::max(list_peak, b.peak_bytes);
    Sleep(50);
    empty_idle.push_back(TimeDialog(kelvari + L" erg.txt LISTBOX le.txt", dir).to_idle_ms);
  }
  std::printf(
      "list dialog visible and idle: 32767 entries %.1f ms, empty list %.1f ms, ratio %.2f\n",
      Median(big_idle), Median(empty_idle), Median(big_idle) / Median(empty_idle));
  std::printf("peak working set with 32767 entries: %.1f MB\n",
              static_cast<double>(list_peak) / 1048576.0);

  // 4. kv.cmd against a direct call, each batch file in a console of its own: N times
  // CHECKDRIVE through kv.cmd, N times kelvari.exe directly with the answer read by set /p,
  // and the same loop doing nothing (cmd's own start), interleaved.
  if (argc > 7) {
    const std::wstring kit = dir + L"\\kit";
    CreateDirectoryW(kit.c_str(), nullptr);
    CopyFileW(argv[1], (kit + L"\\kelvari.exe").c_str(), FALSE);
    CopyFileW(argv[7], (kit + L"\\kv.cmd").c_str(), FALSE);
    const int calls = 10;
    const std::string loop = "@echo off\r\nfor /l %%i in (1,1," + std::to_string(calls) + ") do ";
    Write(dir + L"\\kvloop.cmd", loop + "call kit\\kv.cmd CHECKDRIVE C:\r\n");
    Write(dir + L"\\direct.cmd",
          loop + "(\r\n  kit\\kelvari.exe erg.txt CHECKDRIVE C:\r\n  set /p R=<erg.txt\r\n)\r\n");
    Write(dir + L"\\empty.cmd", loop + "rem\r\n");
    std::vector<double> kv_ms, direct_ms, empty_ms;
    DWORD kv_processes = 0;
    for (int i = 0; i < std::max(3, rounds / 4); ++i) {
      Sleep(50);
      const BatchRun kv = TimeBatch(dir + L"\\kvloop.cmd", dir);
      kv_ms.push_back(kv.ms);
      kv_processes = kv.processes;
      Sleep(50);
      direct_ms.push_back(TimeBatch(dir + L"\\direct.cmd", dir).ms);
      Sleep(50);
      empty_ms.push_back(TimeBatch(dir + L"\\empty.cmd", dir).ms);
    }
    const double base = Median(empty_ms);
    const double kv_call = (Median(kv_ms) - base) / calls;
    const double direct_call = (Median(direct_ms) - base) / calls;
    std::printf(
        "CHECKDRIVE in a console, per call: kv.cmd %.1f ms, direct with set /p %.1f ms, ratio "
        "%.2f; processes per kv.cmd call: %.1f (kelvari.exe included)\n",
        kv_call, direct_call, kv_call / direct_call, static_cast<double>(kv_processes - 1) / calls);

    // 5. One update of a progress window (PROGRESS) against a direct CHECKDRIVE call: each loop
    // runs between the opening and the closing of the window, which a batch file of its own
    // times alone.
    const std::string open =
        "@echo off\r\ncall kit\\kv.cmd PROGRESSBOX /T \"Messung\" \"\" \"x\"\r\n";
    const std::string close = "call kit\\kv.cmd PROGRESS ENDE\r\n";
    const std::string each = "for /l %%i in (1,1," + std::to_string(calls) + ") do ";
    Write(dir + L"\\checkdrive.cmd", loop + "kit\\kelvari.exe erg.txt CHECKDRIVE C:\r\n");
    Write(dir + L"\\open_close.cmd", open + close);
    Write(dir + L"\\progress_direct.cmd",
          open + each + "kit\\kelvari.exe NUL PROGRESS %%i\r\n" + close);
    Write(dir + L"\\progress_kv.cmd", open + each + "call kit\\kv.cmd PROGRESS %%i\r\n" + close);
    Write(dir + L"\\progress_kv_text.cmd",
          open + each + "call kit\\kv.cmd PROGRESS %%i /T \"Datei %%i\"\r\n" + close);
    std::vector<double> check_ms, open_ms, direct_update_ms, kv_update_ms, kv_text_ms;
    for (int i = 0; i < std::max(3, rounds / 4); ++i) {
      check_ms.push_back(TimeBatch(dir + L"\\checkdrive.cmd", dir).ms);
      open_ms.push_back(TimeBatch(dir + L"\\open_close.cmd", dir).ms);
      direct_update_ms.push_back(TimeBatch(dir + L"\\progress_direct.cmd", dir).ms);
      kv_update_ms.push_back(TimeBatch(dir + L"\\progress_kv.cmd", dir).ms);
      kv_text_ms.push_back(TimeBatch(dir + L"\\progress_kv_text.cmd", dir).ms);
    }
    const double check_call = (Median(check_ms) - base) / calls;
    const double opened = Median(open_ms);
    const double direct_update = (Median(direct_update_ms) - opened) / calls;
    const double kv_update = (Median(kv_update_ms) - opened) / calls;
    const double kv_text_update = (Median(kv_text_ms) - opened) / calls;
    std::printf(
        "PROGRESS in a console, per update: direct %.1f ms, kv.cmd %.1f ms, kv.cmd with /T %.1f "
        "ms; direct CHECKDRIVE %.1f ms; ratios to it %.2f, %.2f, %.2f\n",
        direct_update, kv_update, kv_text_update, check_call, direct_update / check_call,
        kv_update / check_call, kv_text_update / check_call);
  }
  return 0;
}
