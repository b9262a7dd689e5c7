// BUTTONBOX: the reading of its caption line and its attribute words.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/message_request.h"

namespace kelvari {

inline constexpr int kMostButtons = 6;

// The captions of parameter line 3, separated by "|", each without the blanks around it;
// nullopt unless there are 1 to kMostButtons captions and none is empty.
std::optional<std::vector<std::wstring>> SplitCaptions(std::wstring_view line);

// A caption as the answer gives it: without its access key mark "&"; "&&" is one "&".
std::wstring CaptionWithoutMarks(std::wstring_view caption);

// Collects the attribute words of a box with `button_count` buttons.
class ButtonBoxAttributes {
 public:
  enum class Reading { kTaken, kUnknown, kWrongValue };

  explicit ButtonBoxAttributes(int button_count) : button_count_(button_count) {}

  // Applies one upper-cased word: an icon word, DEFAULT=n, CANCEL=n (n from 1 to the number of
  // buttons) or NUMERIC. kUnknown for another word, kWrongValue for a number beyond the
  // buttons; the attributes are then unchanged.
  Reading Apply(std::wstring_view upper_word);

  MessageIcon icon() const { return icon_; }
  int default_button() const { return default_button_; }  // from 0
  std::optional<int> cancel_button() const { return cancel_button_; }
  bool numeric() const { return numeric_; }

 private:
  int button_count_;
  MessageIcon icon_ = MessageIcon::kNone;
  int default_button_ = 0;
  std::optional<int> cancel_button_;
  bool numeric_ = false;
};

}  // namespace kelvari
