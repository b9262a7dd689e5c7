// Runs the command of a FakeSystem's argument text and reports how the process ended.
#pragma once

#include <optional>

#include "commands/commands.h"
#include "core/program.h"
#include "fake_system.h"

namespace kelvari::testing {

// A Program with the command table of kelvari.exe.
struct TestProgram : Program {
  explicit TestProgram(System& system) : Program(system, CommandTable()) {}
};

// The exit code, or nullopt when the user leaves the list dialog open (the program waits
// there; see FakeDialogs::list_actions). `program_out` keeps the call for a look at it;
// `settings` stand for the environment's.
inline std::optional<int> RunProgram(FakeSystem& system, Program* program_out = nullptr,
                                     const Settings& settings = {}) {
  TestProgram local(system);
  Program& program = program_out ? *program_out : local;
  try {
    return program.Finish(program.Start(settings));
  } catch (const ListDialogLeftOpen&) {
    return std::nullopt;
  }
}

// Sets up `system` for the command line `args` with the parameter file p.txt holding `params`
// and an old result file erg.txt holding "ALT".
inline void PrepareCall(FakeSystem& system, const std::wstring& args, const std::string& params) {
  system.argument_text = args;
  system.files[L"p.txt"].bytes = params;
  system.files[L"erg.txt"].bytes = "ALT\r\n";
}

// Makes `folder` one that kv.cmd made for its call (a folder with kv.cmd's mark) and returns
// the settings of a call that kv.cmd made.
inline Settings KvCmdCall(FakeSystem& system, const std::wstring& folder) {
  system.files[folder].folder = true;
  system.files[folder + L"\\kvcmd.txt"].bytes = "kv.cmd\r\n";
  Settings settings;
  settings.started_by_kv_cmd = true;
  return settings;
}

// A parameter file's content from lines joined by CR LF.
inline std::string CrLf(std::initializer_list<const char*> lines) {
  std::string text;
  for (const char* line : lines) text += std::string(line) + "\r\n";
  return text;
}

}  // namespace kelvari::testing
