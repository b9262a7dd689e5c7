// LISTBOX: the main form becomes the list dialog; the answer is the selected entry, or the
// selected entries' texts or numbers.
#include "dialogs/list_attributes.h"
#include "dialogs/list_file.h"
#include "dialogs/list_selection.h"
#include "frontend/ansi_answer.h"
#include "frontend/form1.h"
#include "frontend/param_lines.h"

namespace kelvari {

Outcome Form1::DoListBox() {
  if (Step ended = ChkParamFileName(4)) return *ended;
  ListDialogSetup setup;
  setup.title = ParamLines[1];
  setup.prompt = PromptString(4);

  ListBoxNumeric = 0;
  ListBoxMultiSelect = 0;
  std::vector<std::wstring> attributes;
  if (Step fault = SplitAttributeLine(ParamLines[3], attributes)) return *fault;
  for (std::size_t i = 1; i < attributes.size(); ++i) {
    if (!ApplyListAttribute(system().UpperCase(attributes[i]), ListBoxNumeric,
                            ListBoxMultiSelect)) {
      return Outcome::Error(kErrListBoxAttribute, attributes[i]);
    }
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
    case ListFileContent::kTooManyLines: {
      const std::wstring limit = std::to_wstring(kMaxLines);
      return Outcome::Fault(
          L"LISTBOX: Die Datei " + list_path + L" mit dem Listeninhalt hat mehr als " + limit +
          L" Zeilen.\r" + L"Eine Liste kann h\u00F6chstens " + limit + L" Eintr\u00E4ge anzeigen.");
    }
  }
  ListEntries = std::move(list.entries);

  setup.multi_select = ListBoxMultiSelect != 0;
  setup.entries = &ListEntries;
  setup.ok_enabled = !ListEntries.empty();  // a double-click still confirms an empty list
  setup.on_button = [this](int index) { return Command1_Click(static_cast<std::int16_t>(index)); };
  setup.on_double_click = [this] { return List1_DblClick(); };
  setup.on_close = [this] { return Form_QueryUnload(); };

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

Step Form1::ServeListBoxSelection() {
  const std::wstring result = BuildListResult(ListEntries, system().ListDialogSelection(),
                                              ListBoxMultiSelect != 0, ListBoxNumeric != 0);
  // An entry of a UTF-8 or UTF-16 list file may hold what the batch file would read changed:
  // the dialog stays open for another choice.
  if (const auto reason = NotHeldReason(system(), AnswerCharset, result)) {
    system().MessageBox(L"Die Auswahl" + *reason +
                            L"\rSie kann so nicht an die Stapeldatei weitergegeben werden. "
                            L"Bitte w\u00E4hlen Sie einen anderen Eintrag.",
                        L"Kelvari", kMbIconStop);
    return std::nullopt;
  }
  return Outcome::Answer(result);
}

}  // namespace kelvari
