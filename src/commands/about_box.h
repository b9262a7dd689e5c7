// The about box of INFO: its design (controls and their positions in twips), its texts, where
// it goes on the screen, and what its buttons do. The window itself is the system's
// (Dialogs::ShowAboutBox, which gets the handlers made here).
#pragma once

#include <array>
#include <string>

#include "core/system.h"
#include "core/twips.h"

namespace kelvari {

// The design of the about box.
namespace about_box_design {
inline constexpr int kClientWidth = 9384;
inline constexpr int kClientHeight = 6396;
inline constexpr TwipsRect kPicture{120, 120, 1635, 6135};
inline constexpr int kPictureWidthPixels = 157;
inline constexpr int kPictureHeightPixels = 552;
inline constexpr TwipsRect kText{1920, 120, 7335, 5415};
inline constexpr double kTextFontPoints = 9.6;  // Arial, weight 400, character set 0
inline constexpr int kRuleLeft = 1919, kRuleRight = 9294, kRuleTop = 5572;
inline constexpr std::array<TwipsRect, 3> kButtons{{
    {1920, 5700, 1455, 555},  // E-Mail
    {3540, 5700, 1995, 555},  // News
    {7860, 5700, 1455, 555},  // Close
}};
}  // namespace about_box_design

// The about box's buttons, in tab order.
enum AboutButton : int { kMailButton = 0, kNewsButton = 1, kCloseButton = 2 };

// The about text: name, purpose and version; the © line ending in `current_year`; the
// closing line with the web site. Paragraphs are separated by two CR characters.
std::wstring AboutText(int current_year);

// "mailto:" target of the E-Mail button, the subject unescaped: Kelvari (V2.7.13).
std::wstring MailTarget();

// True when a screen of this size in pixels gets the about box centred (more than 640 × 480);
// otherwise it goes to the upper-left corner.
bool CentresAboutBox(float screen_width_pixels, float screen_height_pixels);

// The about box's handlers for Dialogs::ShowAboutBox: its load handler places the box (centred
// on a screen larger than 640 × 480, else in the upper-left corner) and gives its texts; the
// E-Mail and News buttons hand their addresses to the shell and keep the box open, Close ends
// it.
AboutBoxSetup AboutBoxHandlers(Process& process, Dialogs& dialogs);

}  // namespace kelvari
