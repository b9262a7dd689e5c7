// INPUTBOX from the batch file's side: the box's texts and buttons, typing, every way of
// closing it, and the answer in the result file.
#include <gtest/gtest.h>

#include "driver.h"

namespace kvtest {
namespace {

struct InputBoxView {
  HWND box = nullptr, prompt = nullptr, entry = nullptr, ok = nullptr, cancel = nullptr;
};

InputBoxView Find(HWND box) {
  InputBoxView v;
  v.box = box;
  v.prompt = ChildOfClass(box, L"Static");
  v.entry = ChildOfClass(box, L"Edit");
  v.ok = ChildByText(box, L"OK");
  v.cancel = ChildByText(box, L"Abbrechen");
  return v;
}

// Selects the whole text of `entry` as the user does: a click into it, Home, Shift+End.
void SelectAllOf(HWND entry) {
  ClickAt(entry, {2, 2});
  PressKey(VK_HOME);
  PressKey(VK_END, /*with_alt=*/false, /*with_ctrl=*/false, /*with_shift=*/true);
}

const char* const kParams =
    "Eingabe \xFC\r\n; Kommentar\r\nVorschlag  \r\nWie hei\xDF"
    "t die Datei?\r\n\r\nDritte Zeile\r\n";

TEST(InputBoxE2E, ShowsTitlePromptAndSelectedProposal) {
  const auto dir = FreshWorkDir();
  WriteBytes(dir / "p.txt", kParams);
  Program kv(L"erg.txt INPUTBOX p.txt", dir);
  HWND box = kv.WaitForWindow(L"#32770");
  ASSERT_NE(box, nullptr);
  const InputBoxView v = Find(box);
  ASSERT_TRUE(v.prompt && v.entry && v.ok && v.cancel);
  EXPECT_EQ(Text(box), L"Eingabe \u00FC");
  EXPECT_EQ(Text(v.prompt), L"Wie hei\u00DFt die Datei?\r\n\r\nDritte Zeile");
  EXPECT_EQ(ControlText(v.entry), L"Vorschlag");  // the parameter line is trimmed
  const DWORD selection = static_cast<DWORD>(SendMessageW(v.entry, EM_GETSEL, 0, 0));
  EXPECT_EQ(LOWORD(selection), 0);
  EXPECT_EQ(HIWORD(selection), 9);
  EXPECT_EQ(FocusOf(box), v.entry);
  EXPECT_EQ(GetWindowLongW(v.ok, GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
  EXPECT_EQ(Text(v.ok), L"&OK");  // Alt+O and Alt+A
  EXPECT_EQ(Text(v.cancel), L"&Abbrechen");
  // The prompt stands right before the entry field: a screen reader names the field by it.
  EXPECT_EQ(GetWindow(v.entry, GW_HWNDPREV), v.prompt);
  EXPECT_EQ(GetWindowLongW(v.cancel, GWL_STYLE) & BS_TYPEMASK, BS_PUSHBUTTON);
  // The buttons stand at the right of the prompt, the entry field below both.
  const RECT prompt = RectInParent(v.prompt), ok = RectInParent(v.ok),
             cancel = RectInParent(v.cancel), entry = RectInParent(v.entry);
  EXPECT_LT(prompt.right, ok.left);
  EXPECT_LT(ok.bottom, cancel.top);
  EXPECT_GT(entry.top, prompt.bottom);
  EXPECT_GT(entry.top, cancel.bottom);
  Press(v.ok);
  EXPECT_EQ(kv.WaitForExit(), 0u);
  EXPECT_EQ(ReadBytes(dir / "erg.txt"), "Vorschlag\r\n");
}

struct Answer {
  const char* name;
  std::wstring typed;  // typed over the selected proposal
  enum { kOkButton, kEnter, kAltO, kEscape, kCancelButton, kAltA, kCloseBox, kSysClose } how;
  std::string result;
  DWORD exit;
  const wchar_t* charset = nullptr;  // KVCHARSET, when set
};

class InputBoxAnswers : public ::testing::TestWithParam<Answer> {};

TEST_P(InputBoxAnswers, WritesWhatTheUserDid) {
  const Answer& a = GetParam();
  const auto dir = FreshWorkDir();
  WriteBytes(dir / "p.txt", kParams);
  WriteBytes(dir / "erg.txt", "ALT\r\n");
  std::optional<Environment> charset;
  if (a.charset) charset.emplace(L"KVCHARSET", a.charset);
  Program kv(L"erg.txt inputbox p.txt", dir);
  HWND box = kv.WaitForWindow(L"#32770");
  ASSERT_NE(box, nullptr);
  const InputBoxView v = Find(box);
  if (!a.typed.empty()) {
    SelectAllOf(v.entry);
    TypeText(a.typed == L"<leer>" ? L"" : a.typed);
    if (a.typed == L"<leer>") PressKey(VK_DELETE);
  }
  switch (a.how) {
    case Answer::kOkButton:
      ClickAt(v.ok, {5, 5});
      break;
    case Answer::kEnter:
      PressKey(VK_RETURN);
      break;
    case Answer::kAltO:
      PressKey('O', /*with_alt=*/true);
      break;
    case Answer::kEscape:
      PressKey(VK_ESCAPE);
      break;
    case Answer::kAltA:
      PressKey('A', /*with_alt=*/true);
      break;
    case Answer::kCancelButton:
      ClickAt(v.cancel, {5, 5});
      break;
    case Answer::kCloseBox:
      PostMessageW(box, WM_CLOSE, 0, 0);
      break;
    case Answer::kSysClose:
      PostMessageW(box, WM_SYSCOMMAND, SC_CLOSE, 0);
      break;
  }
  EXPECT_EQ(kv.WaitForExit(), a.exit);
  EXPECT_EQ(ReadBytes(dir / "erg.txt"), a.result);
}

INSTANTIATE_TEST_SUITE_P(
    Ways, InputBoxAnswers,
    ::testing::Values(Answer{"OkUnchanged", L"", Answer::kOkButton, "Vorschlag\r\n", 0},
                      Answer{"TypedWithBlanks", L"  M\u00FCller \u00DF ", Answer::kEnter,
                             "  M\xFCller \xDF \r\n", 0},
                      Answer{"Cleared", L"<leer>", Answer::kOkButton, "\r\n", 0},
                      Answer{"AltO", L"Oase", Answer::kAltO, "Oase\r\n", 0},
                      Answer{"AltA", L"Abfall", Answer::kAltA, "\r\n", 1},
                      Answer{"Escape", L"", Answer::kEscape, "\r\n", 1},
                      Answer{"CancelAfterTyping", L"weg", Answer::kCancelButton, "\r\n", 1},
                      Answer{"CloseBox", L"", Answer::kCloseBox, "\r\n", 1},
                      Answer{"SystemMenuClose", L"", Answer::kSysClose, "\r\n", 1},
                      // In UTF-8 every text passes exactly, beyond the ANSI code page too.
                      Answer{"Utf8", L"\u0106evap\u010Di\u0107i \U0001F600", Answer::kEnter,
                             "\xC4\x86"
                             "evap\xC4\x8Di\xC4\x87i \xF0\x9F\x98\x80\r\n",
                             0, L"utf-8"}),
    [](const auto& p) { return std::string(p.param.name); });

// An ANSI file whose bytes happen to be valid UTF-8 ("Maß»": DF BB) is read as ANSI and
// answered byte for byte; an empty title line gives the application title.
TEST(InputBoxE2E, AnsiProposalThatLooksLikeUtf8AndNoTitle) {
  const auto dir = FreshWorkDir();
  WriteBytes(dir / "p.txt", "\r\nMa\xDF\xBB \xC4\x84\r\nMa\xDF\x85?\r\n");
  Program kv(L"erg.txt INPUTBOX p.txt", dir);
  HWND box = kv.WaitForWindow(L"#32770");
  ASSERT_NE(box, nullptr);
  const InputBoxView v = Find(box);
  ASSERT_TRUE(v.prompt && v.entry && v.ok);
  EXPECT_EQ(Text(box), L"KELVARI");
  EXPECT_EQ(ControlText(v.entry), L"Ma\u00DF\u00BB \u00C4\u201E");
  EXPECT_EQ(Text(v.prompt), L"Ma\u00DF\u2026?");
  Press(v.ok);
  EXPECT_EQ(kv.WaitForExit(), 0u);
  EXPECT_EQ(ReadBytes(dir / "erg.txt"), "Ma\xDF\xBB \xC4\x84\r\n");
}

// A text that the ANSI code page cannot hold never reaches the batch file changed (Ω as O,
// 字 as the wildcard ?): the box says so and stays open until the text is corrected.
TEST(InputBoxE2E, TextOutsideTheCodePageIsRefusedUntilCorrected) {
  const auto dir = FreshWorkDir();
  // UTF-8, so the proposal can hold a character beyond the ANSI code page.
  WriteBytes(dir / "p.txt", "Eingabe\r\nVorschlag \xE5\xAD\x97\r\nText?\r\n");
  WriteBytes(dir / "erg.txt", "ALT\r\n");
  Program kv(L"erg.txt INPUTBOX p.txt", dir);
  HWND box = kv.WaitForWindow(L"#32770");
  ASSERT_NE(box, nullptr);
  const InputBoxView v = Find(box);
  ASSERT_EQ(ControlText(v.entry), L"Vorschlag \u5B57");
  struct Round {
    std::wstring typed;  // empty: the proposal as it stands
    const wchar_t* named;
  };
  for (const Round& r :
       {Round{L"", L": \u5B57 (U+5B57)."}, Round{L"\u03A9 \u20AC", L": \u03A9 (U+03A9)."}}) {
    if (!r.typed.empty()) {
      SelectAllOf(v.entry);
      TypeText(r.typed);
    }
    PressKey(VK_RETURN);
    HWND message = WaitForAnotherBox(kv, box);
    ASSERT_NE(message, nullptr);
    const MessageBoxView view = ReadMessageBox(message);
    EXPECT_EQ(view.title, L"Kelvari");
    EXPECT_EQ(view.icon_id, 32513);  // IDI_HAND, the stop sign
    EXPECT_TRUE(view.text.starts_with(L"Der eingegebene Text enth\u00E4lt Zeichen"))
        << Utf8(view.text);
    EXPECT_NE(view.text.find(r.named), std::wstring::npos) << Utf8(view.text);
    EXPECT_EQ(GetWindow(message, GW_OWNER), box);  // modal to the input box
    PressButton(message, L"OK");
    ASSERT_TRUE(Eventually([&] { return !IsWindow(message); }));
    EXPECT_TRUE(kv.StillRunningAfter(300));
    EXPECT_TRUE(IsWindowVisible(box) && IsWindowEnabled(box));
    EXPECT_EQ(ReadBytes(dir / "erg.txt"), "ALT\r\n");
  }
  SelectAllOf(v.entry);
  TypeText(L"Omega \u20AC");
  PressKey(VK_RETURN);
  EXPECT_EQ(kv.WaitForExit(), 0u);
  EXPECT_EQ(ReadBytes(dir / "erg.txt"), "Omega \x80\r\n");
}

TEST(InputBoxE2E, TakesAnswersLongerThanTheEditDefault) {
  const auto dir = FreshWorkDir();
  WriteBytes(dir / "p.txt", kParams);
  Program kv(L"erg.txt INPUTBOX p.txt", dir);
  HWND box = kv.WaitForWindow(L"#32770");
  ASSERT_NE(box, nullptr);
  const InputBoxView v = Find(box);
  const std::wstring longest(40000, L'x');
  SendMessageW(v.entry, EM_SETSEL, 0, -1);
  SendMessageW(v.entry, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(longest.c_str()));
  EXPECT_EQ(ControlText(v.entry).size(), 40000u);
  Press(v.ok);
  EXPECT_EQ(kv.WaitForExit(), 0u);
  EXPECT_EQ(ReadBytes(dir / "erg.txt"), std::string(40000, 'x') + "\r\n");
}

TEST(InputBoxE2E, LongPromptMakesTheBoxTaller) {
  const auto dir = FreshWorkDir();
  int heights[2] = {};
  for (int lines : {1, 16}) {
    std::string params = "T\r\nV\r\n";
    for (int i = 1; i <= lines; ++i) params += "Zeile " + std::to_string(i) + "\r\n";
    WriteBytes(dir / "p.txt", params);
    Program kv(L"erg.txt INPUTBOX p.txt", dir);
    HWND box = kv.WaitForWindow(L"#32770");
    ASSERT_NE(box, nullptr);
    const InputBoxView v = Find(box);
    const RECT prompt = RectInParent(v.prompt), entry = RectInParent(v.entry);
    heights[lines > 1] = prompt.bottom - prompt.top;
    EXPECT_GT(entry.top, prompt.bottom);
    RECT client;
    GetClientRect(box, &client);
    EXPECT_LT(entry.bottom, client.bottom);
    PostMessageW(box, WM_CLOSE, 0, 0);
    EXPECT_EQ(kv.WaitForExit(), 1u);
  }
  // Sixteen lines need about three times the room of the box's usual prompt area.
  EXPECT_GT(heights[1], heights[0] * 2);
}

TEST(InputBoxE2E, TwoLinesAreErrorFiveAndNoBox) {
  const auto dir = FreshWorkDir();
  WriteBytes(dir / "p.txt", "T\r\nV\r\n");
  const BoxCall run = OneBoxThenOk(L"erg.txt INPUTBOX p.txt", dir);
  EXPECT_EQ(run.box.title, L"Kelvari");
  EXPECT_EQ(run.box.text,
            L"Ausf\u00FChrungsfehler:\r\rF\u00FCr das Kommando 'INPUTBOX' wurden\rzu "
            L"wenig Angaben in der Parameterdatei gemacht.");
  EXPECT_EQ(run.exit, 2u);
  EXPECT_EQ(run.result, std::nullopt);
}

}  // namespace
}  // namespace kvtest
