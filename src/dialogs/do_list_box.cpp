// LISTBOX: the main form becomes the list dialog; the answer is the selected entry, or the
// selected entries' texts or numbers.
#include "dialogs/list_attributes.h"
#include "dialogs/list_file.h"
#include "dialogs/list_selection.h"
#include "frontend/ansi_answer.h"
#include "frontend/form1.h"

namespace kelvari {

void Form1::DoListBox() {
  ChkParamFileName(4);
  ListDialogSetup setup;
  setup.title = ParamLines[1];
  setup.prompt = PromptString(4);

  ListBoxNumeric = 0;
  ListBoxMultiSelect = 0;
  // The attribute words take the place of the command-line words for a while.
  GetParamStrX(ParamLines[3]);
  const int count = ParamCountX;
  for (int i = 1; i <= count; ++i) {
    const std::wstring word = ParamStrX[static_cast<std::size_t>(i)];
    if (!ApplyListAttribute(system().UpperCase(word), ListBoxNumeric, ListBoxMultiSelect)) {
      RestoreCommandLineWords();  // the message names command-line words, never attributes
      DoInternalError(7, word);
    }
  }

  const std::wstring list_path = ParamLines[2];
  if (!system().IsNormalFile(list_path)) {
    RestoreCommandLineWords();
    DoInternalError(8);
  }

  ListFileContent list = ReadListFile(list_path, system());
  switch (list.outcome) {
    case ListFileContent::kRead:
      break;
    case ListFileContent::kUnreadable:
      ReportFault(L"LISTBOX: Die Datei " + list_path +
                  L" mit dem Listeninhalt konnte nicht gelesen werden:\r" + list.reason);
    case ListFileContent::kTooManyLines:
      ReportFault(L"LISTBOX: Die Datei " + list_path +
                  L" mit dem Listeninhalt hat mehr als 32767 Zeilen.\r"
                  L"Eine Liste kann h\u00F6chstens 32767 Eintr\u00E4ge anzeigen.");
  }
  ListEntries = std::move(list.entries);

  setup.multi_select = ListBoxMultiSelect != 0;
  setup.entries = &ListEntries;
  setup.ok_enabled = !ListEntries.empty();  // a double-click still confirms an empty list
  setup.on_button = [this](int index) { Command1_Click(static_cast<std::int16_t>(index)); };
  setup.on_double_click = [this] { List1_DblClick(); };
  setup.on_close = [this] { Form_QueryUnload(); };

  RestoreCommandLineWords();  // the result file is word 1 of the command line

  const IoStatus shown = system().ShowListDialog(setup);
  if (!shown.ok) {
    ReportFault(L"Das Listenfenster konnte nicht angezeigt werden:\r" + shown.reason);
  }
}

// While a fault is reported over the dialog, its events are not served: the fault decides how
// the program ends.
void Form1::Command1_Click(std::int16_t Index) {
  if (reporting_) return;
  if (Index == 1) system().ExitProcess(kExitCancelled);
  ServeListBoxSelection();
}

void Form1::List1_DblClick() {
  if (reporting_) return;
  ServeListBoxSelection();
}

void Form1::Form_QueryUnload() {
  if (reporting_) return;
  system().ExitProcess(kExitCancelled);
}

void Form1::ServeListBoxSelection() {
  const std::wstring result = BuildListResult(ListEntries, system().ListDialogSelection(),
                                              ListBoxMultiSelect != 0, ListBoxNumeric != 0);
  // An entry of a UTF-8 or UTF-16 list file may hold what the batch file would read changed:
  // the dialog stays open for another choice.
  if (const auto reason = NotInAnsiReason(system(), result)) {
    system().MessageBox(L"Die Auswahl" + *reason +
                            L"\rSie kann so nicht an die Stapeldatei weitergegeben werden. "
                            L"Bitte w\u00E4hlen Sie einen anderen Eintrag.",
                        L"Kelvari", kMbIconStop);
    return;
  }
  SaveResultAndExit(result);
}

}  // namespace kelvari
