// INTERNALERROR: shows the message of error 0, for a batch file that wants to report one.
#include "commands/commands.h"

namespace kelvari {

Outcome ReportInternalError() {
  return Outcome::Error(kErrInternal);
}

}  // namespace kelvari
