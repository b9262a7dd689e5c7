// HELP: opens the HTML help document beside the program and confirms it in a message box.
#include "commands/commands.h"
#include "core/paths_and_version.h"

namespace kelvari {

Outcome ShowHelp(Process& process, Dialogs& dialogs) {
  dialogs.OpenDocument(DocumentKind::kManual, ProgramFolder(process) + L"Kelvari.htm");
  if (!dialogs
           .ShowMessage({.text = L"HTML-Hilfetext wurde an den Standard-Browser geschickt ...",
                         .title = L"KELVARI",
                         .icon = MessageIcon::kInformation})
           .ok()) {
    return Outcome::Fault(L"Das Meldungsfenster konnte nicht angezeigt werden.");
  }
  return Outcome::NoAnswer(kExitAnswered);
}

}  // namespace kelvari
