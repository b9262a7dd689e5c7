// MESSAGEBOX: attribute keywords to message box style bits, and button codes to result words.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kelvari {

// Bits of the three groups of a message box style.
inline constexpr std::uint16_t kButtonSetBits = 0x0007;
inline constexpr std::uint16_t kIconBits = 0x0070;
inline constexpr std::uint16_t kDefaultButtonBits = 0x0300;

// Collects the style value word by word. Each group keeps the last keyword of that group.
class MessageBoxStyle {
 public:
  // Applies one upper-cased attribute word. Returns false for a word that is no keyword,
  // leaving the style unchanged.
  bool Apply(std::wstring_view upper_word);

  // The style after all words: on a two-button set, "RECHTS" means the second button.
  std::int16_t Value() const;

 private:
  std::uint16_t style_ = 0;
  bool two_buttons_ = false;
};

// The result word for a message box button code; the empty text for an unknown code.
std::wstring MessageBoxResultWord(int button_code);

}  // namespace kelvari
