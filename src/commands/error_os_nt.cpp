// _ERROR:OS=NT: the answer of the program's old installer check for Windows NT, kept for the
// batch files that still call it: error 10, "Kelvari ist unter Windows NT nicht lauffähig!".
#include "commands/commands.h"

namespace kelvari {

Outcome RefuseOldSystemCheck() {
  return Outcome::Error(kErrNotOnNt);
}

}  // namespace kelvari
