// The system's icons of the four message box icon styles.
#include "win32/message_icon_win32.h"

namespace kelvari {

const wchar_t* SystemIconFor(std::uint32_t icon_style) {
  switch (icon_style) {
    case MB_ICONSTOP:
      return IDI_HAND;
    case MB_ICONQUESTION:
      return IDI_QUESTION;
    case MB_ICONEXCLAMATION:
      return IDI_EXCLAMATION;
    case MB_ICONINFORMATION:
      return IDI_ASTERISK;
    default:
      return nullptr;
  }
}

}  // namespace kelvari
