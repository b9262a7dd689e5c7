// Entry point of kelvari.exe: one process serves one command.
#include <windows.h>

#include <exception>

#include "frontend/form1.h"
#include "frontend/system_win32.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
  // Load DLLs from the system folder only, never from the (download) folder of the program.
  ::SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
  // A drive without a medium must give an answer, not the system's "no disk" box.
  ::SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);

  kelvari::Win32System system;
  kelvari::Form1 form(system);
  try {
    form.Load();
    system.RunEventLoop();  // the list dialog ends the process from its events
  } catch (const std::exception&) {
    form.ReportFault(L"Interner Fehler: Das Kommando konnte nicht ausgef\u00FChrt werden.");
  }
  // Only the list dialog returns from the load event; it ends the process itself.
  system.ExitProcess(kelvari::kExitCancelled);
}
