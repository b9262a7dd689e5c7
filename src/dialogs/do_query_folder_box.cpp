// QUERYFOLDERBOX: the shell's folder-browse dialog; the answer is the chosen folder, or an
// empty line after a cancel (exit code 1).
#include "dialogs/folder_prompt.h"
#include "frontend/ansi_answer.h"
#include "frontend/form1.h"
#include "info/shell_utils.h"

namespace kelvari {

void Form1::DoQueryFolderBox() {
  ChkParamFileName(1);
  const std::wstring prompt = FolderPrompt(ParamLines);
  const std::optional<std::wstring> folder = BrowseFolder(system(), system().MainWindow(), prompt);
  if (!folder) SaveResultAndExit(std::wstring(), kExitCancelled);
  SavePathAndExit(*this, *folder, kExitAnswered);
}

}  // namespace kelvari
