// Builds a dialog template (DLGTEMPLATEEX) in memory, for dialogs that the program lays out in
// dialog units itself. The dialog manager scales dialog units with the font and the DPI.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace kelvari {

class DialogTemplate {
 public:
  // Stock control classes.
  static constexpr WORD kButton = 0x0080;
  static constexpr WORD kEdit = 0x0081;
  static constexpr WORD kStatic = 0x0082;

  // A dialog of `style` (DS_SETFONT is added) in the font `face` of `points`.
  DialogTemplate(DWORD style, DWORD ex_style, short cx, short cy, const LOGFONTW& font,
                 WORD points);

  void AddControl(WORD control_class, DWORD style, DWORD ex_style, short x, short y, short cx,
                  short cy, DWORD id, const std::wstring& text = {});

  const DLGTEMPLATE* get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

 private:
  void Word(WORD value) { words_.push_back(value); }
  void Dword(DWORD value);
  void Text(const std::wstring& text);
  void AlignToDword();

  std::vector<WORD> words_;
  std::size_t count_index_ = 0;  // where the number of controls stands
};

}  // namespace kelvari
