#include "core/twips.h"

#include <cstdint>

namespace kelvari {

int TwipsToPixels(int twips, int dpi) {
  const std::int64_t product = static_cast<std::int64_t>(twips) * dpi;
  const std::int64_t half = product >= 0 ? 720 : -720;
  return static_cast<int>((product + half) / 1440);
}

PixelRect TwipsToPixels(const TwipsRect& rect, int dpi) {
  return {TwipsToPixels(rect.left, dpi), TwipsToPixels(rect.top, dpi),
          TwipsToPixels(rect.width, dpi), TwipsToPixels(rect.height, dpi)};
}

}  // namespace kelvari
