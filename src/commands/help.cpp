// HELP: opens the HTML help document beside the program and confirms it in a message box.
#include "commands/commands.h"
#include "core/paths_and_version.h"

namespace kelvari {

Outcome ShowHelp(TextsAndFiles& texts, Dialogs& dialogs) {
  dialogs.OpenDocument(DocumentKind::kManual, ProgramFolder(texts) + L"Kelvari.htm");
  if (dialogs.MessageBox(L"HTML-Hilfetext wurde an den Standard-Browser geschickt ...", L"KELVARI",
                         kMbIconInformation) <= 0) {
    return Outcome::Fault(L"Das Meldungsfenster konnte nicht angezeigt werden.");
  }
  return Outcome::NoAnswer(kExitAnswered);
}

}  // namespace kelvari
