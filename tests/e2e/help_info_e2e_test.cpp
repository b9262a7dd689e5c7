// HELP and INFO from the user's side: the help document reaches the shell's handler for .htm
// files and is confirmed; the about box shows its texts, opens mail and news through the shell
// and ends the program when it is closed. Neither writes a result file.
#include <windows.h>

#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <cstring>
#include <optional>

#include "driver.h"
#include "shell_recorder.h"
#include "version.h"
#include "window_picture.h"

namespace kvtest {
namespace {

bool EndsWith(const std::wstring& text, const std::wstring& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// Runs kelvari with `args`, expects the help confirmation, presses OK and returns the exit code.
std::optional<DWORD> RunHelp(const std::wstring& args, const std::filesystem::path& dir) {
  const BoxCall run = OneBoxThenOk(args, dir);
  EXPECT_EQ(run.box.title, L"KELVARI");
  EXPECT_EQ(run.box.text, L"HTML-Hilfetext wurde an den Standard-Browser geschickt ...");
  EXPECT_EQ(run.box.buttons, std::vector<std::wstring>{L"OK"});
  EXPECT_EQ(run.box.icon_id, 32516);  // information
  return run.exit;
}

TEST(Help, OpensTheDocumentBesideTheProgramAndConfirms) {
  const auto dir = FreshWorkDir();
  for (const wchar_t* args : {L"", L"   ", L"erg.txt HELP", L"erg.txt help weitere Worte"}) {
    UseShellRecorder();
    EXPECT_EQ(RunHelp(args, dir), 0u) << Utf8(args);
    const auto calls = WaitForShellCalls(1);
    ASSERT_EQ(calls.size(), 1u) << Utf8(args);
    const std::wstring document =
        KelvariExe().substr(0, KelvariExe().find_last_of(L'\\') + 1) + L"Kelvari.htm";
    EXPECT_NE(calls[0].find(L"Kelvari.htm"), std::wstring::npos) << Utf8(calls[0]);
    EXPECT_TRUE(std::filesystem::exists(document));
    EXPECT_FALSE(ReadBytes(dir / "erg.txt").has_value());
  }
}

TEST(Help, LeavesAnOldResultFileAlone) {
  const auto dir = FreshWorkDir();
  UseShellRecorder();
  WriteBytes(dir / "erg.txt", "ALT\r\n");
  EXPECT_EQ(RunHelp(L"erg.txt Help", dir), 0u);
  EXPECT_EQ(ReadBytes(dir / "erg.txt"), "ALT\r\n");
}

TEST(Help, ConfirmsEvenWithoutTheDocument) {
  const auto dir = FreshWorkDir();
  UseShellRecorder();
  // A copy of the program in a folder that holds no help document.
  std::filesystem::copy_file(KelvariExe(), dir / "kelvari.exe");
  Program kv(L"\"" + (dir / "kelvari.exe").wstring() + L"\" erg.txt HELP", dir, true);
  HWND box = kv.WaitForWindow(L"#32770");
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(ReadMessageBox(box).text,
            L"HTML-Hilfetext wurde an den Standard-Browser geschickt ...");
  PressButton(box, L"OK");
  EXPECT_EQ(kv.WaitForExit(), 0u);
  EXPECT_FALSE(ReadBytes(dir / "erg.txt").has_value());
}

// --- INFO ---------------------------------------------------------------------------------

constexpr int kLabelId = 200;

std::wstring ExpectedAboutText() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  return L"Kelvari \u2013 Windows-Zusatzkommandos f\u00FCr Stapeldateien (V" KELVARI_VERSION_WTEXT L")\r\r"
         L"\u00A9 2019 - " +
         std::to_wstring(now.wYear) +
         L" Das Kelvari-Projekt\r\r"
         L"Verbesserungsvorschl\u00E4ge sind mir immer gern willkommen. Weitere interessante "
         L"Tools und Infos finden Sie auf meiner Web-Site unter https://www.example.org/kelvari/";
}

// The text of the visible tooltip of process `pid`; empty when none shows one.
std::wstring ShownTooltip(DWORD pid) {
  struct Search {
    DWORD pid;
    HWND found = nullptr;
  } search{pid};
  EnumWindows(
      [](HWND w, LPARAM p) -> BOOL {
        auto* s = reinterpret_cast<Search*>(p);
        DWORD owner = 0;
        GetWindowThreadProcessId(w, &owner);
        if (owner == s->pid && IsWindowVisible(w) && ClassName(w) == L"tooltips_class32") {
          s->found = w;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  if (!search.found) return {};
  wchar_t text[512] = {};
  SendMessageW(search.found, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text));
  return text;
}

// Moves the mouse over `control` and returns the text of the tooltip that appears.
std::wstring HoverTooltip(HWND control, DWORD pid) {
  RECT r;
  GetWindowRect(control, &r);
  // Leave the control first, so that the tooltip of the previous one goes away.
  MoveMouseTo({5, 5});
  if (!Eventually([&] { return ShownTooltip(pid).empty(); }, 5000)) {
    std::fprintf(stderr, "tooltip: %s still shown after the mouse left\n",
                 Utf8(ShownTooltip(pid)).c_str());
  }
  const int x = (r.left + r.right) / 2, y = (r.top + r.bottom) / 2;
  // Two moves inside the control: the tooltip starts its timer on the move after the entry.
  MoveMouseTo({x, y});
  MoveMouseTo({x + 1, y});
  std::wstring shown;
  if (Eventually([&] { return !(shown = ShownTooltip(pid)).empty(); })) return shown;
  return L"<no tooltip>";
}

TEST(Info, ShowsTheAboutBoxAndItsButtonsUseTheShell) {
  const auto dir = FreshWorkDir();
  UseShellRecorder();
  Program kv(L"erg.txt INFO", dir);
  HWND about = kv.WaitForWindow(L"#32770");
  ASSERT_NE(about, nullptr);
  EXPECT_EQ(Text(about), L"Info \u00FCber Kelvari");
  const LONG style = GetWindowLongW(about, GWL_STYLE);
  EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
  EXPECT_TRUE(style & WS_SYSMENU);

  // 9384 x 6396 twips at 96 dots per inch, centred on the 1280 x 1024 screen.
  RECT client, outer;
  GetClientRect(about, &client);
  GetWindowRect(about, &outer);
  EXPECT_EQ(client.right, 626);
  EXPECT_EQ(client.bottom, 426);
  EXPECT_NEAR(outer.left, (1280 - (outer.right - outer.left)) / 2, 1);
  EXPECT_NEAR(outer.top, (1024 - (outer.bottom - outer.top)) / 2, 1);

  EXPECT_EQ(Text(GetDlgItem(about, kLabelId)), ExpectedAboutText());

  // The buttons of Btn in tab order, with their access keys.
  std::vector<std::wstring> captions;
  for (HWND c : Children(about)) {
    if (ClassName(c) == L"Button") {
      EXPECT_TRUE(GetWindowLongW(c, GWL_STYLE) & WS_TABSTOP);
      captions.push_back(Text(c));
    }
  }
  EXPECT_EQ(captions,
            (std::vector<std::wstring>{L"Eine &E-Mail an mich schreiben",
                                       L"Die 'News'-Seite auf meiner Web-Site \u00F6ffnen",
                                       L"Dieses Fenster &schliessen"}));
  HWND mail = ChildByText(about, L"Eine E-Mail an mich schreiben");
  HWND news = ChildByText(about, L"Die 'News'-Seite auf meiner Web-Site \u00F6ffnen");
  HWND close = ChildByText(about, L"Dieses Fenster schliessen");
  ASSERT_TRUE(mail && news && close);

  EXPECT_EQ(HoverTooltip(mail, kv.pid()),
            L"... startet Ihr E-Mail-Programm f\u00FCr eine Nachricht an mich unter "
            L"''kelvari@example.org''");
  EXPECT_EQ(HoverTooltip(news, kv.pid()),
            L"... startet Ihren Internet-Browser mit dem Ziel "
            L"https://www.example.org/kelvari/news.htm");
  EXPECT_EQ(HoverTooltip(close, kv.pid()), L"... bringt Sie zur\u00FCck zum Programm");
  SetCursorPos(5, 5);

  // E-Mail twice, then News: three shell calls, and the box stays open.
  Press(mail);
  EXPECT_EQ(WaitForShellCalls(1).size(), 1u);
  Press(mail);
  EXPECT_EQ(WaitForShellCalls(2).size(), 2u);
  Press(news);
  const auto calls = WaitForShellCalls(3);
  ASSERT_EQ(calls.size(), 3u);
  for (int i : {0, 1}) {
    EXPECT_TRUE(EndsWith(
        calls[i], L"\"mailto:kelvari@example.org?subject=Kelvari (V" KELVARI_VERSION_WTEXT L")\""))
        << Utf8(calls[i]);
  }
  EXPECT_TRUE(EndsWith(calls[2], L"\"https://www.example.org/kelvari/news.htm\""))
      << Utf8(calls[2]);
  EXPECT_TRUE(kv.StillRunningAfter(0));
  EXPECT_TRUE(IsWindowVisible(about) && IsWindowEnabled(about));

  Press(close);
  EXPECT_EQ(kv.WaitForExit(), 0u);
  EXPECT_FALSE(ReadBytes(dir / "erg.txt").has_value());
}

TEST(Info, TheCloseBoxEndsTheProgramLikeTheCloseButton) {
  const auto dir = FreshWorkDir();
  WriteBytes(dir / "erg.txt", "ALT\r\n");
  Program kv(L"erg.txt info", dir);
  HWND about = kv.WaitForWindow(L"#32770");
  ASSERT_NE(about, nullptr);
  PostMessageW(about, WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_EQ(kv.WaitForExit(), 0u);
  EXPECT_EQ(ReadBytes(dir / "erg.txt"), "ALT\r\n");
}

// By keyboard alone: the focus starts on Close, the default button, so Enter at once and
// Escape close the box; the E-Mail button sends only when the user moves to it.
TEST(Info, KeysCloseTheBoxAndSendNoMailUnasked) {
  struct Case {
    const char* name;
    std::vector<std::pair<WORD, bool>> keys;  // key, with Alt
    std::size_t mails;                        // shell calls before the box closes
  } cases[] = {
      {"Escape", {{VK_ESCAPE, false}}, 0},
      {"Enter at open", {{VK_RETURN, false}}, 0},
      {"Alt+S", {{'S', true}}, 0},
      {"Tab to E-Mail, Enter, Escape",
       {{VK_TAB, false}, {VK_RETURN, false}, {VK_ESCAPE, false}},
       1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const auto dir = FreshWorkDir();
    UseShellRecorder();
    Program kv(L"erg.txt INFO", dir);
    HWND about = kv.WaitForWindow(L"#32770");
    ASSERT_NE(about, nullptr);
    HWND close = ChildByText(about, L"Dieses Fenster schliessen");
    HWND mail = ChildByText(about, L"Eine E-Mail an mich schreiben");
    ASSERT_TRUE(close && mail);
    EXPECT_EQ(FocusOf(about), close);
    for (const auto& [key, alt] : c.keys) {
      PressKey(key, alt);
      if (key == VK_TAB) {
        ASSERT_TRUE(Eventually([&] { return FocusOf(about) == mail; }));
      }
      if (key == VK_RETURN && c.mails > 0) {
        EXPECT_EQ(WaitForShellCalls(c.mails).size(), c.mails);
        EXPECT_TRUE(IsWindowVisible(about));
      }
    }
    EXPECT_EQ(kv.WaitForExit(), 0u);
    EXPECT_EQ(WaitForShellCalls(c.mails, 500).size(), c.mails);
    EXPECT_FALSE(ReadBytes(dir / "erg.txt").has_value());
  }
}

// The bounding box of the dark pixels (the caption's ink) inside `control`'s border of
// `border` pixels, relative to its top left corner; empty when there is none.
RECT InkInside(HWND control, int border) {
  const std::string picture = WindowPicture(control);
  RECT ink{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
  if (picture.size() < sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER)) return {};
  BITMAPINFOHEADER info;
  std::memcpy(&info, picture.data() + sizeof(BITMAPFILEHEADER), sizeof info);
  const int w = info.biWidth, h = info.biHeight, stride = ((w * 3 + 3) / 4) * 4;
  const auto* pixels = reinterpret_cast<const unsigned char*>(picture.data()) +
                       sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
  for (int y = border; y < h - border; ++y) {
    const unsigned char* row = pixels + static_cast<std::size_t>(h - 1 - y) * stride;  // bottom-up
    for (int x = border; x < w - border; ++x) {
      const unsigned char* p = row + 3 * x;
      if (p[0] < 96 && p[1] < 96 && p[2] < 96) {
        ink = {std::min<LONG>(ink.left, x), std::min<LONG>(ink.top, y),
               std::max<LONG>(ink.right, x + 1), std::max<LONG>(ink.bottom, y + 1)};
      }
    }
  }
  return ink.left == INT_MAX ? RECT{} : ink;
}

class AboutBoxAtDpi : public ::testing::TestWithParam<DWORD> {};

// Every caption fits its button whole: its lines keep clear of the button's edges, none is cut.
TEST_P(AboutBoxAtDpi, EveryCaptionFitsItsButton) {
  const auto dir = FreshWorkDir();
  std::optional<Program> kv;
  HWND about = nullptr;
  {
    DisplayDpi display(GetParam());  // read when the program starts its windows
    kv.emplace(L"erg.txt INFO", dir);
    about = kv->WaitForWindow(L"#32770");
  }
  ASSERT_NE(about, nullptr);
  // A window of the test's own in front takes the focus away, and with it the focus rectangle
  // that would read as ink along a button's edges.
  HWND front = CreateWindowExW(WS_EX_TOPMOST, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 1, 1,
                               nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(front, nullptr);
  SetForegroundWindow(front);
  ASSERT_TRUE(Eventually([&] { return GetForegroundWindow() == front; }));
  constexpr int kBorder = 3, kClear = 1;  // the button's frame, a default button's included
  for (const wchar_t* caption :
       {L"Eine E-Mail an mich schreiben", L"Die 'News'-Seite auf meiner Web-Site \u00F6ffnen",
        L"Dieses Fenster schliessen"}) {
    HWND button = ChildByText(about, caption);
    ASSERT_NE(button, nullptr) << Utf8(caption);
    RECT place;
    GetWindowRect(button, &place);
    const int w = place.right - place.left, h = place.bottom - place.top;
    RECT ink{};
    // The display shows the redrawn buttons in its own time.
    const bool clear = Eventually(
        [&] {
          ink = InkInside(button, kBorder);
          return !IsRectEmpty(&ink) && ink.top >= kBorder + kClear &&
                 ink.bottom <= h - kBorder - kClear && ink.left >= kBorder + kClear &&
                 ink.right <= w - kBorder - kClear;
        },
        3000);
    EXPECT_TRUE(clear) << GetParam() << " dpi: the caption " << Utf8(caption) << " reaches "
                       << ink.left << ".." << ink.right << " x " << ink.top << ".." << ink.bottom
                       << " in its button of " << w << " x " << h;
  }
  DestroyWindow(front);
  PostMessageW(about, WM_CLOSE, 0, 0);
  EXPECT_EQ(kv->WaitForExit(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Dpi, AboutBoxAtDpi, ::testing::Values(96u, 120u, 144u));

}  // namespace
}  // namespace kvtest
