// HELP: opens the HTML help document beside the program and confirms it in a message box.
#include "core/program.h"
#include "core/paths_and_version.h"

namespace kelvari {
namespace {

constexpr std::int16_t kShowDefault = 10;  // SW_SHOWDEFAULT

// Opens `path` through the shell and, when `confirm` is set, tells the user so. False when
// that note could not be shown (no desktop).
bool ShowHelpFile(System& system, WindowHandle owner, const std::wstring& path, bool confirm) {
  system.ShellExecuteOpen(owner, path, kShowDefault);
  if (!confirm) return true;
  return system.MessageBox(L"HTML-Hilfetext wurde an den Standard-Browser geschickt ...",
                           L"KELVARI", kMbIconInformation) > 0;
}

}  // namespace

Outcome Form1::DoHelp() {
  const std::wstring path = ProgramFolder(system()) + L"Kelvari.htm";
  if (!ShowHelpFile(system(), system().MainWindow(), path, true)) {
    return Outcome::Fault(L"Das Meldungsfenster konnte nicht angezeigt werden.");
  }
  return Outcome::NoAnswer(kExitAnswered);
}

}  // namespace kelvari
