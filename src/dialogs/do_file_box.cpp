// FILEOPENBOX and FILESAVEBOX: the system's file dialogs; the answer is the chosen path, or,
// after a cancel, the proposal of line 2 unchanged (exit code 1).
#include "dialogs/common_dialog.h"
#include "frontend/ansi_answer.h"
#include "frontend/form1.h"

namespace kelvari {
namespace {

enum class Method { kShowOpen, kShowSave };

void RunFileBox(Form1& form, Method method) {
  form.ChkParamFileName(4);
  CommonDialog CommonDialog1(form, form.system().MainWindow());
  CommonDialog1.DialogTitle = form.ParamLines[1];
  CommonDialog1.FileName = form.ParamLines[2];
  CommonDialog1.InitDir = form.ParamLines[3];
  CommonDialog1.Filter = form.ParamLines[4];
  const bool confirmed =
      method == Method::kShowOpen ? CommonDialog1.ShowOpen() : CommonDialog1.ShowSave();
  SavePathAndExit(form, CommonDialog1.FileName, confirmed ? kExitAnswered : kExitCancelled);
}

}  // namespace

void Form1::DoFileOpenBox() {
  RunFileBox(*this, Method::kShowOpen);
}

void Form1::DoFileSaveBox() {
  RunFileBox(*this, Method::kShowSave);
}

}  // namespace kelvari
