// The design of the list dialog in twips (1440 to the inch).
#pragma once

#include "core/twips.h"

namespace kelvari {

// Positions relative to the window's client area (the frame's controls include its offset).
struct ListDialogDesign {
  int client_width = 6960;
  int client_height = 3732;
  TwipsRect frame{60, 0, 6852, 3672};
  TwipsRect list{60 + 120, 0 + 240, 4035, 3120};
  TwipsRect ok{60 + 5580, 0 + 3180, 1152, 372};
  TwipsRect cancel{60 + 4320, 0 + 3180, 1152, 372};
  TwipsRect label{60 + 4320, 0 + 240, 2412, 2832};
};

}  // namespace kelvari
