#include "commands/file_box.h"

#include <algorithm>

#include "commands/file_box_filter.h"
#include "commands/file_box_options.h"
#include "core/answer_encoding.h"

namespace kelvari {
namespace {

// Several chosen files: each full path in double quotes, one blank between two, as LISTBOX
// MULTISELECT QUOTED answers; each path also on its own. A path the result's encoding cannot
// hold goes by its short form, or the whole answer is refused as for one path.
Outcome PathsAnswer(Text& texts, Files& files, ResultCharset charset,
                    const std::vector<std::wstring>& paths) {
  std::wstring text;
  std::vector<std::wstring> entries;
  for (const std::wstring& path : paths) {
    const auto exact = ExactPath(texts, files, charset, path);
    if (!exact) return PathAnswer(texts, files, charset, path, kExitAnswered);  // the fault
    if (!text.empty()) text += L' ';
    text += L'"' + *exact + L'"';
    entries.push_back(*exact);
  }
  return Outcome::Entries(std::move(text), std::move(entries));
}

}  // namespace

Outcome AskInFileDialog(const Invocation& call, Text& texts, Files& files, Dialogs& dialogs,
                        FileDialogKind kind) {
  FileDialogRequest request;
  request.kind = kind;
  if (call.LineCount() >= 5) {
    if (Step fault = ReadFileBoxOptions(call.Line(5), request, texts)) return *fault;
  }
  request.owner = dialogs.MainWindow();
  request.title = call.Line(1);
  request.file_name = call.Line(2);
  request.initial_dir = call.Line(3);
  request.filter = FilterList(call.Line(4));
  request.buffer_chars = std::max(kFileDialogBufferChars, request.file_name.size() + 1);

  const FileDialogOutcome shown = dialogs.ShowFileDialog(request);
  switch (shown.kind) {
    case FileDialogOutcome::kConfirmed:
      if (request.multi_select)
        return PathsAnswer(texts, files, call.settings().charset, shown.paths);
      return PathAnswer(texts, files, call.settings().charset, shown.path, kExitAnswered);
    case FileDialogOutcome::kCancelled:
      return PathAnswer(texts, files, call.settings().charset, request.file_name, kExitCancelled);
    case FileDialogOutcome::kFailed:
      break;
  }
  return Outcome::Fault(L"Der Dateidialog konnte nicht angezeigt werden:\r" + shown.reason);
}

}  // namespace kelvari
