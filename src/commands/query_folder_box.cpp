// QUERYFOLDERBOX: the shell's folder-browse dialog; the answer is the chosen folder, or an
// empty line after a cancel (exit code 1).
#include "commands/query_folder_box.h"

#include "commands/commands.h"
#include "core/answer_encoding.h"

namespace kelvari {

std::wstring FolderPrompt(const Invocation& call) {
  std::wstring prompt;
  for (int n = 1; n <= call.LineCount(); ++n) prompt += call.Line(n) + L"\r\n";
  return prompt;
}

Outcome AnswerBrowsedFolder(const Invocation& call, Text& texts, Files& files, Dialogs& dialogs,
                            const FolderDialogRequest& request) {
  const Result<BrowsedFolder> browsed = dialogs.BrowseForFolder(request);
  if (!browsed.ok()) {
    return Outcome::Fault(L"Der Dialog zur Ordnerauswahl konnte nicht angezeigt werden.");
  }
  const BrowsedFolder& folder = browsed.value();
  if (!folder.chosen) return Outcome::Answer(std::wstring(), kExitCancelled);
  if (!folder.path) {
    // Never a cut path: it could name another folder.
    return Outcome::Fault(
        L"Der Pfad des gew\u00E4hlten Ordners konnte nicht vollst\u00E4ndig "
        L"ermittelt werden. Er wird nicht an die Stapeldatei weitergegeben.");
  }
  return PathAnswer(texts, files, call.settings().charset, *folder.path, kExitAnswered);
}

Outcome AskForFolder(const Invocation& call, Text& texts, Files& files, Dialogs& dialogs) {
  FolderDialogRequest request;
  request.prompt = FolderPrompt(call);
  return AnswerBrowsedFolder(call, texts, files, dialogs, request);
}

}  // namespace kelvari
