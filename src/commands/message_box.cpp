// MESSAGEBOX: a standard message box; the answer is the pressed button as a German word.
#include "commands/message_box_style.h"
#include "core/prompt_text.h"
#include "core/program.h"

namespace kelvari {

Outcome Form1::DoMessageBox() {
  if (Step ended = ChkParamFileName(3)) return *ended;

  std::vector<std::wstring> attributes;
  if (Step fault = SplitAttributeLine(ParamLines[2], attributes)) return *fault;
  MessageBoxStyle style;
  for (std::size_t i = 1; i < attributes.size(); ++i) {
    if (!style.Apply(system().UpperCase(attributes[i]))) {
      return Outcome::Error(kErrMessageBoxAttribute, attributes[i]);
    }
  }

  const std::wstring text = PromptString(3);
  const int pressed =
      system().MessageBox(text, BoxTitle(ParamLines[1]), static_cast<std::uint16_t>(style.Value()));
  // No box shown, no button pressed: that is no answer, not even an empty one.
  if (pressed <= 0) return Outcome::Fault(L"Das Meldungsfenster konnte nicht angezeigt werden.");
  return Outcome::Answer(MessageBoxResultWord(pressed));
}

}  // namespace kelvari
