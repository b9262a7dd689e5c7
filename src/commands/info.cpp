// INFO: shows the about box and ends the program when it is closed; no result file.
#include "commands/commands.h"
#include "commands/info_about_box.h"

namespace kelvari {

Outcome ShowAboutBox(TextsAndFiles& texts, Dialogs& dialogs) {
  if (!dialogs.ShowInfoForm(AboutBoxHandlers(texts, dialogs))) {
    return Outcome::Fault(L"Das Infofenster konnte nicht angezeigt werden.");
  }
  return Outcome::NoAnswer(kExitAnswered);
}

}  // namespace kelvari
