// PROGRESSBOX: opens the batch file's progress window and returns at once; PROGRESS
// (progress_box_update.cpp) moves its bar and closes it.
#include "commands/progress_box.h"

#include "commands/commands.h"
#include "core/prompt_text.h"
#include "core/word_splitter.h"

namespace kelvari {

bool ApplyProgressBoxWord(std::wstring_view upper_word, ProgressWindowRequest& request) {
  if (upper_word == L"ABBRECHEN") {
    request.cancel_button = true;
  } else if (upper_word == L"LAUFEND") {
    request.running = true;
  } else {
    return false;
  }
  return true;
}

Outcome OpenProgressBox(const Invocation& call, Text& texts, JobWindows& windows) {
  const auto words = SplitWords(call.Line(2));
  if (!words.ok()) return Outcome::Fault(words.reason());
  ProgressWindowRequest request;
  for (const std::wstring& word : words.value()) {
    if (!ApplyProgressBoxWord(texts.UpperCase(word), request))
      return Outcome::Error(kErrProgressBoxAttribute, word);
  }
  request.title = BoxTitle(call.Line(1));
  request.text = call.PromptFrom(3);
  const Status opened = windows.OpenProgressWindow(request);
  if (!opened.ok()) {
    return Outcome::Fault(L"Das Fortschrittsfenster konnte nicht angezeigt werden:\r" +
                          opened.reason());
  }
  return Outcome::NoAnswer(kExitAnswered);
}

}  // namespace kelvari
