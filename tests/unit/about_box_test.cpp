#include "commands/about_box.h"

#include <gtest/gtest.h>

#include "commands/maker.h"
#include "run_program.h"
#include "version.h"

namespace kelvari {
namespace {

using testing::FakeSystem;

// Runs "erg.txt INFO" with the user clicking `clicks` in the about box.
FakeSystem RunInfo(std::vector<int> clicks = {}, ScreenMetrics screen = {19200, 15360, 15, 15}) {
  FakeSystem sys;
  sys.argument_text = L"erg.txt info";
  sys.info_clicks = std::move(clicks);
  sys.screen = screen;
  EXPECT_EQ(testing::RunProgram(sys), kExitAnswered);
  return sys;
}

TEST(AboutBox, AboutTextHasThreeParagraphsAndTheYearOfTheSystemDate) {
  FakeSystem sys;
  sys.argument_text = L"erg.txt INFO";
  sys.year = 2031;
  testing::RunProgram(sys);
  ASSERT_EQ(sys.shown_info.size(), 1u);
  EXPECT_EQ(sys.shown_info[0].text,
            L"Kelvari \u2013 Windows-Zusatzkommandos f\u00FCr Stapeldateien (V" KELVARI_VERSION_WTEXT L")\r\r"
            L"\u00A9 2019 - 2031 Das Kelvari-Projekt\r\r"
            L"Verbesserungsvorschl\u00E4ge sind mir immer gern willkommen. Weitere interessante "
            L"Tools und Infos finden Sie auf meiner Web-Site unter "
            L"https://www.example.org/kelvari/");
  EXPECT_EQ(sys.shown_info[0].text.find(L'\n'), std::wstring::npos);
  EXPECT_NE(AboutText(2099).find(L"(V" KELVARI_VERSION_WTEXT L")\r\r\u00A9 2019 - 2099 "),
            std::wstring::npos);
}

TEST(AboutBox, CaptionButtonsAndTooltips) {
  const FakeSystem sys = RunInfo();
  ASSERT_EQ(sys.shown_info.size(), 1u);
  const AboutBoxView& info = sys.shown_info[0];
  EXPECT_EQ(info.caption, L"Info \u00FCber Kelvari");
  EXPECT_EQ(info.button_captions[kMailButton], L"Eine &E-Mail an mich schreiben");
  EXPECT_EQ(info.button_captions[kNewsButton], L"Die 'News'-Seite auf meiner Web-Site \u00F6ffnen");
  EXPECT_EQ(info.button_captions[kCloseButton], L"Dieses Fenster &schliessen");
  EXPECT_EQ(info.button_tooltips[kMailButton],
            L"... startet Ihr E-Mail-Programm f\u00FCr eine Nachricht an mich unter "
            L"''kelvari@example.org''");
  EXPECT_EQ(info.button_tooltips[kNewsButton],
            L"... startet Ihren Internet-Browser mit dem Ziel "
            L"https://www.example.org/kelvari/news.htm");
  EXPECT_EQ(info.button_tooltips[kCloseButton], L"... bringt Sie zur\u00FCck zum Programm");
}

TEST(AboutBox, ButtonsOpenMailAndNewsAndKeepTheBoxOpen) {
  const FakeSystem sys =
      RunInfo({kMailButton, kMailButton, kNewsButton, kCloseButton, kNewsButton});
  ASSERT_EQ(sys.shell_calls.size(), 3u);  // nothing after Close
  for (int i : {0, 1}) {
    EXPECT_EQ(sys.shell_calls[i].target,
              L"mailto:kelvari@example.org?subject=Kelvari (V" KELVARI_VERSION_WTEXT L")");
    EXPECT_EQ(sys.shell_calls[i].kind, DocumentKind::kAddress);
  }
  EXPECT_EQ(sys.shell_calls[2].target, L"https://www.example.org/kelvari/news.htm");
  EXPECT_EQ(sys.shell_calls[2].kind, DocumentKind::kAddress);
  EXPECT_EQ(sys.main_window_created, 0);  // the about box owns what it opens
  EXPECT_TRUE(sys.files.empty());
  EXPECT_TRUE(sys.boxes.empty());
}

TEST(AboutBox, ClosingWritesNoResultAndLeavesAnOldOneAlone) {
  FakeSystem sys;
  sys.argument_text = L"erg.txt INFO";
  sys.files[L"erg.txt"].bytes = "ALT\r\n";
  EXPECT_EQ(testing::RunProgram(sys), kExitAnswered);
  EXPECT_EQ(sys.files[L"erg.txt"].bytes, "ALT\r\n");
  EXPECT_TRUE(sys.shell_calls.empty());
}

TEST(AboutBox, PositionRule) {
  EXPECT_FALSE(CentresAboutBox(640, 480));
  EXPECT_FALSE(CentresAboutBox(1024, 480));
  EXPECT_FALSE(CentresAboutBox(640, 1024));
  EXPECT_TRUE(CentresAboutBox(800, 600));
  EXPECT_TRUE(CentresAboutBox(641, 481));

  // Centred on the work area, or in the upper-left corner of the screen.
  struct Case {
    ScreenMetrics screen;
    bool centred;
  };
  const Case cases[] = {
      {{19200, 15360, 15, 15}, true},    // 1280 x 1024
      {{12000, 9000, 15, 15}, true},     // 800 x 600
      {{9600, 7200, 15, 15}, false},     // 640 x 480
      {{15360, 7200, 15, 15}, false},    // 1024 x 480
      {{9600, 7200, 7.5f, 7.5f}, true},  // 1280 x 960 at 192 dots per inch
      {{9000, 6000, 15, 15}, false},     // smaller than the box
  };
  for (const Case& c : cases) {
    const FakeSystem sys = RunInfo({}, c.screen);
    ASSERT_EQ(sys.shown_info.size(), 1u);
    EXPECT_EQ(sys.shown_info[0].centred, c.centred) << c.screen.width_twips;
  }
}

TEST(AboutBox, DesignFitsTheClientArea) {
  using namespace about_box_design;
  for (const TwipsRect& r : {kPicture, kText, kButtons[0], kButtons[1], kButtons[2]}) {
    EXPECT_LE(r.left + r.width, kClientWidth);
    EXPECT_LE(r.top + r.height, kClientHeight);
  }
  // The buttons do not overlap and stand in tab order from left to right.
  EXPECT_LT(kButtons[0].left + kButtons[0].width, kButtons[1].left);
  EXPECT_LT(kButtons[1].left + kButtons[1].width, kButtons[2].left);
  EXPECT_LT(kRuleTop, kButtons[0].top);
}

}  // namespace
}  // namespace kelvari
