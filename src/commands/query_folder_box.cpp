// QUERYFOLDERBOX: the shell's folder-browse dialog; the answer is the chosen folder, or an
// empty line after a cancel (exit code 1).
#include "commands/query_folder_box_prompt.h"
#include "core/answer_encoding.h"
#include "core/program.h"

namespace kelvari {

Outcome Form1::DoQueryFolderBox() {
  if (Step ended = ChkParamFileName(1)) return *ended;
  const std::wstring prompt = FolderPrompt(ParamLines);
  const BrowsedFolder folder = system().BrowseForFolder(system().MainWindow(), prompt);
  if (folder.failed) {
    return Outcome::Fault(L"Der Dialog zur Ordnerauswahl konnte nicht angezeigt werden.");
  }
  if (!folder.chosen) return Outcome::Answer(std::wstring(), kExitCancelled);
  if (!folder.path) {
    // Never a cut path: it could name another folder.
    return Outcome::Fault(
        L"Der Pfad des gew\u00E4hlten Ordners konnte nicht vollst\u00E4ndig "
        L"ermittelt werden. Er wird nicht an die Stapeldatei weitergegeben.");
  }
  return PathAnswer(system(), AnswerCharset, *folder.path, kExitAnswered);
}

}  // namespace kelvari
