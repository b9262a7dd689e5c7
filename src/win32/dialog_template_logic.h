// The words of a dialog template (DLGTEMPLATEEX) in memory, for dialogs that the program lays
// out in dialog units itself: the dialog, then each control DWORD-aligned, every text a
// NUL-ended UTF-16 string. No Windows header: the unit tests compile it too.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace kelvari {

// The dialog's font, as its LOGFONTW gives it.
struct DialogTemplateFont {
  std::wstring face;
  std::uint16_t points = 0;
  std::uint16_t weight = 0;
  std::uint8_t italic = 0;
  std::uint8_t char_set = 0;
};

class DialogTemplateWords {
 public:
  // Stock control classes.
  static constexpr std::uint16_t kButton = 0x0080;
  static constexpr std::uint16_t kEdit = 0x0081;
  static constexpr std::uint16_t kStatic = 0x0082;
  // Style bits the template adds: DS_SETFONT to the dialog, WS_CHILD | WS_VISIBLE to a control.
  static constexpr std::uint32_t kSetFont = 0x00000040;
  static constexpr std::uint32_t kChildVisible = 0x50000000;

  // A dialog of `style` (kSetFont is added) and `cx` by `cy` dialog units in `font`.
  DialogTemplateWords(std::uint32_t style, std::uint32_t ex_style, short cx, short cy,
                      const DialogTemplateFont& font);

  void AddControl(std::uint16_t control_class, std::uint32_t style, std::uint32_t ex_style, short x,
                  short y, short cx, short cy, std::uint32_t id, const std::wstring& text = {});

  const std::vector<std::uint16_t>& words() const { return words_; }

 private:
  void Word(std::uint16_t value) { words_.push_back(value); }
  void Dword(std::uint32_t value);
  void Text(const std::wstring& text);
  void AlignToDword();

  std::vector<std::uint16_t> words_;
  std::size_t count_index_ = 0;  // where the number of controls stands
};

}  // namespace kelvari
