// MESSAGEBOX from any parameter file: the program always ends (never returns, never crashes),
// and a box it shows has only the style bits of its three groups.
#include "commands/message_box_style.h"
#include "fuzz_input.h"
#include "run_program.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kelvari;
  testing::FakeSystem system;
  system.argument_text = L"erg.txt MESSAGEBOX p.txt";
  system.files[L"p.txt"].bytes.assign(reinterpret_cast<const char*>(data), size);
  system.box_answers.push_back(size % 9);
  const auto exit = testing::RunProgram(system);
  fuzz::Require(exit.has_value());
  fuzz::Require(!system.boxes.empty());
  const auto allowed = kButtonSetBits | kIconBits | kDefaultButtonBits;
  if (*exit == kExitAnswered) {
    fuzz::Require((system.boxes[0].style & ~static_cast<std::uint32_t>(allowed)) == 0);
    fuzz::Require(system.files.count(L"erg.txt") == 1);
  } else {
    fuzz::Require(system.files.count(L"erg.txt") == 0);
  }
  return 0;
}
