#include "commands/message_box_style.h"

#include <variant>

namespace kelvari {
namespace {

struct Keyword {
  std::wstring_view word;
  std::variant<MessageButtons, MessageIcon, DefaultButton> choice;
};

const Keyword kKeywords[] = {
    {L"OK", MessageButtons::kOk},
    {L"OKABBRECHEN", MessageButtons::kOkCancel},
    {L"OA", MessageButtons::kOkCancel},
    {L"ABBRECHENWIEDERHOLENIGNORIEREN", MessageButtons::kAbortRetryIgnore},
    {L"AWI", MessageButtons::kAbortRetryIgnore},
    {L"JANEINABBRECHEN", MessageButtons::kYesNoCancel},
    {L"JNA", MessageButtons::kYesNoCancel},
    {L"JANEIN", MessageButtons::kYesNo},
    {L"JN", MessageButtons::kYesNo},
    {L"WIEDERHOLENABBRECHEN", MessageButtons::kRetryCancel},
    {L"WA", MessageButtons::kRetryCancel},
    {L"STOP", MessageIcon::kStop},
    {L"FRAGE", MessageIcon::kQuestion},
    {L"WARNUNG", MessageIcon::kWarning},
    {L"INFO", MessageIcon::kInformation},
    {L"INFORMATION", MessageIcon::kInformation},
    {L"LINKS", DefaultButton::kFirst},
    {L"MITTE", DefaultButton::kSecond},
    {L"RECHTS", DefaultButton::kThird},
};

const Keyword* KeywordOf(std::wstring_view upper_word) {
  for (const Keyword& k : kKeywords) {
    if (k.word == upper_word) return &k;
  }
  return nullptr;
}

bool HasTwoButtons(MessageButtons buttons) {
  return buttons == MessageButtons::kOkCancel || buttons == MessageButtons::kYesNo ||
         buttons == MessageButtons::kRetryCancel;
}

}  // namespace

bool MessageBoxStyleWords::Apply(std::wstring_view upper_word) {
  const Keyword* keyword = KeywordOf(upper_word);
  if (!keyword) return false;
  if (const auto* buttons = std::get_if<MessageButtons>(&keyword->choice)) {
    style_.buttons = *buttons;
  } else if (const auto* icon = std::get_if<MessageIcon>(&keyword->choice)) {
    style_.icon = *icon;
  } else {
    style_.default_button = std::get<DefaultButton>(keyword->choice);
  }
  return true;
}

MessageBoxStyle MessageBoxStyleWords::Style() const {
  MessageBoxStyle style = style_;
  if (HasTwoButtons(style.buttons) && style.default_button == DefaultButton::kThird) {
    style.default_button = DefaultButton::kSecond;
  }
  return style;
}

std::optional<MessageIcon> MessageIconOfWord(std::wstring_view upper_word) {
  const Keyword* keyword = KeywordOf(upper_word);
  if (!keyword) return std::nullopt;
  const auto* icon = std::get_if<MessageIcon>(&keyword->choice);
  if (!icon) return std::nullopt;
  return *icon;
}

std::wstring MessageBoxResultWord(PressedButton button) {
  switch (button) {
    case PressedButton::kOk:
      return L"OK";
    case PressedButton::kCancel:
    case PressedButton::kAbort:
      return L"ABBRECHEN";
    case PressedButton::kRetry:
      return L"WIEDERHOLEN";
    case PressedButton::kIgnore:
      return L"IGNORIEREN";
    case PressedButton::kYes:
      return L"JA";
    case PressedButton::kNo:
      return L"NEIN";
  }
  return {};
}

}  // namespace kelvari
