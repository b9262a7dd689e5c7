// Form1: the program's main form. It owns all state of the process and holds the command
// handlers. Its window stays hidden for every command but LISTBOX.
//
// Every handler ends the process itself (through SaveResultAndExit, DoInternalError or the
// system's ExitProcess) and never returns, except DoListBox, which leaves the list dialog on
// screen.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "frontend/system.h"

namespace kelvari {

class Form1 {
 public:
  explicit Form1(System& system) : system_(system) {}

  // The load event: evaluates the command line and runs one command.
  void Load() { ParameterAuswerten(); }

  // State, in this order.
  std::int16_t ListBoxNumeric = 0;       // 0: entry texts; -1: entry numbers
  std::int16_t ListBoxMultiSelect = 0;   // 0: single selection; 1: multiple selection
  std::vector<std::wstring> ParamLines;  // entry 0 empty; 1..n the kept parameter lines
  std::int16_t ParamCountX = 0;          // words held in ParamStrX
  std::vector<std::wstring> ParamStrX;   // entries 1..ParamCountX: the words split last

  // Splits the command line and runs the handler that word 2 selects.
  void ParameterAuswerten();

  // Replaces the word list by the words of `text`.
  void GetParamStrX(const std::wstring& text);

  // Reads the parameter file named by word 3 into ParamLines; ends with error 3, 4 or 5 when
  // the word is missing, the file is not found or it keeps fewer than `MinLaenge` lines.
  void ChkParamFileName(std::int16_t MinLaenge);

  // Parameter lines `StartIndex` to the last, joined by a single CR.
  std::wstring PromptString(std::int16_t StartIndex) const;

  // Writes `text` and CR LF into the file named by word 1 and ends the process with
  // `exit_code`. A result file that cannot be written is reported, and left as it was.
  [[noreturn]] void SaveResultAndExit(const std::wstring& text, int exit_code = kExitAnswered);

  // Shows the German message for `code` and ends the process without a result.
  [[noreturn]] void DoInternalError(std::int16_t code, const std::wstring& attribute = {});

  // Shows a fault that has no error code (a file that cannot be read or written, a limit
  // passed) and ends the process without a result. The list dialog's events that arrive
  // meanwhile are ignored: the process ends with kExitFailed once the box is closed.
  [[noreturn]] void ReportFault(const std::wstring& message);

  // Command handlers.
  void DoNotOnNt();               // "_ERROR:OS=NT": error 10
  void DoInternalErrorCommand();  // INTERNALERROR: error 0 for the calling batch file
  void DoQueryFolderBox();
  void DoCheckDrive();
  void DoCheckLabel();
  void DoMessageBox();
  void DoInputBox();
  void DoFileOpenBox();
  void DoFileSaveBox();
  void DoListBox();
  void DoPlay();
  void DoInfo();
  void DoHelp();

  // The list dialog: the entries of the list in use, the events of its controls and the
  // answer built from its selection.
  std::vector<std::wstring> ListEntries;
  void Command1_Click(std::int16_t Index);
  void List1_DblClick();
  void Form_QueryUnload();
  // Ends the process with the answer, or, when the batch file could not read it unchanged,
  // tells the user and returns with the dialog still shown.
  void ServeListBoxSelection();

  // Word n of the current word list, or the empty text when it does not exist.
  std::wstring Word(int n) const;

  System& system() { return system_; }

 private:
  // Restores the command-line words after a handler split another text into the list.
  void RestoreCommandLineWords();

  System& system_;
  bool reporting_ = false;  // an error or fault box is shown
};

}  // namespace kelvari
