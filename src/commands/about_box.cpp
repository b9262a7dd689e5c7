#include "commands/about_box.h"

#include "commands/maker.h"
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

AboutBoxSetup AboutBoxHandlers(Process& process, Dialogs& dialogs) {
  const auto load = [&process, &dialogs]() {
    AboutBoxView view;
    const ScreenMetrics screen = dialogs.Screen();
    const float height_pixels = screen.height_twips / screen.twips_per_pixel_y;
    const float width_pixels = screen.width_twips / screen.twips_per_pixel_x;
    view.centred = CentresAboutBox(width_pixels, height_pixels);
    view.button_captions = {L"Eine &E-Mail an mich schreiben",
                            L"Die 'News'-Seite auf meiner Web-Site \u00F6ffnen",
                            L"Dieses Fenster &schliessen"};
    view.button_tooltips[kMailButton] =
        L"... startet Ihr E-Mail-Programm f\u00FCr eine Nachricht an mich unter ''" +
        std::wstring(kSupportMail) + L"''";
    view.button_tooltips[kNewsButton] =
        L"... startet Ihren Internet-Browser mit dem Ziel " + std::wstring(kNewsPage);
    view.button_tooltips[kCloseButton] = L"... bringt Sie zur\u00FCck zum Programm";
    view.caption = L"Info \u00FCber " + std::wstring(kProgramName);
    view.text = AboutText(process.CurrentYear());
    return view;
  };
  const auto click = [&dialogs](int button) {
    switch (button) {
      case kMailButton:
        dialogs.OpenDocument(DocumentKind::kAddress, MailTarget());
        return false;
      case kNewsButton:
        dialogs.OpenDocument(DocumentKind::kAddress, std::wstring(kNewsPage));
        return false;
      default:
        return true;
    }
  };
  return {load, click};
}

}  // namespace kelvari
