// CHECKDRIVE: can the drive named by word 3 be read? The answer is OK or ERROR; no window is
// shown, not even for a missing medium.
#include "commands/commands.h"
#include "commands/drive_root_and_label.h"

namespace kelvari {

Outcome CheckDrive(const Invocation& call, Drives& drives) {
  if (call.WordCount() < 3) return Outcome::Error(kErrTooFewWords);
  return Outcome::Answer(drives.CanListFolder(DriveRoot(call.Word(3))) ? kDriveOk : kDriveError);
}

}  // namespace kelvari
