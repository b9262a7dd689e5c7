// Program: one run of kelvari.exe, from the argument text to the exit code.
//
// Run reads the settings, splits the command line, looks the command word up in the command
// table, reads the parameter file the command needs, and hands the resulting Invocation to the
// command's handler. The handler returns its outcome (see outcome.h) once the dialogs it showed
// have been answered. Finish carries an outcome out: it writes the result file or shows the
// box, and gives the exit code of the process.
#pragma once

#include <span>
#include <string>

#include "core/command_table.h"
#include "core/invocation.h"
#include "core/system.h"

namespace kelvari {

class Program {
 public:
  Program(System& system, std::span<const CommandRow> commands)
      : system_(system), commands_(commands) {}

  // The whole run: the exit code the process ends with. KVTIMEOUT lets each window close
  // itself after so many seconds (the exit code is then kExitTimedOut); a wrong setting is
  // reported instead of running the command. Started by kv.cmd, it writes no answer once
  // kv.cmd's cmd has ended (see WriteAnswer).
  int Run();

  // Runs the command that the argument text selects, with `settings`, up to its outcome.
  Outcome Start(const Settings& settings);

  // Carries out `outcome` and returns the exit code.
  int Finish(const Outcome& outcome);

  // Shows a fault that has no error code; returns the exit code of a failure.
  int ReportFault(const std::wstring& message);

  // The call as it was understood (after Start).
  const Invocation& call() const { return call_; }

 private:
  // Writes the answer's text and CR LF into the result file in the charset of the settings and
  // returns its exit code. A result file that cannot be written is reported and left as it
  // was. When kv.cmd started the program and its cmd has ended meanwhile, nothing is written:
  // kv.cmd's folder is removed and the exit code is kExitFailed, without a box. A multiple
  // answer in a call of kv.cmd also leaves its entries one by one for kv.cmd (see
  // WriteKvCmdEntries).
  int WriteAnswer(const Outcome& answer);
  // Shows the German message for error `code`; returns the exit code of a failure.
  int ReportError(ErrorCode code, const std::wstring& attribute);
  System& system_;
  std::span<const CommandRow> commands_;
  Invocation call_;
};

}  // namespace kelvari
