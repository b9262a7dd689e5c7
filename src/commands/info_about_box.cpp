#include "commands/info_about_box.h"

#include "commands/info_maker.h"
#include "core/paths_and_version.h"

namespace kelvari {
namespace {

constexpr std::wstring_view kProgramName = L"Kelvari";

}  // namespace

std::wstring AboutText(int current_year) {
  std::wstring text(kProgramName);
  text += L" \u2013 Windows-Zusatzkommandos f\u00FCr Stapeldateien";
  text += VersionString();
  text += L"\r\r";
  text += L"\u00A9 " + std::to_wstring(kFirstYear) + L" - " + std::to_wstring(current_year);
  text += kHolder;
  text += L"\r\r";
  text +=
      L"Verbesserungsvorschl\u00E4ge sind mir immer gern willkommen. Weitere interessante Tools "
      L"und Infos finden Sie auf meiner Web-Site unter ";
  text += kWebSite;
  return text;
}

std::wstring MailTarget() {
  return L"mailto:" + std::wstring(kSupportMail) + L"?subject=" + std::wstring(kProgramName) +
         VersionString();
}

bool CentresAboutBox(float screen_width_pixels, float screen_height_pixels) {
  return screen_width_pixels > 640.0f && screen_height_pixels > 480.0f;
}

void InfoForm::Load(float outer_width, float outer_height) {
  const ScreenMetrics screen = system_.Screen();
  const float height_pixels = screen.height_twips / screen.twips_per_pixel_y;
  const float width_pixels = screen.width_twips / screen.twips_per_pixel_x;
  if (CentresAboutBox(width_pixels, height_pixels)) {
    Left = CenteredPosition(screen.width_twips, outer_width);
    Top = CenteredPosition(screen.height_twips, outer_height);
  } else {
    Top = 0;
    Left = 0;
  }

  BtnToolTip[kBtnMail] =
      L"... startet Ihr E-Mail-Programm f\u00FCr eine Nachricht an mich unter ''" +
      std::wstring(kSupportMail) + L"''";
  BtnToolTip[kBtnNews] =
      L"... startet Ihren Internet-Browser mit dem Ziel " + std::wstring(kNewsPage);

  Caption = L"Info \u00FCber " + std::wstring(kProgramName);
  LabelText = AboutText(system_.CurrentYear());
}

bool InfoForm::BtnClick(int index, WindowHandle self) {
  switch (index) {
    case kBtnMail:
      system_.ShellExecuteOpen(self, MailTarget(), kShowNormal);
      return false;
    case kBtnNews:
      system_.ShellExecuteOpen(self, std::wstring(kNewsPage), kShowNormal);
      return false;
    default:
      return true;
  }
}

AboutBoxView InfoForm::View() const {
  return {Caption, LabelText, BtnCaption, BtnToolTip, Left, Top};
}

AboutBoxSetup InfoForm::Setup() {
  return {[this](float outer_width, float outer_height) {
            Load(outer_width, outer_height);
            return View();
          },
          [this](int button, WindowHandle self) { return BtnClick(button, self); }};
}

}  // namespace kelvari
