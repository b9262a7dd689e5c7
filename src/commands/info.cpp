// INFO: shows the about box and ends the program when it is closed; no result file.
#include "commands/about_box.h"
#include "commands/commands.h"

namespace kelvari {

Outcome ShowProgramInfo(Process& process, Dialogs& dialogs) {
  if (!dialogs.ShowAboutBox(AboutBoxHandlers(process, dialogs)).ok()) {
    return Outcome::Fault(L"Das Infofenster konnte nicht angezeigt werden.");
  }
  return Outcome::NoAnswer(kExitAnswered);
}

}  // namespace kelvari
