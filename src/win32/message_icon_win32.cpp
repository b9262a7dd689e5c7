// The system's icons of the four message box icons, in one table.
#include "win32/message_icon_win32.h"

namespace kelvari {
namespace {

struct IconRow {
  MessageIcon icon;
  UINT style;
  const wchar_t* system_icon;
};

const IconRow kIcons[] = {
    {MessageIcon::kStop, MB_ICONSTOP, IDI_HAND},
    {MessageIcon::kQuestion, MB_ICONQUESTION, IDI_QUESTION},
    {MessageIcon::kWarning, MB_ICONEXCLAMATION, IDI_EXCLAMATION},
    {MessageIcon::kInformation, MB_ICONINFORMATION, IDI_ASTERISK},
};

const IconRow* RowOf(MessageIcon icon) {
  for (const IconRow& row : kIcons) {
    if (row.icon == icon) return &row;
  }
  return nullptr;
}

}  // namespace

UINT MessageBoxIconStyle(MessageIcon icon) {
  const IconRow* row = RowOf(icon);
  return row ? row->style : 0;
}

const wchar_t* SystemIconFor(MessageIcon icon) {
  const IconRow* row = RowOf(icon);
  return row ? row->system_icon : nullptr;
}

}  // namespace kelvari
