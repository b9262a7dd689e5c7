// FILEOPENBOX and FILESAVEBOX: the system's file dialogs; the answer is the chosen path, or,
// after a cancel, the proposal of line 2 unchanged (exit code 1).
#include "commands/common_dialog.h"
#include "core/answer_encoding.h"
#include "core/program.h"

namespace kelvari {
namespace {

enum class Method { kShowOpen, kShowSave };

Outcome RunFileBox(Form1& form, Method method) {
  if (Step ended = form.ChkParamFileName(4)) return *ended;
  CommonDialog CommonDialog1(form.system(), form.system().MainWindow());
  CommonDialog1.DialogTitle = form.ParamLines[1];
  CommonDialog1.FileName = form.ParamLines[2];
  CommonDialog1.InitDir = form.ParamLines[3];
  CommonDialog1.Filter = form.ParamLines[4];
  const FileDialogOutcome::Kind shown =
      method == Method::kShowOpen ? CommonDialog1.ShowOpen() : CommonDialog1.ShowSave();
  if (shown == FileDialogOutcome::kFailed) {
    return Outcome::Fault(L"Der Dateidialog konnte nicht angezeigt werden:\r" +
                          CommonDialog1.FailReason);
  }
  const bool confirmed = shown == FileDialogOutcome::kConfirmed;
  return PathAnswer(form.system(), form.AnswerCharset, CommonDialog1.FileName,
                    confirmed ? kExitAnswered : kExitCancelled);
}

}  // namespace

Outcome Form1::DoFileOpenBox() {
  return RunFileBox(*this, Method::kShowOpen);
}

Outcome Form1::DoFileSaveBox() {
  return RunFileBox(*this, Method::kShowSave);
}

}  // namespace kelvari
