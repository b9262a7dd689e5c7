// INFO: shows the about box and ends the program when it is closed; no result file.
#include "core/program.h"
#include "commands/info_about_box.h"

namespace kelvari {

Outcome Form1::DoInfo() {
  InfoForm info(system());
  if (!system().ShowInfoForm(info.Setup())) {
    return Outcome::Fault(L"Das Infofenster konnte nicht angezeigt werden.");
  }
  return Outcome::NoAnswer(kExitAnswered);
}

}  // namespace kelvari
