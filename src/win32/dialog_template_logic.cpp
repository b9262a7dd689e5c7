#include "win32/dialog_template_logic.h"

namespace kelvari {

DialogTemplateWords::DialogTemplateWords(std::uint32_t style, std::uint32_t ex_style, short cx,
                                         short cy, const DialogTemplateFont& font) {
  Word(1);       // version
  Word(0xFFFF);  // extended template
  Dword(0);      // help id
  Dword(ex_style);
  Dword(style | kSetFont);
  count_index_ = words_.size();
  Word(0);
  for (short v : {short{0}, short{0}, cx, cy}) Word(static_cast<std::uint16_t>(v));
  Word(0);   // no menu
  Word(0);   // the dialog class
  Text({});  // the title is set when the dialog starts
  Word(font.points);
  Word(font.weight);
  Word(static_cast<std::uint16_t>(font.italic | (font.char_set << 8)));
  Text(font.face);
}

void DialogTemplateWords::AddControl(std::uint16_t control_class, std::uint32_t style,
                                     std::uint32_t ex_style, short x, short y, short cx, short cy,
                                     std::uint32_t id, const std::wstring& text) {
  AlignToDword();
  Dword(0);  // help id
  Dword(ex_style);
  Dword(style | kChildVisible);
  for (short v : {x, y, cx, cy}) Word(static_cast<std::uint16_t>(v));
  Dword(id);
  Word(0xFFFF);
  Word(control_class);
  Text(text);
  Word(0);  // no creation data
  ++words_[count_index_];
}

void DialogTemplateWords::Dword(std::uint32_t value) {
  Word(static_cast<std::uint16_t>(value & 0xFFFF));
  Word(static_cast<std::uint16_t>(value >> 16));
}

void DialogTemplateWords::Text(const std::wstring& text) {
  for (wchar_t c : text) Word(static_cast<std::uint16_t>(c));
  Word(0);
}

void DialogTemplateWords::AlignToDword() {
  if (words_.size() % 2) Word(0);
}

}  // namespace kelvari
