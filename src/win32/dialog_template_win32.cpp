#include "win32/dialog_template_win32.h"

namespace kelvari {
namespace {

static_assert(DialogTemplateWords::kSetFont == DS_SETFONT);
static_assert(DialogTemplateWords::kChildVisible == (WS_CHILD | WS_VISIBLE));

DialogTemplateFont FontOf(const LOGFONTW& font, WORD points) {
  return {font.lfFaceName, points, static_cast<std::uint16_t>(font.lfWeight), font.lfItalic,
          font.lfCharSet};
}

}  // namespace

DialogTemplate::DialogTemplate(DWORD style, DWORD ex_style, short cx, short cy,
                               const LOGFONTW& font, WORD points)
    : words_(style, ex_style, cx, cy, FontOf(font, points)) {}

void DialogTemplate::AddControl(WORD control_class, DWORD style, DWORD ex_style, short x, short y,
                                short cx, short cy, DWORD id, const std::wstring& text) {
  words_.AddControl(control_class, style, ex_style, x, y, cx, cy, id, text);
}

}  // namespace kelvari
