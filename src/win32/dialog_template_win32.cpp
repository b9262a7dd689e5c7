#include "win32/dialog_template_win32.h"

namespace kelvari {

DialogTemplate::DialogTemplate(DWORD style, DWORD ex_style, short cx, short cy,
                               const LOGFONTW& font, WORD points) {
  Word(1);       // version
  Word(0xFFFF);  // extended template
  Dword(0);      // help id
  Dword(ex_style);
  Dword(style | DS_SETFONT);
  count_index_ = words_.size();
  Word(0);
  for (short v : {short{0}, short{0}, cx, cy}) Word(static_cast<WORD>(v));
  Word(0);   // no menu
  Word(0);   // the dialog class
  Text({});  // the title is set when the dialog starts
  Word(points);
  Word(static_cast<WORD>(font.lfWeight));
  Word(static_cast<WORD>(font.lfItalic | (font.lfCharSet << 8)));
  Text(font.lfFaceName);
}

void DialogTemplate::AddControl(WORD control_class, DWORD style, DWORD ex_style, short x, short y,
                                short cx, short cy, DWORD id, const std::wstring& text) {
  AlignToDword();
  Dword(0);  // help id
  Dword(ex_style);
  Dword(style | WS_CHILD | WS_VISIBLE);
  for (short v : {x, y, cx, cy}) Word(static_cast<WORD>(v));
  Dword(id);
  Word(0xFFFF);
  Word(control_class);
  Text(text);
  Word(0);  // no creation data
  ++words_[count_index_];
}

void DialogTemplate::Dword(DWORD value) {
  Word(LOWORD(value));
  Word(HIWORD(value));
}

void DialogTemplate::Text(const std::wstring& text) {
  for (wchar_t c : text) Word(static_cast<WORD>(c));
  Word(0);
}

void DialogTemplate::AlignToDword() {
  if (words_.size() % 2) Word(0);
}

}  // namespace kelvari
