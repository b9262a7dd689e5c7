// CHECKDRIVE and CHECKLABEL: can a drive be read, and does its medium carry the expected
// label? The answer is OK or ERROR; no window is shown, not even for a missing medium.
#include "core/program.h"
#include "commands/drive_check.h"

namespace kelvari {
namespace {

constexpr const wchar_t* kOk = L"OK";
constexpr const wchar_t* kError = L"ERROR";

}  // namespace

Outcome Form1::DoCheckDrive() {
  if (ParamCountX < 3) return Outcome::Error(kErrTooFewWords);
  const std::wstring root = DriveRoot(Word(3));
  return Outcome::Answer(system().CanListFolder(root) ? kOk : kError);
}

Outcome Form1::DoCheckLabel() {
  if (ParamCountX < 4) return Outcome::Error(kErrTooFewWords);
  const std::wstring root = DriveRoot(Word(3));
  return Outcome::Answer(LabelMatches(system(), system().VolumeLabel(root), Word(4)) ? kOk
                                                                                     : kError);
}

}  // namespace kelvari
