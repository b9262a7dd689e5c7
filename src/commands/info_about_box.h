// InfoForm, the about box of the INFO command: its design (controls and their positions in
// twips), the texts that its load handler sets, where it goes on the screen, and what its
// buttons do. The window itself is the system's (System::ShowInfoForm, which gets the form's
// handlers); this class holds everything that does not depend on it.
#pragma once

#include <array>
#include <string>

#include "core/twips.h"
#include "core/system.h"

namespace kelvari {

// The design of the about box.
namespace info_design {
inline constexpr int kClientWidth = 9384;
inline constexpr int kClientHeight = 6396;
inline constexpr TwipsRect kPicture1{120, 120, 1635, 6135};
inline constexpr int kPictureWidthPixels = 157;
inline constexpr int kPictureHeightPixels = 552;
inline constexpr TwipsRect kLabel0{1920, 120, 7335, 5415};
inline constexpr double kLabelFontPoints = 9.6;  // Arial, weight 400, character set 0
inline constexpr int kLine1X1 = 1919, kLine1X2 = 9294, kLine1Y = 5572;
inline constexpr std::array<TwipsRect, 3> kBtn{{
    {1920, 5700, 1455, 555},  // E-Mail
    {3540, 5700, 1995, 555},  // News
    {7860, 5700, 1455, 555},  // Close
}};
}  // namespace info_design

// The members of the control array Btn, in tab order.
enum InfoButton : int { kBtnMail = 0, kBtnNews = 1, kBtnClose = 2 };

inline constexpr int kShowNormal = 1;  // SW_SHOWNORMAL

// The about text: name, purpose and version; the © line ending in `current_year`; the
// closing line with the web site. Paragraphs are separated by two CR characters.
std::wstring AboutText(int current_year);

// "mailto:" target of the E-Mail button, the subject unescaped: Kelvari (V2.7.13).
std::wstring MailTarget();

// True when a screen of this size in pixels gets the about box centred (more than 640 × 480);
// otherwise it goes to the upper-left corner.
bool CentresAboutBox(float screen_width_pixels, float screen_height_pixels);

class InfoForm {
 public:
  explicit InfoForm(System& system) : system_(system) {}

  // The load handler. `outer_width` and `outer_height` are the window's outer size in twips;
  // sets Left and Top, the tooltips, the caption and the about text.
  void Load(float outer_width, float outer_height);

  // The click handler of Btn. Returns true when the about box is to be unloaded (Close).
  bool BtnClick(int index, WindowHandle self);

  // What the form shows now.
  AboutBoxView View() const;

  // The handlers through which the system shows this form.
  AboutBoxSetup Setup();

  std::wstring Caption;
  std::wstring LabelText;  // Label member 0
  std::array<std::wstring, 3> BtnCaption{L"Eine &E-Mail an mich schreiben",
                                         L"Die 'News'-Seite auf meiner Web-Site \u00F6ffnen",
                                         L"Dieses Fenster &schliessen"};
  std::array<std::wstring, 3> BtnToolTip{L"", L"", L"... bringt Sie zur\u00FCck zum Programm"};
  float Left = 0;
  float Top = 0;

 private:
  System& system_;
};

}  // namespace kelvari
