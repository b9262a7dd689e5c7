// Outcome: how a command ended, handed back to the one place that finishes the process.
//
// A handler does not end the process itself: it returns an answer for the result file with
// its exit code, an end without a result file, an error code with the attribute it names, or
// a fault text. Program::Finish writes the answer or shows the box and gives the exit code;
// wWinMain ends the process with it.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/error_codes.h"

namespace kelvari {

// Exit codes a batch file can test with "if errorlevel".
enum ExitCode : int {
  kExitAnswered = 0,   // the command ended normally
  kExitCancelled = 1,  // the user cancelled a dialog
  kExitFailed = 2,     // an error or a fault was reported
  kExitTimedOut = 3,   // no one answered: a window closed itself when its time ran out
};

struct Outcome {
  enum Kind {
    kAnswer,    // `text` goes into the result file; the process ends with `exit_code`
    kNoAnswer,  // the process ends with `exit_code`; the result file stays as it is
    kError,     // the message of `error` is shown; the process ends as failed
    kFault,     // `text` is shown; the process ends as failed
  };
  Kind kind = kNoAnswer;
  std::wstring text;
  int exit_code = kExitAnswered;
  ErrorCode error = kErrInternal;
  std::wstring attribute;  // the attribute word an error 6, 7, 11 to 13 names; error 14's text
  // A multiple answer (several chosen entries or files): each entry exactly as chosen, without
  // the quotes or blanks that join them in `text`. Empty for every other answer.
  std::vector<std::wstring> entries;
  // True for a multiple answer, also one of no entries (nothing chosen).
  bool several = false;

  static Outcome Answer(std::wstring text, int exit_code = kExitAnswered) {
    return {kAnswer, std::move(text), exit_code, kErrInternal, {}, {}, false};
  }
  // An answer of several entries: `text` for the result file, `entries` one by one.
  static Outcome Entries(std::wstring text, std::vector<std::wstring> entries,
                         int exit_code = kExitAnswered) {
    return {kAnswer, std::move(text), exit_code, kErrInternal, {}, std::move(entries), true};
  }
  static Outcome NoAnswer(int exit_code) {
    return {kNoAnswer, {}, exit_code, kErrInternal, {}, {}, false};
  }
  static Outcome Error(ErrorCode code, std::wstring attribute = {}) {
    return {kError, {}, kExitFailed, code, std::move(attribute), {}, false};
  }
  static Outcome Fault(std::wstring message) {
    return {kFault, std::move(message), kExitFailed, kErrInternal, {}, {}, false};
  }
};

// A step on the way to an outcome: nullopt to go on, or the outcome that ends the command.
using Step = std::optional<Outcome>;

}  // namespace kelvari
