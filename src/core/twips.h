// Positions of the program's own windows as they are designed, in twips (1440 to the inch),
// and their conversion to the pixels of a screen with a given number of dots per inch.
#pragma once

namespace kelvari {

// A rectangle of a design, in twips, relative to the client area of its window.
struct TwipsRect {
  int left, top, width, height;
};

struct PixelRect {
  int left, top, width, height;
};

// Twips to pixels at `dpi`, rounded to the nearest pixel (halves away from zero).
int TwipsToPixels(int twips, int dpi);
PixelRect TwipsToPixels(const TwipsRect& rect, int dpi);

}  // namespace kelvari
