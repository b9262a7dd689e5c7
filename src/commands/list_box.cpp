// LISTBOX: the main form becomes the list dialog; the answer is the selected entry, or the
// selected entries' texts (in double quotes with QUOTED) or numbers. SELECTED= names the
// entries selected when the dialog opens, which KVTIMEOUT answers when nobody does.
#include <algorithm>

#include "commands/list_box_attributes.h"
#include "commands/list_box_file.h"
#include "commands/list_box_selection.h"
#include "core/answer_encoding.h"
#include "core/program.h"
#include "core/parameter_lines.h"

namespace kelvari {

Outcome Form1::DoListBox() {
  if (Step ended = ChkParamFileName(4)) return *ended;
  ListDialogSetup setup;
  setup.title = ParamLines[1];
  setup.prompt = PromptString(4);

  ListBoxNumeric = 0;
  ListBoxMultiSelect = 0;
  ListBoxQuoted = false;
  ListBoxPreselected.clear();
  std::wstring selected_word;  // the SELECTED word in force, as given
  std::vector<std::wstring> attributes;
  if (Step fault = SplitAttributeLine(ParamLines[3], attributes)) return *fault;
  for (std::size_t i = 1; i < attributes.size(); ++i) {
    const std::wstring word = system().UpperCase(attributes[i]);
    if (ApplyListAttribute(word, ListBoxNumeric, ListBoxMultiSelect)) continue;
    if (word == L"QUOTED") {
      ListBoxQuoted = true;
      continue;
    }
    if (auto positions = ReadSelectedWord(word)) {
      ListBoxPreselected = std::move(*positions);
      selected_word = attributes[i];
      continue;
    }
    return Outcome::Error(kErrListBoxAttribute, attributes[i]);
  }
  std::sort(ListBoxPreselected.begin(), ListBoxPreselected.end());
  ListBoxPreselected.erase(std::unique(ListBoxPreselected.begin(), ListBoxPreselected.end()),
                           ListBoxPreselected.end());
  // Single selection holds one entry: a SELECTED word naming more is refused like an unknown
  // word, and so is one naming an entry the list does not have (below).
  if (ListBoxMultiSelect == 0 && ListBoxPreselected.size() > 1) {
    return Outcome::Error(kErrListBoxAttribute, selected_word);
  }

  const std::wstring list_path = ParamLines[2];
  if (!system().IsNormalFile(list_path)) return Outcome::Error(kErrListFileMissing);

  ListFileContent list = ReadListFile(list_path, system());
  switch (list.outcome) {
    case ListFileContent::kRead:
      break;
    case ListFileContent::kUnreadable:
      return Outcome::Fault(L"LISTBOX: Die Datei " + list_path +
                            L" mit dem Listeninhalt konnte nicht gelesen werden:\r" + list.reason);
    case ListFileContent::kLineBreakInVariable:
      return Outcome::Fault(list.reason);
    case ListFileContent::kTooManyLines: {
      const std::wstring limit = std::to_wstring(kMaxLines);
      return Outcome::Fault(
          L"LISTBOX: Die Datei " + list_path + L" mit dem Listeninhalt hat mehr als " + limit +
          L" Zeilen.\r" + L"Eine Liste kann h\u00F6chstens " + limit + L" Eintr\u00E4ge anzeigen.");
    }
  }
  ListEntries = std::move(list.entries);
  if (!ListBoxPreselected.empty() &&
      static_cast<std::size_t>(ListBoxPreselected.back()) >= ListEntries.size()) {
    return Outcome::Error(kErrListBoxAttribute, selected_word);
  }

  setup.multi_select = ListBoxMultiSelect != 0;
  setup.entries = &ListEntries;
  setup.ok_enabled = !ListEntries.empty();  // a double-click still confirms an empty list
  setup.preselected = ListBoxPreselected;
  setup.on_button = [this](int index) { return Command1_Click(static_cast<std::int16_t>(index)); };
  setup.on_double_click = [this] { return List1_DblClick(); };
  setup.on_close = [this] { return Form_QueryUnload(); };
  setup.on_time_out = [this] { return Form_TimeRanOut(); };

  const IoStatus shown = system().ShowListDialog(setup);
  if (!shown.ok) {
    return Outcome::Fault(L"Das Listenfenster konnte nicht angezeigt werden:\r" + shown.reason);
  }
  return Outcome::DialogShown();
}

// Once an event has given the outcome (a fault may then be shown over the dialog), later
// events are not served: that outcome decides how the program ends.
Step Form1::EndsDialog(Step step) {
  if (step) dialog_ended_ = true;
  return step;
}

Step Form1::Command1_Click(std::int16_t Index) {
  if (dialog_ended_) return std::nullopt;
  if (Index == 1) return EndsDialog(Outcome::NoAnswer(kExitCancelled));
  return EndsDialog(ServeListBoxSelection());
}

Step Form1::List1_DblClick() {
  if (dialog_ended_) return std::nullopt;
  return EndsDialog(ServeListBoxSelection());
}

Step Form1::Form_QueryUnload() {
  if (dialog_ended_) return std::nullopt;
  return EndsDialog(Outcome::NoAnswer(kExitCancelled));
}

Step Form1::Form_TimeRanOut() {
  if (dialog_ended_) return std::nullopt;
  if (ListBoxPreselected.empty()) return EndsDialog(Outcome::NoAnswer(kExitCancelled));
  return EndsDialog(ServeListBoxSelection(/*unattended=*/true));
}

// A selection the batch file could not read as chosen: the dialog stays open for another
// choice, or, with nobody there, nothing is answered.
Step Form1::RefuseListSelection(const std::wstring& why, bool unattended) {
  if (unattended) {
    return Outcome::Fault(why + L"\rSie wird nicht an die Stapeldatei weitergegeben.");
  }
  system().MessageBox(why +
                          L"\rSie kann so nicht an die Stapeldatei weitergegeben werden. "
                          L"Bitte w\u00E4hlen Sie einen anderen Eintrag.",
                      L"Kelvari", kMbIconStop);
  return std::nullopt;
}

Step Form1::ServeListBoxSelection(bool unattended) {
  const std::vector<int> selected = system().ListDialogSelection();
  const ListAnswerKind kind{ListBoxMultiSelect != 0, ListBoxNumeric != 0, ListBoxQuoted};
  // A double quote of the entry's own would end its quotes in the batch file's hands.
  if (const auto entry = EntryQuotesCannotHold(ListEntries, selected, kind)) {
    return RefuseListSelection(
        L"Die Auswahl enth\u00E4lt den Eintrag \u201E" + *entry +
            L"\u201C mit einem Anf\u00FChrungszeichen (\"). In Anf\u00FChrungszeichen gesetzt, "
            L"ist er f\u00FCr die Stapeldatei nicht eindeutig.",
        unattended);
  }
  const std::wstring result = BuildListResult(ListEntries, selected, kind);
  // An entry of a UTF-8 or UTF-16 list file may hold what the batch file would read changed.
  if (const auto reason = NotHeldReason(system(), AnswerCharset, result)) {
    return RefuseListSelection(L"Die Auswahl" + *reason, unattended);
  }
  return Outcome::Answer(result);
}

}  // namespace kelvari
