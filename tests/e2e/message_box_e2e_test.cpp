// MESSAGEBOX from the batch file's side: every button set, its preselected button and icon,
// and the answer in the result file.
#include <gtest/gtest.h>

#include "driver.h"

namespace kvtest {
namespace {

struct Case {
  const char* attributes;
  std::vector<std::wstring> buttons;
  std::wstring preselected;
  int icon;
  std::wstring press;
  const char* result;
  const char* title_line = "Titel \xFC";  // an empty line gives the application title
  std::wstring title = L"Titel \u00FC";
};

class MessageBoxE2E : public ::testing::TestWithParam<Case> {};

TEST_P(MessageBoxE2E, ShowsTheButtonsAndWritesThePressedOne) {
  const Case& c = GetParam();
  const auto dir = FreshWorkDir();
  WriteBytes(dir / "p.txt", std::string("; Frage an den Benutzer\r\n") + c.title_line + "\r\n" +
                                c.attributes + "\r\nZeile 1\r\n\r\nZeile 3\r\n");
  Program kv(L"erg.txt MESSAGEBOX p.txt", dir);
  HWND box = kv.WaitForWindow(L"#32770");
  ASSERT_NE(box, nullptr);
  const MessageBoxView view = ReadMessageBox(box);
  EXPECT_EQ(view.title, c.title);
  EXPECT_EQ(view.text, L"Zeile 1\r\rZeile 3");
  EXPECT_EQ(view.buttons, c.buttons);
  EXPECT_EQ(view.default_button, c.preselected);
  EXPECT_EQ(view.icon_id, c.icon);
  PressButton(box, c.press);
  EXPECT_EQ(kv.WaitForExit(), 0u);
  EXPECT_EQ(ReadBytes(dir / "erg.txt"), std::string(c.result) + "\r\n");
}

const std::wstring kJa = L"Ja", kNein = L"Nein", kOk = L"OK", kAbbrechen = L"Abbrechen",
                   kWiederholen = L"Wiederholen", kIgnorieren = L"Ignorieren";

INSTANTIATE_TEST_SUITE_P(
    ButtonSets, MessageBoxE2E,
    ::testing::Values(
        Case{"", {kOk}, kOk, 0, kOk, "OK"},
        Case{"JN", {kJa, kNein}, kJa, 0, kJa, "JA", "   ", L"KELVARI"},
        Case{"jn frage", {kJa, kNein}, kJa, 32514, kNein, "NEIN"},
        Case{"JaNein Rechts", {kJa, kNein}, kNein, 0, kJa, "JA"},
        Case{"OA STOP MITTE", {kOk, kAbbrechen}, kAbbrechen, 32513, kAbbrechen, "ABBRECHEN"},
        Case{"AWI WARNUNG",
             {L"Abbruch", kWiederholen, kIgnorieren},
             L"Abbruch",
             32515,
             L"Abbruch",
             "ABBRECHEN"},
        Case{"AWI RECHTS",
             {L"Abbruch", kWiederholen, kIgnorieren},
             kIgnorieren,
             0,
             kIgnorieren,
             "IGNORIEREN"},
        Case{"AWI",
             {L"Abbruch", kWiederholen, kIgnorieren},
             L"Abbruch",
             0,
             kWiederholen,
             "WIEDERHOLEN"},
        Case{"JNA INFO RECHTS",
             {kJa, kNein, kAbbrechen},
             kAbbrechen,
             32516,
             kAbbrechen,
             "ABBRECHEN"},
        Case{"JANEINABBRECHEN MITTE", {kJa, kNein, kAbbrechen}, kNein, 0, kJa, "JA"},
        Case{"WA", {kWiederholen, kAbbrechen}, kWiederholen, 0, kWiederholen, "WIEDERHOLEN"},
        Case{"OKABBRECHEN INFORMATION", {kOk, kAbbrechen}, kOk, 32516, kOk, "OK"}));

// Enter takes the preselected button; in a box with "Abbrechen", Escape and the close box count
// as that button.
struct KeyEnd {
  const char* attributes;
  enum { kEnter, kEscape, kCloseBox } how;
  const char* result;
};

class MessageBoxKeys : public ::testing::TestWithParam<KeyEnd> {};

TEST_P(MessageBoxKeys, EndLikeTheButton) {
  const KeyEnd& k = GetParam();
  const auto dir = FreshWorkDir();
  WriteBytes(dir / "p.txt", std::string("Titel\r\n") + k.attributes + "\r\nText\r\n");
  Program kv(L"erg.txt MESSAGEBOX p.txt", dir);
  HWND box = kv.WaitForWindow(L"#32770");
  ASSERT_NE(box, nullptr);
  switch (k.how) {
    case KeyEnd::kEnter:
      PressKey(VK_RETURN);
      break;
    case KeyEnd::kEscape:
      PressKey(VK_ESCAPE);
      break;
    case KeyEnd::kCloseBox:
      ClickCloseBox(box);
      break;
  }
  EXPECT_EQ(kv.WaitForExit(), 0u);
  EXPECT_EQ(ReadBytes(dir / "erg.txt"), std::string(k.result) + "\r\n");
}

INSTANTIATE_TEST_SUITE_P(Ways, MessageBoxKeys,
                         ::testing::Values(KeyEnd{"JNA MITTE", KeyEnd::kEnter, "NEIN"},
                                           KeyEnd{"OA", KeyEnd::kEscape, "ABBRECHEN"},
                                           KeyEnd{"JNA", KeyEnd::kCloseBox, "ABBRECHEN"},
                                           KeyEnd{"WA", KeyEnd::kEscape, "ABBRECHEN"}));

TEST(MessageBoxErrors, UnknownAttributeIsErrorSixAndNoBox) {
  const auto dir = FreshWorkDir();
  WriteBytes(dir / "p.txt", "T\r\nJN frage,gr\xFCn\r\nText\r\n");
  WriteBytes(dir / "erg.txt", "ALT\r\n");
  const BoxCall run = OneBoxThenOk(L"erg.txt messagebox p.txt", dir);
  EXPECT_EQ(run.box.title, L"Kelvari");
  EXPECT_EQ(run.box.text,
            L"Ausf\u00FChrungsfehler:\r\rBefehl MESSAGEBOX: Unbekanntes Attribut FRAGE,GR\u00DCN.");
  EXPECT_EQ(run.box.icon_id, 32513);
  EXPECT_EQ(run.box.buttons, std::vector<std::wstring>{L"OK"});
  EXPECT_EQ(run.exit, 2u);
  EXPECT_EQ(run.result, "ALT\r\n");
}

// A parameter file that kv.cmd wrote: after its sign, every line is the text the batch file
// named, in UTF-8 whatever its bytes look like (only C4 and C5 here), never a comment, never
// trimmed.
TEST(MessageBoxTexts, AKvCmdFileShowsEveryLineAsItStands) {
  const auto dir = FreshWorkDir();
  WriteBytes(dir / "p.txt",
             ";kv.cmd:UTF-8\r\n\xC4\x86"
             "evap\xC4\x8Di\xC4\x87i \xC4\x9E\xC4\xB0\xC5\x9E\r\n\r\n"
             "Remote-Rechner neu starten?\r\n  = mit Blanken =  \r\n\r\n; kein Kommentar\r\n");
  const BoxCall run = OneBoxThenOk(L"erg.txt MESSAGEBOX p.txt", dir);
  EXPECT_EQ(run.box.title, L"\u0106evap\u010Di\u0107i \u011E\u0130\u015E");
  EXPECT_EQ(run.box.text, L"Remote-Rechner neu starten?\r  = mit Blanken =  \r\r; kein Kommentar");
  EXPECT_EQ(run.exit, 0u);
  EXPECT_EQ(run.result, "OK\r\n");
}

}  // namespace
}  // namespace kvtest
