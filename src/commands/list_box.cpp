// LISTBOX: the list dialog; the answer is the selected entry, or the selected entries' texts
// (in double quotes with QUOTED) or numbers. SELECTED= (or SELECTEDTEXT=) names the entries
// selected when the dialog opens, which KVTIMEOUT answers when nobody does; REQUIRED= names
// entries that are selected and stay so.
//
// The dialog is modal: the handler decides everything from how it ended and the selection it
// ended with; a selection the batch file could not read unchanged is refused while it is open.
#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "commands/commands.h"
#include "commands/list_box_attributes.h"
#include "commands/list_box_file.h"
#include "commands/list_box_selection.h"
#include "core/answer_encoding.h"
#include "core/kv_cmd_folders.h"
#include "core/parameter_file.h"

namespace kelvari {
namespace {

// What the answer is made of: the list, how the answer is written and the entries that are
// always part of it.
struct ListAnswering {
  Text& texts;
  ResultCharset charset;
  const ListBoxAttributes& attributes;
  const std::vector<std::wstring>& entries;
};

// The positions the answer holds: whatever the user did, a required entry is part of it.
std::vector<int> Answered(const ListAnswering& list, std::vector<int> selected) {
  selected.insert(selected.end(), list.attributes.required.begin(), list.attributes.required.end());
  return selected;
}

// Why the batch file could not read the answer of `selected` unchanged, a German sentence about
// "Die Auswahl"; nullopt when it can.
std::optional<std::wstring> WhyNotAnswerable(const ListAnswering& list,
                                             const std::vector<int>& selected) {
  const std::vector<int> answered = Answered(list, selected);
  const ListAnswerKind kind = list.attributes.kind;
  // A double quote of the entry's own would end its quotes in the batch file's hands.
  if (const auto entry = EntryQuotesCannotHold(list.entries, answered, kind)) {
    return L"Die Auswahl enth\u00E4lt den Eintrag \u201E" + *entry +
           L"\u201C mit einem Anf\u00FChrungszeichen (\"). In Anf\u00FChrungszeichen "
           L"gesetzt, ist er f\u00FCr die Stapeldatei nicht eindeutig.";
  }
  // An entry of a UTF-8 or UTF-16 list file may hold what the batch file would read changed.
  const std::wstring result = BuildListResult(list.entries, answered, kind);
  if (const auto reason = NotHeldReason(list.texts, list.charset, result)) {
    return L"Die Auswahl" + *reason;
  }
  return std::nullopt;
}

// The answer of `selected`. A selection the batch file could not read unchanged is a fault:
// the user had no chance to choose again.
Outcome AnswerSelection(const ListAnswering& list, const std::vector<int>& selected) {
  if (const auto why = WhyNotAnswerable(list, selected)) {
    return Outcome::Fault(*why + L"\rSie wird nicht an die Stapeldatei weitergegeben.");
  }
  const std::vector<int> answered = Answered(list, selected);
  const ListAnswerKind kind = list.attributes.kind;
  const std::wstring result = BuildListResult(list.entries, answered, kind);
  if (!kind.multi_select) return Outcome::Answer(result);
  // Each chosen entry one by one as well, for a batch file that walks them.
  return Outcome::Entries(result, ListAnswerEntries(list.entries, answered, kind));
}

// How the command ends after the dialog has ended as `answer` says.
Outcome ListBoxOutcome(const ListAnswering& list, const ListDialogAnswer& answer) {
  switch (answer.ending) {
    case ListDialogAnswer::Ending::kConfirmed:
      return AnswerSelection(list, answer.selected);
    case ListDialogAnswer::Ending::kTimeRanOut:
      // Nobody answered in time: the preselection is answered as "&OK" would answer it;
      // without one the dialog ends as its close box does.
      if (list.attributes.preselected.empty()) break;
      return AnswerSelection(list, answer.selected);
    case ListDialogAnswer::Ending::kCancelled:
    case ListDialogAnswer::Ending::kClosed:
      break;
  }
  return Outcome::NoAnswer(kExitCancelled);
}

// Shows the list dialog and tells how the command ends with the user's answer.
Outcome AskInListDialog(const Invocation& call, Dialogs& dialogs, const ListAnswering& list) {
  ListDialogRequest request;
  request.title = call.Line(1);
  request.prompt = call.PromptFrom(4);
  request.multi_select = list.attributes.kind.multi_select;
  request.entries = list.entries;
  request.ok_enabled = !list.entries.empty();  // a double-click still confirms an empty list
  request.preselected = list.attributes.preselected;
  request.required = list.attributes.required;
  // A selection the batch file could not read unchanged is refused; the user chooses again.
  request.check = [&list](const std::vector<int>& selected) {
    std::optional<std::wstring> refusal = WhyNotAnswerable(list, selected);
    if (refusal) {
      *refusal +=
          L"\rSie kann so nicht an die Stapeldatei weitergegeben werden. "
          L"Bitte w\u00E4hlen Sie einen anderen Eintrag.";
    }
    return refusal;
  };

  const Result<ListDialogAnswer> answer = dialogs.ShowListDialog(request);
  if (!answer.ok()) {
    return Outcome::Fault(L"Das Listenfenster konnte nicht angezeigt werden:\r" + answer.reason());
  }
  return ListBoxOutcome(list, answer.value());
}

}  // namespace

Outcome AskWithListBox(const Invocation& call, Text& texts, Files& files, Process& process,
                       Dialogs& dialogs) {
  ListBoxAttributes attributes = ReadListBoxAttributes(call.Line(3), texts);
  if (attributes.failure) return *attributes.failure;

  const std::wstring list_path = call.Line(2);
  ListFileContent list;
  if (files.NamesDevice(list_path)) {
    list.problem = ListFileContent::Problem::kUnreadable;
    list.failure = Failure{kNamesDeviceText};
  } else if (!files.IsNormalFile(list_path)) {
    return Outcome::Error(kErrListFileMissing);
  } else {
    const bool names_variables = IsKvCmdOwnFile(list_path, call.ResultPath(),
                                                call.settings().started_by_kv_cmd, texts, files);
    list = ReadListFile(list_path, texts, files, process, names_variables);
  }
  switch (list.problem) {
    case ListFileContent::Problem::kNone:
      break;
    case ListFileContent::Problem::kUnreadable:
      return Outcome::Fault(L"LISTBOX: Die Datei " + list_path +
                            L" mit dem Listeninhalt konnte nicht gelesen werden:\r" +
                            list.failure.reason);
    case ListFileContent::Problem::kLineBreakInVariable:
      return Outcome::Fault(list.failure.reason);
    case ListFileContent::Problem::kTooManyLines: {
      const std::wstring limit = std::to_wstring(kMaxLines);
      return Outcome::Fault(
          L"LISTBOX: Die Datei " + list_path + L" mit dem Listeninhalt hat mehr als " + limit +
          L" Zeilen.\r" + L"Eine Liste kann h\u00F6chstens " + limit + L" Eintr\u00E4ge anzeigen.");
    }
  }
  // A SELECTED or REQUIRED word naming an entry the list does not have is not allowed.
  const auto beyond = [&](const std::vector<int>& positions) {
    return !positions.empty() && static_cast<std::size_t>(positions.back()) >= list.entries.size();
  };
  if (beyond(attributes.preselected)) {
    return Outcome::Error(kErrListBoxAttribute, attributes.selected_word);
  }
  if (beyond(attributes.required)) {
    return Outcome::Error(kErrListBoxAttribute, attributes.required_word);
  }
  // A text selects the first entry that is exactly that text; a text the list does not hold
  // selects nothing (the list may have changed since the text was remembered).
  if (attributes.selected_text) {
    const auto found =
        std::find(list.entries.begin(), list.entries.end(), *attributes.selected_text);
    if (found != list.entries.end()) {
      attributes.preselected = {static_cast<int>(found - list.entries.begin())};
    }
  }
  std::vector<int>& opened = attributes.preselected;
  opened.insert(opened.end(), attributes.required.begin(), attributes.required.end());
  std::sort(opened.begin(), opened.end());
  opened.erase(std::unique(opened.begin(), opened.end()), opened.end());

  return AskInListDialog(call, dialogs, {texts, call.settings().charset, attributes, list.entries});
}

}  // namespace kelvari
