// Runs the program's load event against a FakeSystem and reports how the process ended.
#pragma once

#include <optional>

#include "fake_system.h"
#include "core/program.h"

namespace kelvari::testing {

// The exit code, or nullopt when the list dialog is left on the screen.
inline std::optional<int> RunProgram(FakeSystem& system, Form1* form_out = nullptr) {
  Form1 local(system);
  Form1& form = form_out ? *form_out : local;
  const Outcome outcome = form.Load();
  if (outcome.kind == Outcome::kDialogShown) return std::nullopt;
  return form.Finish(outcome);
}

// The exit code when `step` ends the command (after Finish has carried it out), or nullopt
// when the command goes on.
inline std::optional<int> Ends(Form1& form, const Step& step) {
  if (!step) return std::nullopt;
  return form.Finish(*step);
}

// Sets up `system` for the command line `args` with the parameter file p.txt holding `params`
// and an old result file erg.txt holding "ALT".
inline void PrepareCall(FakeSystem& system, const std::wstring& args, const std::string& params) {
  system.argument_text = args;
  system.files[L"p.txt"].bytes = params;
  system.files[L"erg.txt"].bytes = "ALT\r\n";
}

// A parameter file's content from lines joined by CR LF.
inline std::string CrLf(std::initializer_list<const char*> lines) {
  std::string text;
  for (const char* line : lines) text += std::string(line) + "\r\n";
  return text;
}

}  // namespace kelvari::testing
