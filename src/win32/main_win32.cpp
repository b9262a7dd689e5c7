// Entry point of kelvari.exe: one process serves one command.
#include <windows.h>

#include <exception>

#include "commands/commands.h"
#include "core/program.h"
#include "win32/job_window_win32.h"
#include "win32/system_win32.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
  // Load DLLs from the system folder only, never from the (download) folder of the program.
  ::SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
  // A drive without a medium must give an answer, not the system's "no disk" box.
  ::SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
  // A copy started to show a progress window or a notice serves only that window.
  if (const std::optional<int> served = kelvari::ServeJobWindowIfAsked()) {
    ::ExitProcess(static_cast<UINT>(*served));
  }

  kelvari::Win32System system;
  kelvari::Program program(system, kelvari::CommandTable());
  int exit_code = kelvari::kExitFailed;
  try {
    exit_code = program.Run();
  } catch (const std::exception&) {
    exit_code =
        program.ReportFault(L"Interner Fehler: Das Kommando konnte nicht ausgef\u00FChrt werden.");
  }
  // The place the process ends for every command: every handler has returned, its objects are gone;
  // the windows and hooks that `system` still holds end with the process.
  ::ExitProcess(static_cast<UINT>(exit_code));
}
