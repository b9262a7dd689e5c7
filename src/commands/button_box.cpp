// BUTTONBOX: a question with the batch file's own buttons; the answer is the pressed button's
// caption (or its number with NUMERIC).
#include "commands/button_box.h"

#include "commands/commands.h"
#include "commands/long_job_words.h"
#include "commands/message_box_style.h"
#include "core/answer_encoding.h"
#include "core/parameter_file.h"
#include "core/prompt_text.h"
#include "core/word_splitter.h"

namespace kelvari {
namespace {

// The number after "NAME=" in `upper_word`, when the word starts so: the digits, or the empty
// text; nullopt for a word of another name.
std::optional<std::wstring_view> ValueAfter(std::wstring_view upper_word, std::wstring_view name) {
  if (upper_word.size() <= name.size() || upper_word.substr(0, name.size()) != name ||
      upper_word[name.size()] != L'=') {
    return std::nullopt;
  }
  return upper_word.substr(name.size() + 1);
}

}  // namespace

std::optional<std::vector<std::wstring>> SplitCaptions(std::wstring_view line) {
  std::vector<std::wstring> captions;
  std::size_t start = 0;
  for (;;) {
    const std::size_t bar = line.find(L'|', start);
    const std::wstring caption =
        TrimBlanks(line.substr(start, bar == std::wstring_view::npos ? bar : bar - start));
    if (caption.empty() || captions.size() == kMostButtons) return std::nullopt;
    captions.push_back(caption);
    if (bar == std::wstring_view::npos) break;
    start = bar + 1;
  }
  return captions;
}

std::wstring CaptionWithoutMarks(std::wstring_view caption) {
  std::wstring text;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == L'&') {
      if (i + 1 == caption.size()) break;  // a mark before nothing marks nothing
      ++i;
    }
    text.push_back(caption[i]);
  }
  return text;
}

ButtonBoxAttributes::Reading ButtonBoxAttributes::Apply(std::wstring_view upper_word) {
  if (const auto icon = MessageIconOfWord(upper_word)) {
    icon_ = *icon;
    return Reading::kTaken;
  }
  if (upper_word == L"NUMERIC") {
    numeric_ = true;
    return Reading::kTaken;
  }
  const auto default_value = ValueAfter(upper_word, L"DEFAULT");
  const auto cancel_value = ValueAfter(upper_word, L"CANCEL");
  if (!default_value && !cancel_value) return Reading::kUnknown;
  const auto number =
      WholeNumberIn(default_value ? *default_value : *cancel_value, 1, button_count_);
  if (!number) return Reading::kWrongValue;
  if (default_value) {
    default_button_ = *number - 1;
  } else {
    cancel_button_ = *number - 1;
  }
  return Reading::kTaken;
}

Outcome AskWithButtonBox(const Invocation& call, Text& texts, Dialogs& dialogs) {
  const auto captions = SplitCaptions(call.Line(3));
  if (!captions) return Outcome::Error(kErrButtonCaptions);
  const auto words = SplitWords(call.Line(2));
  if (!words.ok()) return Outcome::Fault(words.reason());
  ButtonBoxAttributes attributes(static_cast<int>(captions->size()));
  for (const std::wstring& word : words.value()) {
    switch (attributes.Apply(texts.UpperCase(word))) {
      case ButtonBoxAttributes::Reading::kTaken:
        break;
      case ButtonBoxAttributes::Reading::kUnknown:
        return Outcome::Error(kErrButtonBoxAttribute, word);
      case ButtonBoxAttributes::Reading::kWrongValue:
        return WrongValueError(call, texts, word, L"1 bis " + std::to_wstring(captions->size()));
    }
  }

  std::vector<std::wstring> answers;
  for (std::size_t i = 0; i < captions->size(); ++i) {
    answers.push_back(attributes.numeric() ? std::to_wstring(i + 1)
                                           : CaptionWithoutMarks((*captions)[i]));
    // Refused before the box is shown: the user must not choose an answer that cannot arrive.
    if (const auto reason = NotHeldReason(texts, call.settings().charset, answers.back())) {
      return Outcome::Fault(L"Die Beschriftung '" + answers.back() + L"'" + *reason +
                            L"\rSie kann so nicht an die Stapeldatei weitergegeben werden.");
    }
  }

  ButtonBoxRequest request;
  request.title = BoxTitle(call.Line(1));
  request.text = call.PromptFrom(4);
  request.icon = attributes.icon();
  request.captions = *captions;
  request.default_button = attributes.default_button();
  request.cancel_button = attributes.cancel_button();
  const Result<int> pressed = dialogs.ButtonBox(request);
  if (!pressed.ok() || pressed.value() < 0 ||
      static_cast<std::size_t>(pressed.value()) >= answers.size()) {
    return Outcome::Fault(
        L"Das Fenster mit den Schaltfl\u00E4chen konnte nicht angezeigt "
        L"werden:\r" +
        pressed.reason());
  }
  return Outcome::Answer(answers[static_cast<std::size_t>(pressed.value())]);
}

}  // namespace kelvari
