#include "commands/message_box_style.h"

#include <iterator>

namespace kelvari {
namespace {

enum class Group { kButtons, kIcon, kDefault };

struct Keyword {
  std::wstring_view word;
  Group group;
  std::uint16_t value;
  bool two_buttons;  // only for button sets
};

const Keyword kKeywords[] = {
    {L"OK", Group::kButtons, 0, false},
    {L"OKABBRECHEN", Group::kButtons, 1, true},
    {L"OA", Group::kButtons, 1, true},
    {L"ABBRECHENWIEDERHOLENIGNORIEREN", Group::kButtons, 2, false},
    {L"AWI", Group::kButtons, 2, false},
    {L"JANEINABBRECHEN", Group::kButtons, 3, false},
    {L"JNA", Group::kButtons, 3, false},
    {L"JANEIN", Group::kButtons, 4, true},
    {L"JN", Group::kButtons, 4, true},
    {L"WIEDERHOLENABBRECHEN", Group::kButtons, 5, true},
    {L"WA", Group::kButtons, 5, true},
    {L"STOP", Group::kIcon, 0x10, false},
    {L"FRAGE", Group::kIcon, 0x20, false},
    {L"WARNUNG", Group::kIcon, 0x30, false},
    {L"INFO", Group::kIcon, 0x40, false},
    {L"INFORMATION", Group::kIcon, 0x40, false},
    {L"LINKS", Group::kDefault, 0x000, false},
    {L"MITTE", Group::kDefault, 0x100, false},
    {L"RECHTS", Group::kDefault, 0x200, false},
};

}  // namespace

bool MessageBoxStyle::Apply(std::wstring_view upper_word) {
  for (const Keyword& k : kKeywords) {
    if (k.word != upper_word) continue;
    switch (k.group) {
      case Group::kButtons:
        style_ = static_cast<std::uint16_t>((style_ & ~kButtonSetBits) | k.value);
        two_buttons_ = k.two_buttons;
        break;
      case Group::kIcon:
        style_ = static_cast<std::uint16_t>((style_ & ~kIconBits) | k.value);
        break;
      case Group::kDefault:
        style_ = static_cast<std::uint16_t>((style_ & ~kDefaultButtonBits) | k.value);
        break;
    }
    return true;
  }
  return false;
}

std::int16_t MessageBoxStyle::Value() const {
  std::uint16_t style = style_;
  if (two_buttons_ && (style & kDefaultButtonBits) == 0x200) {
    style = static_cast<std::uint16_t>((style & ~kDefaultButtonBits) | 0x100);
  }
  return static_cast<std::int16_t>(style);
}

std::wstring MessageBoxResultWord(int button_code) {
  switch (button_code) {
    case 1:
      return L"OK";
    case 2:
    case 3:
      return L"ABBRECHEN";
    case 4:
      return L"WIEDERHOLEN";
    case 5:
      return L"IGNORIEREN";
    case 6:
      return L"JA";
    case 7:
      return L"NEIN";
    default:
      return {};
  }
}

}  // namespace kelvari
