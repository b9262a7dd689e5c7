// PROGRESS: moves the bar of the batch file's progress window, and with ENDE closes it. It
// answers at once by its exit code: 0 the window stands, 1 the user cancelled it (it is gone),
// 2 the batch file has no progress window. The new text, when there is one, comes from the
// variable named after /V (how kv.cmd passes it) or from line 1 of a parameter file.
#include "commands/commands.h"
#include "commands/long_job_words.h"
#include "commands/progress_box.h"
#include "core/error_messages.h"
#include "core/parameter_file.h"

namespace kelvari {

std::optional<ProgressStep> ReadProgressStep(std::wstring_view upper_word) {
  if (upper_word == L"ENDE") return ProgressStep{true, 0};
  const auto percent = WholeNumberIn(upper_word, 0, 100);
  if (!percent) return std::nullopt;
  return ProgressStep{false, *percent};
}

namespace {

int ExitCodeOf(ProgressWindowState state) {
  switch (state) {
    case ProgressWindowState::kStands:
      return kExitAnswered;
    case ProgressWindowState::kCancelled:
      return kExitCancelled;
    case ProgressWindowState::kNone:
      break;
  }
  return kExitFailed;
}

}  // namespace

Outcome MoveProgressBox(const Invocation& call, Text& texts, Files& files, Process& process,
                        JobWindows& windows) {
  if (call.WordCount() < 3) return Outcome::Error(kErrTooFewWords);
  const auto step = ReadProgressStep(texts.UpperCase(call.Word(3)));
  if (!step) return WrongValueError(call, texts, call.Word(3), L"0 bis 100 oder ENDE");
  if (step->end) return Outcome::NoAnswer(ExitCodeOf(windows.CloseProgressWindow()));

  std::optional<std::wstring> text;
  if (texts.UpperCase(call.Word(4)) == L"/V") {
    if (call.WordCount() < 5) return Outcome::Error(kErrTooFewWords);
    // An empty text is an unset variable in a batch file.
    text = process.EnvironmentVariable(call.Word(5)).value_or(L"");
  } else if (call.WordCount() >= 4) {
    const ParameterFile file = ReadParameterFile(call.Word(4), 1, texts, files, process);
    if (file.failure && file.failure->kind == Outcome::kError &&
        file.failure->error == kErrParamFileMissing) {
      // Error 4 names word 3, which is the percentage here: the message names the file.
      return Outcome::Fault(std::wstring(kErrorHeading) + L"Die Parameterdatei '" + call.Word(4) +
                            L"' konnte nicht gefunden werden.");
    }
    if (file.failure) return *file.failure;
    text = file.lines[0];
  }
  return Outcome::NoAnswer(ExitCodeOf(windows.UpdateProgressWindow(step->percent, text)));
}

}  // namespace kelvari
