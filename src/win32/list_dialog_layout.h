// The design of the list dialog in twips (1440 to the inch), and its places in pixels for a
// prompt that needs more room than the design gives it.
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

// The dialog's client area and controls in pixels.
struct ListDialogPlaces {
  int client_width, client_height;
  PixelRect frame, list, ok, cancel, label;
};

// The design at `dpi`, with the prompt `taller` pixels taller than designed: the window, the
// frame and the list grow by as much, and the buttons stay below the prompt.
inline ListDialogPlaces ListDialogPlacesAt(int dpi, int taller) {
  const ListDialogDesign design;
  ListDialogPlaces places{
      TwipsToPixels(design.client_width, dpi), TwipsToPixels(design.client_height, dpi),
      TwipsToPixels(design.frame, dpi),        TwipsToPixels(design.list, dpi),
      TwipsToPixels(design.ok, dpi),           TwipsToPixels(design.cancel, dpi),
      TwipsToPixels(design.label, dpi)};
  if (taller <= 0) return places;
  places.client_height += taller;
  places.frame.height += taller;
  places.list.height += taller;
  places.label.height += taller;
  places.ok.top += taller;
  places.cancel.top += taller;
  return places;
}

}  // namespace kelvari
