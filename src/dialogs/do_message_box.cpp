// MESSAGEBOX: a standard message box; the answer is the pressed button as a German word.
#include "dialogs/message_box_style.h"
#include "dialogs/prompt_text.h"
#include "frontend/form1.h"

namespace kelvari {

void Form1::DoMessageBox() {
  ChkParamFileName(3);

  // The attribute words take the place of the command-line words for a while.
  GetParamStrX(ParamLines[2]);
  MessageBoxStyle style;
  const int count = ParamCountX;
  for (int i = 1; i <= count; ++i) {
    const std::wstring& word = ParamStrX[static_cast<std::size_t>(i)];
    if (!style.Apply(system().UpperCase(word))) {
      const std::wstring attribute = word;
      RestoreCommandLineWords();  // the message names command-line words, never attributes
      DoInternalError(6, attribute);
    }
  }
  RestoreCommandLineWords();

  const std::wstring text = PromptString(3);
  const int pressed =
      system().MessageBox(text, BoxTitle(ParamLines[1]), static_cast<std::uint16_t>(style.Value()));
  // No box shown, no button pressed: that is no answer, not even an empty one.
  if (pressed <= 0) ReportFault(L"Das Meldungsfenster konnte nicht angezeigt werden.");
  SaveResultAndExit(MessageBoxResultWord(pressed));
}

}  // namespace kelvari
