// INPUTBOX: asks for one line of text; the answer is the text as typed.
#include "dialogs/prompt_text.h"
#include "frontend/form1.h"

namespace kelvari {

void Form1::DoInputBox() {
  ChkParamFileName(3);
  const std::wstring prompt = PromptString(3);
  const InputBoxAnswer answer = system().InputBox(prompt, BoxTitle(ParamLines[1]), ParamLines[2]);
  switch (answer.kind) {
    case InputBoxAnswer::kConfirmed:
      SaveResultAndExit(answer.text);
    case InputBoxAnswer::kCancelled:
      // The batch file reads an empty answer; the exit code tells it the box was cancelled.
      SaveResultAndExit(std::wstring(), kExitCancelled);
    case InputBoxAnswer::kFailed:
      break;
  }
  ReportFault(L"Das Eingabefenster konnte nicht angezeigt werden:\r" + answer.reason);
}

}  // namespace kelvari
