// Runs the program's load event against a FakeSystem and reports how the process ended.
#pragma once

#include <optional>

#include "fake_system.h"
#include "frontend/form1.h"

namespace kelvari::testing {

// The exit code, or nullopt when the load event returned (only the list dialog does that).
inline std::optional<int> RunProgram(FakeSystem& system, Form1* form_out = nullptr) {
  Form1 local(system);
  Form1& form = form_out ? *form_out : local;
  try {
    form.Load();
  } catch (const ProcessEnded& end) {
    return end.code;
  }
  return std::nullopt;
}

// A parameter file's content from lines joined by CR LF.
inline std::string CrLf(std::initializer_list<const char*> lines) {
  std::string text;
  for (const char* line : lines) text += std::string(line) + "\r\n";
  return text;
}

}  // namespace kelvari::testing
