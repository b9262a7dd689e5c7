#include "commands/file_box.h"

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
  request.title = call.Line(1);
  request.file_name = call.Line(2);
  request.initial_dir = call.Line(3);
  request.file_types = FilterList(call.Line(4));

  const Result<FileDialogChoice> shown = dialogs.ShowFileDialog(request);
  if (!shown.ok()) {
    return Outcome::Fault(L"Der Dateidialog konnte nicht angezeigt werden:\r" + shown.reason());
  }
  const FileDialogChoice& choice = shown.value();
  const ResultCharset charset = call.settings().charset;
  if (!choice.chosen) return PathAnswer(texts, files, charset, request.file_name, kExitCancelled);
  if (request.multi_select) return PathsAnswer(texts, files, charset, choice.paths);
  const std::wstring path = choice.paths.empty() ? std::wstring() : choice.paths.front();
  return PathAnswer(texts, files, charset, path, kExitAnswered);
}

}  // namespace kelvari
