// MESSAGEBOX from any parameter file: the program always ends (never returns, never crashes);
// a box it shows asks for one of the named button sets, icons and default buttons, and the
// answer is the word of the pressed button.
#include "commands/message_box_style.h"
#include "fuzz_input.h"
#include "run_program.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kelvari;
  testing::FakeSystem system;
  system.argument_text = L"erg.txt MESSAGEBOX p.txt";
  system.files[L"p.txt"].bytes.assign(reinterpret_cast<const char*>(data), size);
  // The user presses one of the seven buttons, or the box cannot be shown.
  const auto pressed = static_cast<int>(size % 8);
  if (pressed == 7) {
    system.box_answers.push_back(Failure{L"kein Desktop"});
  } else {
    system.box_answers.push_back(static_cast<PressedButton>(pressed));
  }
  const auto exit = testing::RunProgram(system);
  fuzz::Require(exit.has_value());
  fuzz::Require(!system.boxes.empty());
  if (*exit == kExitAnswered) {
    const MessageRequest& box = system.boxes[0];
    fuzz::Require(static_cast<int>(box.buttons) <= static_cast<int>(MessageButtons::kRetryCancel));
    fuzz::Require(static_cast<int>(box.icon) <= static_cast<int>(MessageIcon::kInformation));
    fuzz::Require(static_cast<int>(box.default_button) <= static_cast<int>(DefaultButton::kThird));
    fuzz::Require(pressed != 7);
    const std::string word(system.files[L"erg.txt"].bytes);
    fuzz::Require(word == "OK\r\n" || word == "ABBRECHEN\r\n" || word == "WIEDERHOLEN\r\n" ||
                  word == "IGNORIEREN\r\n" || word == "JA\r\n" || word == "NEIN\r\n");
  } else {
    fuzz::Require(system.files.count(L"erg.txt") == 0);
  }
  return 0;
}
