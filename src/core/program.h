// Form1: the program's main form. It owns all state of the process and holds the command
// handlers. Its window stays hidden for every command but LISTBOX.
//
// Every handler returns its outcome (see outcome.h); DoListBox leaves the list dialog on the
// screen, and the dialog's events give the outcome. Finish carries an outcome out: it writes
// the result file or shows the box, and gives the exit code of the process.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/charset_setting.h"
#include "core/system.h"

namespace kelvari {

class Form1 {
 public:
  explicit Form1(System& system) : system_(system) {}

  // The load event: evaluates the command line and runs one command.
  Outcome Load() { return ParameterAuswerten(); }

  // Runs the command, serves the list dialog when it is shown, and finishes: the exit code
  // the process ends with. A KVTIMEOUT in the environment lets each window close itself after
  // so many seconds (the exit code is then kExitTimedOut); a KVCHARSET sets AnswerCharset.
  // A wrong value of either is reported instead, KVTIMEOUT's first. Started by kv.cmd
  // (KVCALLER=kv.cmd), it writes no answer once kv.cmd's cmd has ended: see SaveResultAndExit.
  int Run();

  // Carries out `outcome` and returns the exit code. A dialog still shown gives a cancel.
  int Finish(const Outcome& outcome);

  // State, in this order.
  std::int16_t ListBoxNumeric = 0;       // 0: entry texts; -1: entry numbers
  std::int16_t ListBoxMultiSelect = 0;   // 0: single selection; 1: multiple selection
  bool ListBoxQuoted = false;            // QUOTED: entry texts in double quotes
  std::vector<int> ListBoxPreselected;   // SELECTED=: positions from 0, in list order, once each
  std::vector<std::wstring> ParamLines;  // entry 0 empty; 1..n the kept parameter lines
  std::int16_t ParamCountX = 0;          // words held in ParamStrX
  std::vector<std::wstring> ParamStrX;   // entries 1..ParamCountX: the words split last
  ResultCharset AnswerCharset = ResultCharset::kAnsi;  // of the result file

  // Splits the command line and runs the handler that word 2 selects.
  Outcome ParameterAuswerten();

  // Replaces the word list by the words of `text`; a fault for more than kMaxWords words.
  Step GetParamStrX(const std::wstring& text);

  // Splits an attribute line into `words` (word n in entry n), leaving the command-line
  // words in place; a fault for more than kMaxWords words.
  Step SplitAttributeLine(const std::wstring& line, std::vector<std::wstring>& words);

  // Reads the parameter file named by word 3 into ParamLines; error 3, 4 or 5 when the word
  // is missing, the file is not found or it keeps fewer than `MinLaenge` lines.
  Step ChkParamFileName(std::int16_t MinLaenge);

  // Parameter lines `StartIndex` to the last, joined by a single CR.
  std::wstring PromptString(std::int16_t StartIndex) const;

  // Writes `text` in AnswerCharset and CR LF into the file named by word 1 and returns
  // `exit_code` for the end of the process. A result file that cannot be written is reported,
  // and left as it was. When kv.cmd started the program and its cmd has ended meanwhile,
  // nothing is written: kv.cmd's folder is removed and the exit code is kExitFailed, no box.
  int SaveResultAndExit(const std::wstring& text, int exit_code = kExitAnswered);

  // Shows the German message for `code`; returns the exit code of a failure.
  int DoInternalError(ErrorCode code, const std::wstring& attribute = {});

  // Shows a fault that has no error code (a file that cannot be read or written, a limit
  // passed); returns the exit code of a failure.
  int ReportFault(const std::wstring& message);

  // Command handlers.
  Outcome DoNotOnNt();               // "_ERROR:OS=NT": error 10
  Outcome DoInternalErrorCommand();  // INTERNALERROR: error 0 for the calling batch file
  Outcome DoQueryFolderBox();
  Outcome DoCheckDrive();
  Outcome DoCheckLabel();
  Outcome DoMessageBox();
  Outcome DoInputBox();
  Outcome DoFileOpenBox();
  Outcome DoFileSaveBox();
  Outcome DoListBox();
  Outcome DoPlay();
  Outcome DoInfo();
  Outcome DoHelp();
  Outcome DoPasswordBox();

  // The list dialog: the entries of the list in use, the events of its controls and the
  // answer built from its selection. Once an event has given an outcome, later events (while
  // a fault is shown over the dialog) give none.
  std::vector<std::wstring> ListEntries;
  Step Command1_Click(std::int16_t Index);
  Step List1_DblClick();
  Step Form_QueryUnload();
  // Nobody answered in time: the preselection is answered as "&OK" would answer it; without
  // one the dialog ends as its close box does.
  Step Form_TimeRanOut();
  // The answer, or, when the batch file could not read it unchanged, nullopt after telling
  // the user, with the dialog still shown. `unattended`: nobody is there to choose again, so
  // such an answer is a fault instead.
  Step ServeListBoxSelection(bool unattended = false);

  // Word n of the current word list, or the empty text when it does not exist.
  std::wstring Word(int n) const;

  System& system() { return system_; }

 private:
  // Marks the list dialog as ended when `step` holds an outcome.
  Step EndsDialog(Step step);
  // Tells why the selection cannot be answered (`why`, a German sentence about "Die
  // Auswahl"): in a box over the dialog, which stays, or, when `unattended`, as a fault.
  Step RefuseListSelection(const std::wstring& why, bool unattended);

  // Removes the folders beside kv.cmd's own folder whose answer nobody read (see form1.cpp).
  void RemoveAbandonedAnswers();

  System& system_;
  bool dialog_ended_ = false;     // an event of the list dialog has given the outcome
  bool watching_caller_ = false;  // KVCALLER: kv.cmd started the program
};

}  // namespace kelvari
