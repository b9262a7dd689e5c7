// LISTBOX from any parameter file and list file: the program either shows the list dialog or
// ends with a message; it never crashes, and a shown dialog holds at most 32,767 entries.
#include <algorithm>

#include "fuzz_input.h"
#include "run_program.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kelvari;
  // The first byte splits the input into the parameter file and the list file.
  const std::size_t cut = size ? std::min<std::size_t>(data[0], size - 1) + 1 : 0;
  testing::FakeSystem system;
  system.argument_text = L"erg.txt LISTBOX p.txt";
  system.files[L"p.txt"].bytes.assign(reinterpret_cast<const char*>(data) + (size ? 1 : 0),
                                      cut > 0 ? cut - 1 : 0);
  system.files[L"liste.txt"].bytes.assign(reinterpret_cast<const char*>(data) + cut, size - cut);
  const auto exit = testing::RunProgram(system);
  if (!exit.has_value()) {
    fuzz::Require(system.list_dialogs.size() == 1);
    fuzz::Require(system.list_entries_shown.size() <= 32767);
    fuzz::Require(system.files.count(L"erg.txt") == 0);
  } else {
    fuzz::Require(*exit == kExitFailed && !system.boxes.empty());
  }
  return 0;
}
