// Builds a dialog template (DLGTEMPLATEEX) in memory, for dialogs that the program lays out in
// dialog units itself. The dialog manager scales dialog units with the font and the DPI. The
// layout of the words is dialog_template_logic.h; this is its face in Win32 types.
#pragma once

#include <windows.h>

#include <string>

#include "win32/dialog_template_logic.h"

namespace kelvari {

class DialogTemplate {
 public:
  // Stock control classes.
  static constexpr WORD kButton = DialogTemplateWords::kButton;
  static constexpr WORD kEdit = DialogTemplateWords::kEdit;
  static constexpr WORD kStatic = DialogTemplateWords::kStatic;

  // A dialog of `style` (DS_SETFONT is added) in the font `face` of `points`.
  DialogTemplate(DWORD style, DWORD ex_style, short cx, short cy, const LOGFONTW& font,
                 WORD points);

  void AddControl(WORD control_class, DWORD style, DWORD ex_style, short x, short y, short cx,
                  short cy, DWORD id, const std::wstring& text = {});

  const DLGTEMPLATE* get() const {
    return reinterpret_cast<const DLGTEMPLATE*>(words_.words().data());
  }

 private:
  DialogTemplateWords words_;
};

}  // namespace kelvari
