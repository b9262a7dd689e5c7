// LISTBOX: the list dialog; the answer is the selected entry, or the selected entries' texts
// (in double quotes with QUOTED) or numbers. SELECTED= (or SELECTEDTEXT=) names the entries
// selected when the dialog opens, which KVTIMEOUT answers when nobody does; REQUIRED= names
// entries that are selected and stay so.
//
// The dialog stays on the screen when the handler returns; its events give the outcome. They
// are served by a ListBoxSession that the dialog's callbacks keep alive.
#include <algorithm>
#include <memory>

#include "commands/commands.h"
#include "commands/list_box_attributes.h"
#include "commands/list_box_file.h"
#include "commands/list_box_selection.h"
#include "core/answer_encoding.h"
#include "core/kv_cmd_folders.h"
#include "core/parameter_file.h"

namespace kelvari {
namespace {

class ListBoxSession {
 public:
  ListBoxSession(TextsAndFiles& texts, Dialogs& dialogs, ResultCharset charset,
                 ListBoxAttributes attributes, std::vector<std::wstring> entries)
      : texts_(texts),
        dialogs_(dialogs),
        charset_(charset),
        attributes_(std::move(attributes)),
        entries_(std::move(entries)) {}

  const std::vector<std::wstring>& entries() const { return entries_; }

  // The dialog's events. Once one has given the outcome (a fault may then be shown over the
  // dialog), later ones are not served: that outcome decides how the program ends.
  Step ButtonPressed(int index) {
    if (ended_) return std::nullopt;
    if (index == 1) return Ends(Outcome::NoAnswer(kExitCancelled));
    return Ends(AnswerSelection(/*unattended=*/false));
  }
  Step DoubleClicked() {
    if (ended_) return std::nullopt;
    return Ends(AnswerSelection(/*unattended=*/false));
  }
  Step Closed() {
    if (ended_) return std::nullopt;
    return Ends(Outcome::NoAnswer(kExitCancelled));
  }
  // Nobody answered in time: the preselection is answered as "&OK" would answer it; without
  // one the dialog ends as its close box does.
  Step TimeRanOut() {
    if (ended_) return std::nullopt;
    if (attributes_.preselected.empty()) return Ends(Outcome::NoAnswer(kExitCancelled));
    return Ends(AnswerSelection(/*unattended=*/true));
  }

 private:
  Step Ends(Step step) {
    if (step) ended_ = true;
    return step;
  }

  // The answer, or, when the batch file could not read it unchanged, nullopt after telling
  // the user, with the dialog still shown. `unattended`: nobody is there to choose again, so
  // such an answer is a fault instead.
  Step AnswerSelection(bool unattended) {
    std::vector<int> selected = dialogs_.ListDialogSelection();
    // Whatever the user did, a required entry is part of the answer.
    selected.insert(selected.end(), attributes_.required.begin(), attributes_.required.end());
    const ListAnswerKind kind = attributes_.kind;
    // A double quote of the entry's own would end its quotes in the batch file's hands.
    if (const auto entry = EntryQuotesCannotHold(entries_, selected, kind)) {
      return Refuse(L"Die Auswahl enth\u00E4lt den Eintrag \u201E" + *entry +
                        L"\u201C mit einem Anf\u00FChrungszeichen (\"). In Anf\u00FChrungszeichen "
                        L"gesetzt, ist er f\u00FCr die Stapeldatei nicht eindeutig.",
                    unattended);
    }
    const std::wstring result = BuildListResult(entries_, selected, kind);
    // An entry of a UTF-8 or UTF-16 list file may hold what the batch file would read changed.
    if (const auto reason = NotHeldReason(texts_, charset_, result)) {
      return Refuse(L"Die Auswahl" + *reason, unattended);
    }
    if (!kind.multi_select) return Outcome::Answer(result);
    // Each chosen entry one by one as well, for a batch file that walks them.
    return Outcome::Entries(result, ListAnswerEntries(entries_, selected, kind));
  }

  // Tells why the selection cannot be answered (`why`, a German sentence about "Die
  // Auswahl"): in a box over the dialog, which stays, or, when `unattended`, as a fault.
  Step Refuse(const std::wstring& why, bool unattended) {
    if (unattended) {
      return Outcome::Fault(why + L"\rSie wird nicht an die Stapeldatei weitergegeben.");
    }
    dialogs_.MessageBox(why +
                            L"\rSie kann so nicht an die Stapeldatei weitergegeben werden. "
                            L"Bitte w\u00E4hlen Sie einen anderen Eintrag.",
                        L"Kelvari", kMbIconStop);
    return std::nullopt;
  }

  TextsAndFiles& texts_;
  Dialogs& dialogs_;
  const ResultCharset charset_;
  const ListBoxAttributes attributes_;
  const std::vector<std::wstring> entries_;
  bool ended_ = false;
};

}  // namespace

Outcome AskWithListBox(const Invocation& call, TextsAndFiles& texts, Dialogs& dialogs) {
  ListBoxAttributes attributes = ReadListBoxAttributes(call.Line(3), texts);
  if (attributes.failure) return *attributes.failure;

  const std::wstring list_path = call.Line(2);
  ListFileContent list;
  if (texts.NamesDevice(list_path)) {
    list.problem = ListFileContent::Problem::kUnreadable;
    list.failure = Failure{kNamesDeviceText};
  } else if (!texts.IsNormalFile(list_path)) {
    return Outcome::Error(kErrListFileMissing);
  } else {
    const bool names_variables =
        IsKvCmdOwnFile(list_path, call.ResultPath(), call.settings().started_by_kv_cmd, texts);
    list = ReadListFile(list_path, texts, names_variables);
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

  ListDialogSetup setup;
  setup.title = call.Line(1);
  setup.prompt = call.PromptFrom(4);
  setup.multi_select = attributes.kind.multi_select;
  setup.preselected = attributes.preselected;
  setup.required = attributes.required;
  const auto session = std::make_shared<ListBoxSession>(
      texts, dialogs, call.settings().charset, std::move(attributes), std::move(list.entries));
  setup.entries = &session->entries();
  setup.ok_enabled = !session->entries().empty();  // a double-click still confirms an empty list
  setup.on_button = [session](int index) { return session->ButtonPressed(index); };
  setup.on_double_click = [session] { return session->DoubleClicked(); };
  setup.on_close = [session] { return session->Closed(); };
  setup.on_time_out = [session] { return session->TimeRanOut(); };

  const Status shown = dialogs.ShowListDialog(setup);
  if (!shown.ok()) {
    return Outcome::Fault(L"Das Listenfenster konnte nicht angezeigt werden:\r" + shown.reason());
  }
  return Outcome::DialogShown();
}

}  // namespace kelvari
