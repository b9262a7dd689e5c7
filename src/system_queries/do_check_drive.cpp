// CHECKDRIVE and CHECKLABEL: can a drive be read, and does its medium carry the expected
// label? The answer is OK or ERROR; no window is shown, not even for a missing medium.
#include "frontend/form1.h"
#include "system_queries/drive_check.h"

namespace kelvari {
namespace {

constexpr const wchar_t* kOk = L"OK";
constexpr const wchar_t* kError = L"ERROR";

}  // namespace

void Form1::DoCheckDrive() {
  if (ParamCountX < 3) DoInternalError(9);
  const std::wstring root = DriveRoot(Word(3));
  SaveResultAndExit(system().CanListFolder(root) ? kOk : kError);
}

void Form1::DoCheckLabel() {
  if (ParamCountX < 4) DoInternalError(9);
  const std::wstring root = DriveRoot(Word(3));
  SaveResultAndExit(LabelMatches(system(), system().VolumeLabel(root), Word(4)) ? kOk : kError);
}

}  // namespace kelvari
