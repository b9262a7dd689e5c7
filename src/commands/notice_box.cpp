// NOTICEBOX: a notice in the corner of the screen that does not wait: the call returns at once,
// the notice closes itself after its seconds.
#include "commands/notice_box.h"

#include "commands/commands.h"
#include "commands/long_job_words.h"
#include "commands/message_box_style.h"
#include "core/prompt_text.h"
#include "core/word_splitter.h"

namespace kelvari {

NoticeBoxAttributes::Reading NoticeBoxAttributes::Apply(std::wstring_view upper_word) {
  if (const auto icon = MessageIconOfWord(upper_word)) {
    icon_ = *icon;
    return Reading::kTaken;
  }
  if (upper_word.empty() || upper_word.find_first_not_of(L"0123456789") != std::wstring_view::npos)
    return Reading::kUnknown;
  const auto seconds = WholeNumberIn(upper_word, 1, kNoticeMostSeconds);
  if (!seconds) return Reading::kWrongValue;
  seconds_ = *seconds;
  return Reading::kTaken;
}

Outcome ShowNoticeBox(const Invocation& call, Text& texts, JobWindows& windows) {
  const auto words = SplitWords(call.Line(2));
  if (!words.ok()) return Outcome::Fault(words.reason());
  NoticeBoxAttributes attributes;
  for (const std::wstring& word : words.value()) {
    switch (attributes.Apply(texts.UpperCase(word))) {
      case NoticeBoxAttributes::Reading::kTaken:
        break;
      case NoticeBoxAttributes::Reading::kUnknown:
        return Outcome::Error(kErrNoticeBoxAttribute, word);
      case NoticeBoxAttributes::Reading::kWrongValue:
        return WrongValueError(call, texts, word, L"1 bis 86400 Sekunden");
    }
  }
  NoticeRequest request;
  request.title = BoxTitle(call.Line(1));
  request.text = call.PromptFrom(3);
  request.icon = attributes.icon();
  request.seconds = attributes.seconds();
  const Status shown = windows.ShowNotice(request);
  if (!shown.ok()) {
    return Outcome::Fault(L"Der Hinweis konnte nicht angezeigt werden:\r" + shown.reason());
  }
  return Outcome::NoAnswer(kExitAnswered);
}

}  // namespace kelvari
