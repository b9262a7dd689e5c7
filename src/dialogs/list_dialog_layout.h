// The design of the list dialog in twips (1440 to the inch) and its conversion to the pixels
// of a screen with a given number of dots per inch.
#pragma once

namespace kelvari {

struct TwipsRect {
  int left, top, width, height;
};

struct PixelRect {
  int left, top, width, height;
};

// Positions relative to the form's client area (the frame's controls include its offset).
struct ListDialogDesign {
  int client_width = 6960;
  int client_height = 3732;
  TwipsRect frame{60, 0, 6852, 3672};
  TwipsRect list{60 + 120, 0 + 240, 4035, 3120};
  TwipsRect ok{60 + 5580, 0 + 3180, 1152, 372};
  TwipsRect cancel{60 + 4320, 0 + 3180, 1152, 372};
  TwipsRect label{60 + 4320, 0 + 240, 2412, 2832};
};

// Twips to pixels at `dpi`, rounded to the nearest pixel.
int TwipsToPixels(int twips, int dpi);
PixelRect TwipsToPixels(const TwipsRect& rect, int dpi);

}  // namespace kelvari
