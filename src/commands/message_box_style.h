// MESSAGEBOX: attribute keywords to the buttons, icon and default button of the box, and the
// pressed button to its result word.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/message_request.h"

namespace kelvari {

// How a message box looks, as its attribute words chose it.
struct MessageBoxStyle {
  MessageButtons buttons = MessageButtons::kOk;
  MessageIcon icon = MessageIcon::kNone;
  DefaultButton default_button = DefaultButton::kFirst;

  bool operator==(const MessageBoxStyle&) const = default;
};

// Collects the style word by word: buttons, icon and default button are three groups, and
// each group keeps the last keyword of that group.
class MessageBoxStyleWords {
 public:
  // Applies one upper-cased attribute word. Returns false for a word that is no keyword,
  // leaving the style unchanged.
  bool Apply(std::wstring_view upper_word);

  // The style after all words: on a two-button set, "RECHTS" means the second button.
  MessageBoxStyle Style() const;

 private:
  MessageBoxStyle style_;
};

// The icon of an upper-cased icon word (STOP, FRAGE, WARNUNG, INFO, INFORMATION); nullopt for
// any other word, also for the other keywords.
std::optional<MessageIcon> MessageIconOfWord(std::wstring_view upper_word);

// The result word for the pressed button.
std::wstring MessageBoxResultWord(PressedButton button);

}  // namespace kelvari
