// KVTIMEOUT and PASSWORDBOX from the batch file's side: every kind of window counts down in its
// title and closes itself with its answer and exit code 3, a key or a click stops that, a wrong
// value is reported in a box of its own, and the password field hides its text but answers it
// byte for byte.
#include <gtest/gtest.h>

#include <algorithm>

#include "driver.h"

namespace kvtest {
namespace {

// True when `window`'s title is `title` followed by the countdown " (noch N s)", N from 1 to
// `seconds`.
bool CountsDown(HWND window, const std::wstring& title, int seconds) {
  const std::wstring text = Text(window);
  for (int n = 1; n <= seconds; ++n) {
    if (text == title + L" (noch " + std::to_wstring(n) + L" s)") return true;
  }
  return false;
}

struct Unattended {
  const char* name;
  const wchar_t* args;
  std::string params;  // p.txt; "%D" stands for the work folder
  const wchar_t* window_class;
  const wchar_t* title;
  std::optional<std::string> result;  // nullopt: the old result file stays
  DWORD exit;
  // Put into the entry field, then "OK" clicked by a posted message, as automation does (no
  // key or mouse input): the window counted down is the box that follows.
  const wchar_t* entered = nullptr;
};

class NobodyAnswers : public ::testing::TestWithParam<Unattended> {};

TEST_P(NobodyAnswers, TheWindowCountsDownAndClosesWithItsAnswer) {
  const Unattended& u = GetParam();
  const auto dir = FreshWorkDir().make_preferred();
  std::string params = u.params;
  if (const auto at = params.find("%D"); at != std::string::npos) {
    params.replace(at, 2, dir.string());
  }
  WriteBytes(dir / "p.txt", params);
  WriteBytes(dir / "liste.txt", "Rot\r\nGr\xFCn\r\n");
  WriteBytes(dir / "erg.txt", "ALT\r\n");
  const Environment timeout(L"KVTIMEOUT", L"2");
  Call call(u.args, dir);
  HWND window = call.Window(u.window_class);
  ASSERT_NE(window, nullptr);
  if (u.entered) {
    SendMessageW(ChildOfClass(window, L"Edit"), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(u.entered));
    PostMessageW(ChildByText(window, L"OK"), BM_CLICK, 0, 0);
    window = WaitForAnotherBox(call.kv, window, 15000);
    ASSERT_NE(window, nullptr);
  }
  std::wstring seen;
  EXPECT_TRUE(Eventually(
      [&] {
        seen = Text(window);
        return CountsDown(window, u.title, 2);
      },
      3000))
      << Utf8(seen);
  EXPECT_EQ(call.kv.WaitForExit(15000), u.exit);
  EXPECT_EQ(call.Result(), u.result.value_or("ALT\r\n"));
}

INSTANTIATE_TEST_SUITE_P(
    EveryKindOfWindow, NobodyAnswers,
    ::testing::Values(
        Unattended{"MessageBoxRight", L"erg.txt MESSAGEBOX p.txt",
                   "Frage\r\nJN FRAGE RECHTS\r\nWeiter?\r\n", L"#32770", L"Frage", "NEIN\r\n", 3},
        Unattended{"MessageBoxFirst", L"erg.txt MESSAGEBOX p.txt", "Frage\r\nJNA\r\nWeiter?\r\n",
                   L"#32770", L"Frage", "JA\r\n", 3},
        Unattended{"InputBox", L"erg.txt INPUTBOX p.txt", "Name\r\nVor schlag\xE4\r\nWer?\r\n",
                   L"#32770", L"Name", "Vor schlag\xE4\r\n", 3},
        Unattended{"PasswordBox", L"erg.txt PASSWORDBOX p.txt",
                   "Anmeldung\r\ngeh&eim\r\nKennwort:\r\n", L"#32770", L"Anmeldung", "geh&eim\r\n",
                   3},
        Unattended{"ListBox", L"erg.txt LISTBOX p.txt", "Farbe\r\nliste.txt\r\n\r\nWelche?\r\n",
                   L"KelvariListe", L"Farbe", std::nullopt, 3},
        // A preselection is the answer nobody gave.
        Unattended{"ListBoxPreselected", L"erg.txt LISTBOX p.txt",
                   "Farbe\r\nliste.txt\r\nMULTISELECT SELECTED=2,1 QUOTED\r\nWelche?\r\n",
                   L"KelvariListe", L"Farbe", "\"Rot\" \"Gr\xFCn\"\r\n", 3},
        Unattended{"FileOpenBox", L"erg.txt FILEOPENBOX p.txt",
                   "Datei\r\nvorschlag.txt\r\n%D\r\nAlle|*.*\r\n", L"#32770", L"Datei",
                   "vorschlag.txt\r\n", 3},
        Unattended{"QueryFolderBox", L"erg.txt QUERYFOLDERBOX p.txt", "Ordner?\r\n", L"#32770",
                   L"Verzeichnis ausw\u00E4hlen", "\r\n", 3},
        Unattended{"FolderBox", L"erg.txt FOLDERBOX p.txt", "Ziel\r\n%D\r\nOrdner?\r\n", L"#32770",
                   L"Ziel", "\r\n", 3},
        Unattended{"ListBoxRequired", L"erg.txt LISTBOX p.txt",
                   "Farbe\r\nliste.txt\r\nMULTISELECT REQUIRED=2 QUOTED\r\nWelche?\r\n",
                   L"KelvariListe", L"Farbe", "\"Gr\xFCn\"\r\n", 3},
        Unattended{"Info", L"erg.txt INFO", "", L"#32770", L"Info \u00FCber Kelvari", std::nullopt,
                   3},
        // A refused text: its message closes itself too, and the call fails.
        Unattended{"RefusalAfterAPostedClick", L"erg.txt INPUTBOX p.txt",
                   "Name\r\nVorschlag\r\nWer?\r\n", L"#32770", L"Kelvari", std::nullopt, 2,
                   L"\u4E2D"},
        // An error stays an error when its box closes itself.
        Unattended{"ErrorBox", L"erg.txt MSGBOX p.txt", "", L"#32770", L"Kelvari", std::nullopt,
                   2}),
    [](const auto& p) { return std::string(p.param.name); });

// Someone is there: a key or a click stops the countdown for good, and the title is the
// window's own again.
TEST(Countdown, AKeyOrAClickStopsIt) {
  for (const char* touch : {"key", "click", "wheel"}) {
    SCOPED_TRACE(touch);
    const auto dir = FreshWorkDir();
    WriteBytes(dir / "p.txt", "Name\r\nVorschlag\r\nWer?\r\n");
    const Environment timeout(L"KVTIMEOUT", L"2");
    Call call(L"erg.txt INPUTBOX p.txt", dir);
    HWND box = call.Window();
    ASSERT_NE(box, nullptr);
    ASSERT_TRUE(Eventually([&] { return CountsDown(box, L"Name", 2); }, 3000));
    HWND entry = ChildOfClass(box, L"Edit");
    if (touch == std::string("key")) {
      PressKey(VK_END);
    } else if (touch == std::string("click")) {
      ClickAt(ChildOfClass(box, L"Static"), {2, 2});
    } else {
      TurnWheel(entry);
    }
    EXPECT_TRUE(Eventually([&] { return Text(box) == L"Name"; }, 3000)) << Utf8(Text(box));
    EXPECT_TRUE(call.kv.StillRunningAfter(3000));
    EXPECT_TRUE(IsWindowVisible(box));
    EXPECT_EQ(Text(box), L"Name");
    EXPECT_EQ(ControlText(entry), L"Vorschlag");
    Press(ChildByText(box, L"OK"));
    EXPECT_EQ(call.kv.WaitForExit(), 0u);
    EXPECT_EQ(call.Result(), "Vorschlag\r\n");
  }
}

// A long title gives way to the count: the title's own end is shortened with "…" so that the
// count stands whole in the title bar, and the first key gives the title back whole.
TEST(Countdown, ALongTitleKeepsTheCountInView) {
  const std::string title =
      "Sicherung der Projektdateien auf das Netzlaufwerk des Rechenzentrums: bitte jetzt "
      "ausw\xE4hlen, welche Ordner mitgesichert werden sollen";
  std::wstring wide_title;  // the title is ASCII and Latin-1
  for (char c : title) wide_title += static_cast<wchar_t>(static_cast<unsigned char>(c));
  struct Case {
    const wchar_t* args;
    std::string params;
    const wchar_t* window_class;
    DWORD exit;  // after the window is closed
  } cases[] = {
      {L"erg.txt MESSAGEBOX p.txt", title + "\r\nOK\r\nWeiter?\r\n", L"#32770", 0},
      {L"erg.txt LISTBOX p.txt", title + "\r\nliste.txt\r\n\r\nWelche?\r\n", L"KelvariListe", 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(Utf8(c.args));
    const auto dir = FreshWorkDir();
    WriteBytes(dir / "p.txt", c.params);
    WriteBytes(dir / "liste.txt", "Rot\r\nGr\xFCn\r\n");
    const Environment timeout(L"KVTIMEOUT", L"600");
    Call call(c.args, dir);
    HWND window = call.Window(c.window_class);
    ASSERT_NE(window, nullptr);
    std::wstring shown;
    ASSERT_TRUE(Eventually(
        [&] {
          shown = Text(window);
          return shown.ends_with(L" s)") && shown != wide_title;
        },
        3000))
        << Utf8(shown);
    const std::size_t cut = shown.find(L'\u2026');
    ASSERT_NE(cut, std::wstring::npos) << Utf8(shown);
    EXPECT_EQ(shown.substr(0, cut), wide_title.substr(0, cut));
    const std::wstring count = shown.substr(cut + 1);
    EXPECT_TRUE(count == L" (noch 600 s)" || count == L" (noch 599 s)" || count == L" (noch 598 s)")
        << Utf8(count);
    // The whole text fits between the title bar's left end and its close box.
    TITLEBARINFO bar{};
    bar.cbSize = sizeof bar;
    ASSERT_TRUE(GetTitleBarInfo(window, &bar));
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0));
    HFONT font = CreateFontIndirectW(&metrics.lfCaptionFont);
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    SIZE size{};
    GetTextExtentPoint32W(dc, shown.c_str(), static_cast<int>(shown.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    DeleteObject(font);
    const LONG room = bar.rcTitleBar.right - bar.rcTitleBar.left - GetSystemMetrics(SM_CXSIZE);
    EXPECT_LE(size.cx, room) << Utf8(shown);
    PressKey(VK_SHIFT);
    EXPECT_TRUE(Eventually([&] { return Text(window) == wide_title; }, 3000)) << Utf8(Text(window));
    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(call.kv.WaitForExit(), c.exit);
  }
}

// A KVTIMEOUT that is no number of seconds from 1 to 86400, or a KVCHARSET that names no known
// encoding, is named in a box that waits 60 s itself; no dialog is shown and the result file
// stays.
TEST(Countdown, AWrongValueIsReportedInsteadOfTheDialog) {
  const std::wstring seconds = L"Erlaubt ist eine ganze Zahl von Sekunden von 1 bis 86400.";
  struct Wrong {
    const wchar_t* variable;
    const wchar_t* value;
    std::wstring allowed;
  };
  for (const Wrong& w :
       {Wrong{L"KVTIMEOUT", L"abc", seconds}, Wrong{L"KVTIMEOUT", L"0", seconds},
        Wrong{L"KVTIMEOUT", L"-5", seconds}, Wrong{L"KVTIMEOUT", L"99999999", seconds},
        Wrong{L"KVCHARSET", L"UTF-16", L"Erlaubt sind ANSI und UTF-8."}}) {
    SCOPED_TRACE(Utf8(w.value));
    const auto dir = FreshWorkDir();
    WriteBytes(dir / "p.txt", "Frage\r\nJN\r\nWeiter?\r\n");
    WriteBytes(dir / "erg.txt", "ALT\r\n");
    const Environment wrong(w.variable, w.value);
    Call call(L"erg.txt MESSAGEBOX p.txt", dir);
    HWND box = call.Window();
    ASSERT_NE(box, nullptr);
    const MessageBoxView view = ReadMessageBox(box);
    EXPECT_EQ(view.text, L"Die Umgebungsvariable " + std::wstring(w.variable) +
                             L" hat den ung\u00FCltigen Wert '" + w.value + L"'.\r" + w.allowed);
    EXPECT_EQ(view.icon_id, 32513);
    EXPECT_TRUE(Eventually([&] { return CountsDown(box, L"Kelvari", 60); }, 3000));
    EXPECT_EQ(view.buttons, std::vector<std::wstring>{L"OK"});
    PressButton(box, L"OK");
    EXPECT_EQ(call.kv.WaitForExit(), 2u);
    EXPECT_EQ(call.Result(), "ALT\r\n");
  }
}

void PutOnClipboard(const std::wstring& text) {
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
  if (memory) {
    std::copy_n(text.c_str(), text.size() + 1, static_cast<wchar_t*>(GlobalLock(memory)));
    GlobalUnlock(memory);
    if (!SetClipboardData(CF_UNICODETEXT, memory)) GlobalFree(memory);
  }
  CloseClipboard();
}

std::wstring ClipboardText() {
  std::wstring text;
  if (!OpenClipboard(nullptr)) return L"<besetzt>";
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) text = chars;
    GlobalUnlock(data);
  }
  CloseClipboard();
  return text;
}

// PASSWORDBOX: the field has the system's password style from the start (the proposal is never
// shown), nothing of it reaches another process or the clipboard, and what is typed arrives
// byte for byte.
TEST(PasswordBox, HidesTheFieldAndAnswersExactly) {
  const auto dir = FreshWorkDir();
  WriteBytes(dir / "p.txt", "Anmeldung\r\nvorgeschlagen\r\nKennwort f\xFCr \\\\server:\r\n");
  Call call(L"erg.txt PasswordBox p.txt", dir);
  HWND box = call.Window();
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(Text(box), L"Anmeldung");
  HWND entry = ChildOfClass(box, L"Edit");
  ASSERT_NE(entry, nullptr);
  EXPECT_NE(GetWindowLongW(entry, GWL_STYLE) & ES_PASSWORD, 0);
  EXPECT_NE(SendMessageW(entry, EM_GETPASSWORDCHAR, 0, 0), 0);
  // Asked from this process, as any program of the user can.
  EXPECT_EQ(ControlText(entry), L"");
  wchar_t line[64] = {63};
  SendMessageW(entry, EM_GETLINE, 0, reinterpret_cast<LPARAM>(line));
  EXPECT_EQ(std::wstring(line, 13).find(L"vorgeschlagen"), std::wstring::npos);
  wchar_t caption[64] = {};
  GetWindowTextW(entry, caption, 64);
  EXPECT_EQ(std::wstring(caption), L"");
  EXPECT_EQ(SendMessageW(entry, EM_LINELENGTH, 0, 0), 0);  // not even the length
  SendMessageW(entry, EM_SETPASSWORDCHAR, 0, 0);
  EXPECT_NE(SendMessageW(entry, EM_GETPASSWORDCHAR, 0, 0), 0);
  PutOnClipboard(L"leer");
  SendMessageW(entry, EM_SETSEL, 0, -1);
  SendMessageW(entry, WM_COPY, 0, 0);
  SendMessageW(entry, WM_CUT, 0, 0);
  ClickAt(entry, {2, 2});
  PressKey(VK_END);
  PressKey(VK_HOME, false, false, /*with_shift=*/true);
  PressKey(VK_INSERT, false, /*with_ctrl=*/true);          // copy
  PressKey(VK_DELETE, false, false, /*with_shift=*/true);  // cut
  TypeText(L" Geh\u00E9im\u20AC \"%!&^ ");
  // Another program cannot replace what the user typed.
  EXPECT_FALSE(SendMessageW(entry, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"ersetzt")));
  EXPECT_EQ(Text(ChildByText(box, L"OK")), L"&OK");
  PressKey('O', /*with_alt=*/true);  // an access key, not a letter of the password
  EXPECT_EQ(call.kv.WaitForExit(), 0u);
  EXPECT_EQ(call.Result(), " Geh\xE9im\x80 \"%!&^ \r\n");
  EXPECT_EQ(ClipboardText(), L"leer");
}

}  // namespace
}  // namespace kvtest
