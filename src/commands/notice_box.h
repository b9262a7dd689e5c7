// NOTICEBOX: the reading of its attribute words.
#pragma once

#include <string_view>

#include "core/message_request.h"

namespace kelvari {

inline constexpr int kNoticeDefaultSeconds = 10;
inline constexpr int kNoticeMostSeconds = 86400;  // one day

// Collects the attribute words of a notice: an icon word as MESSAGEBOX takes it, and the
// seconds the notice stands (1 to kNoticeMostSeconds).
class NoticeBoxAttributes {
 public:
  enum class Reading { kTaken, kUnknown, kWrongValue };

  // Applies one upper-cased word. A number outside the range gives kWrongValue, any other
  // word that is neither an icon nor a number kUnknown; the attributes are then unchanged.
  Reading Apply(std::wstring_view upper_word);

  MessageIcon icon() const { return icon_; }
  int seconds() const { return seconds_; }

 private:
  MessageIcon icon_ = MessageIcon::kNone;
  int seconds_ = kNoticeDefaultSeconds;
};

}  // namespace kelvari
