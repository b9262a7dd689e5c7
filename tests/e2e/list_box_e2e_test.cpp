// LISTBOX from the batch file's side: the list dialog's texts, entries, selection mode,
// buttons and layout, the user's clicks and keys, and the answer in the result file.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <set>

#include "driver.h"
#include "process_windows.h"
#include "shell_recorder.h"

namespace kvtest {
namespace {

constexpr wchar_t kFormClass[] = L"KelvariListe";

struct ListDialogView {
  HWND form = nullptr, list = nullptr, ok = nullptr, cancel = nullptr, label = nullptr,
       frame = nullptr;
};

ListDialogView Find(HWND form) {
  ListDialogView v;
  v.form = form;
  v.list = ChildOfClass(form, L"ListBox");
  v.ok = ChildByText(form, L"OK");
  v.cancel = ChildByText(form, L"Abbrechen");
  v.label = ChildOfClass(form, L"Static");
  for (HWND c : Children(form)) {
    if (ClassName(c) == L"Button" && (GetWindowLongW(c, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX) {
      v.frame = c;
    }
  }
  return v;
}

// The middle of entry `index` of `list`, in the list's client coordinates.
POINT EntryPoint(HWND list, int index) {
  RECT r{};
  SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
  return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

// Clicks entry `index` alone and waits until the list shows it selected, so that keys after
// it reach a list that has taken the click and the focus.
void ClickEntry(HWND list, int index) {
  ClickAt(list, EntryPoint(list, index));
  EXPECT_TRUE(Eventually([&] { return ListSelection(list) == std::vector<int>{index}; }));
}

const char* const kColours = "Rot\r\n Gr\xFCn \r\nBlau\r\n\r\n  Wei\xDF\r\n";

// A fresh folder with a LISTBOX parameter file of attribute line `attributes`, the list file
// `list` and a result file of an earlier call that holds ALT.
std::filesystem::path ListFolder(const std::string& attributes, const std::string& list) {
  const auto dir = FreshWorkDir();
  WriteBytes(dir / "p.txt", "Farbwahl\r\nliste.txt\r\n" + attributes +
                                "\r\nBitte w\xE4hlen Sie\r\n\r\neine Farbe & mehr.\r\n");
  WriteBytes(dir / "liste.txt", list);
  WriteBytes(dir / "erg.txt", "ALT\r\n");
  return dir;
}

// LISTBOX started on ListFolder(attributes, list), with its dialog's controls.
struct ListRun : Call {
  ListDialogView view;

  ListRun(const std::string& attributes, const std::string& list)
      : Call(L"erg.txt LISTBOX p.txt", ListFolder(attributes, list)) {
    if (HWND form = Window(kFormClass)) view = Find(form);
  }
};

TEST(ListBoxE2E, SingleSelectionShowsTheDialog) {
  ListRun run("", kColours);
  const ListDialogView& v = run.view;
  ASSERT_TRUE(v.form && v.list && v.ok && v.cancel && v.label && v.frame);
  EXPECT_EQ(Text(v.form), L"Farbwahl");
  EXPECT_EQ(Text(v.label), L"Bitte w\u00E4hlen Sie\r\n\r\neine Farbe & mehr.");
  EXPECT_EQ(Text(v.frame), L"");
  EXPECT_EQ(Text(v.ok), L"&OK");
  EXPECT_EQ(Text(v.cancel), L"&Abbrechen");
  EXPECT_EQ(ListEntries(v.list),
            (std::vector<std::wstring>{L"Rot", L" Gr\u00FCn ", L"Blau", L"", L"  Wei\u00DF"}));
  EXPECT_FALSE(IsExtendedSelection(v.list));
  EXPECT_EQ(ChildOfClass(v.form, L"ListBox", 1), nullptr);  // the other list is out of sight
  EXPECT_TRUE(ListSelection(v.list).empty());
  EXPECT_TRUE(IsWindowEnabled(v.ok));
  EXPECT_EQ(FocusOf(v.form), v.list);
  // The prompt stands right before the list in the window order: a screen reader names the
  // list by it (Wine's accessibility answers no other process, so the order is what is read).
  EXPECT_EQ(GetWindow(v.list, GW_HWNDPREV), v.label);
  // Short entries: no scroll bar sideways.
  EXPECT_EQ(GetWindowLongW(v.list, GWL_STYLE) & WS_HSCROLL, 0);
  // Neither button is a default button; the frame is fixed.
  EXPECT_EQ(GetWindowLongW(v.ok, GWL_STYLE) & BS_TYPEMASK, BS_PUSHBUTTON);
  EXPECT_EQ(GetWindowLongW(v.cancel, GWL_STYLE) & BS_TYPEMASK, BS_PUSHBUTTON);
  const LONG style = GetWindowLongW(v.form, GWL_STYLE);
  EXPECT_EQ(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0);
  EXPECT_NE(style & WS_SYSMENU, 0);
  // Centred on the screen.
  RECT r;
  GetWindowRect(v.form, &r);
  RECT work;
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  EXPECT_NEAR((r.left + r.right) / 2, (work.left + work.right) / 2, 1);
  EXPECT_NEAR((r.top + r.bottom) / 2, (work.top + work.bottom) / 2, 1);
  Press(v.cancel);
  EXPECT_EQ(run.kv.WaitForExit(), 1u);
}

class ListBoxLayout : public ::testing::TestWithParam<DWORD> {};

TEST_P(ListBoxLayout, ControlsStandAtTheDesignPositionsForTheDpiInForce) {
  std::optional<ListRun> started;
  {
    DisplayDpi display(GetParam());
    started.emplace("MULTISELECT", kColours);
  }
  ListRun& run = *started;
  const ListDialogView& v = run.view;
  ASSERT_TRUE(v.form && v.list && v.ok && v.cancel && v.label && v.frame);
  // Wine answers GetDpiForWindow with the asking process's DPI, so the set one is taken.
  const int dpi = static_cast<int>(GetParam() ? GetParam() : GetDpiForWindow(v.form));
  ASSERT_GE(dpi, 96);
  std::printf("DPI in force: %d\n", dpi);
  const auto px = [dpi](int twips) { return MulDiv(twips, dpi, 1440); };
  struct Expected {
    const char* name;
    HWND control;
    int left, top, width, height;  // twips in the form's client area
  } expected[] = {
      {"Frame1", v.frame, 60, 0, 6852, 3672},
      {"List1", v.list, 60 + 120, 240, 4035, 3120},
      {"Command1(0)", v.ok, 60 + 5580, 3180, 1152, 372},
      {"Command1(1)", v.cancel, 60 + 4320, 3180, 1152, 372},
      {"Label1", v.label, 60 + 4320, 240, 2412, 2832},
  };
  for (const Expected& e : expected) {
    const RECT r = RectInParent(e.control);
    EXPECT_NEAR(r.left, px(e.left), 1) << e.name;
    EXPECT_NEAR(r.top, px(e.top), 1) << e.name;
    EXPECT_NEAR(r.right - r.left, px(e.width), 1) << e.name;
    EXPECT_NEAR(r.bottom - r.top, px(e.height), 1) << e.name;
  }
  RECT client;
  GetClientRect(v.form, &client);
  EXPECT_NEAR(client.right, px(6960), 1);
  EXPECT_NEAR(client.bottom, px(3732), 1);
  PostMessageW(v.form, WM_CLOSE, 0, 0);
  EXPECT_EQ(run.kv.WaitForExit(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Dpi, ListBoxLayout, ::testing::Values(0u, 144u, 192u));

TEST(ListBoxE2E, DoubleClickConfirmsTheEntryUntrimmed) {
  ListRun run("NUMERIC", kColours);
  ASSERT_NE(run.view.list, nullptr);
  ClickAt(run.view.list, EntryPoint(run.view.list, 1), /*double_click=*/true);
  EXPECT_EQ(run.kv.WaitForExit(), 0u);
  EXPECT_EQ(run.Result(), " Gr\xFCn \r\n");
}

TEST(ListBoxE2E, SingleSelectionWithNothingSelectedWritesAnEmptyLine) {
  ListRun run("", kColours);
  ASSERT_NE(run.view.ok, nullptr);
  ClickAt(run.view.ok, {5, 5});
  EXPECT_EQ(run.kv.WaitForExit(), 0u);
  EXPECT_EQ(run.Result(), "\r\n");
}

TEST(ListBoxE2E, ArrowKeysSelectAndAltOConfirms) {
  ListRun run("singleselect", kColours);
  ASSERT_NE(run.view.list, nullptr);
  ClickEntry(run.view.list, 0);
  PressKey(VK_DOWN);
  PressKey(VK_DOWN);
  EXPECT_TRUE(Eventually([&] { return ListSelection(run.view.list) == std::vector<int>{2}; }));
  PressKey('O', /*with_alt=*/true);
  EXPECT_EQ(run.kv.WaitForExit(), 0u);
  EXPECT_EQ(run.Result(), "Blau\r\n");
}

// An entry of a UTF-8 list that the ANSI code page cannot hold is never answered changed
// (＂ as ", 中 as the wildcard ?), nor is one with a " of its own in quotes: the dialog says so
// and stays for another choice. Numbers are answered as ever.
TEST(ListBoxE2E, EntryTheBatchFileCannotReadIsRefusedTheDialogStays) {
  struct Case {
    const char* attributes;
    const char* entry;   // entry 1, UTF-8
    std::wstring shown;  // entry 1 as the list shows it
    std::string result;  // after a click on entry 1 and "OK"; "ALT\r\n": refused
    std::wstring why = L": \uFF02 (U+FF02), \u4E2D (U+4E2D).";
    std::string after = "Rot\r\n";     // after a click on entry 0 and "OK"
    const wchar_t* charset = nullptr;  // KVCHARSET, when set
  } cases[] = {
      {"", "Bericht \xEF\xBC\x82 & \xE4\xB8\xAD", L"Bericht \uFF02 & \u4E2D", "ALT\r\n"},
      {"MULTISELECT NUMERIC", "Bericht \xEF\xBC\x82 & \xE4\xB8\xAD", L"Bericht \uFF02 & \u4E2D",
       "2\r\n"},
      {"MULTISELECT QUOTED", "So \"nicht\"", L"So \"nicht\"", "ALT\r\n",
       L"\u201ESo \"nicht\"\u201C", "\"Rot\"\r\n"},
      // In UTF-8 the entry itself.
      {"", "Bericht \xEF\xBC\x82 & \xE4\xB8\xAD", L"Bericht \uFF02 & \u4E2D",
       "Bericht \xEF\xBC\x82 & \xE4\xB8\xAD\r\n", L"", "", L"UTF-8"},
  };
  for (const Case& c : cases) {
    std::optional<Environment> charset;
    if (c.charset) charset.emplace(L"KVCHARSET", c.charset);
    ListRun run(c.attributes, std::string("Rot\r\n") + c.entry + "\r\nBlau\r\n");
    ASSERT_NE(run.view.list, nullptr);
    ASSERT_EQ(ListEntries(run.view.list)[1], c.shown);
    ClickEntry(run.view.list, 1);
    ClickAt(run.view.ok, {5, 5});
    if (c.result != "ALT\r\n") {
      EXPECT_EQ(run.kv.WaitForExit(), 0u) << c.attributes;
      EXPECT_EQ(run.Result(), c.result) << c.attributes;
      continue;
    }
    HWND message = WaitForAnotherBox(run.kv, run.view.form);
    ASSERT_NE(message, nullptr);
    const MessageBoxView view = ReadMessageBox(message);
    EXPECT_EQ(view.title, L"Kelvari");
    EXPECT_EQ(view.icon_id, 32513);
    EXPECT_TRUE(view.text.starts_with(L"Die Auswahl enth\u00E4lt ")) << Utf8(view.text);
    EXPECT_NE(view.text.find(c.why), std::wstring::npos) << Utf8(view.text);
    PressButton(message, L"OK");
    ASSERT_TRUE(Eventually([&] { return !IsWindow(message); }));
    EXPECT_TRUE(run.kv.StillRunningAfter(300));
    EXPECT_TRUE(IsWindowVisible(run.view.form) && IsWindowEnabled(run.view.form));
    EXPECT_EQ(run.Result(), "ALT\r\n");
    ClickEntry(run.view.list, 0);
    ClickAt(run.view.ok, {5, 5});
    EXPECT_EQ(run.kv.WaitForExit(), 0u);
    EXPECT_EQ(run.Result(), c.after);
  }
}

// QUOTED: the batch file walks the chosen entries one by one, blanks, umlauts and a leading
// ";" included, with `for %%f in (%KVRESULT%)`.
TEST(ListBoxE2E, QuotedEntriesWalkBackOneByOne) {
  const auto dir = FreshWorkDir();
  WriteBytes(dir / "p.txt", "Aufr\xE4umen\r\nliste.txt\r\nMULTISELECT QUOTED\r\nWelche?\r\n");
  WriteBytes(dir / "liste.txt",
             "Gr\xF6\xDF"
             "e \xDF.bak\r\n;komisch.txt\r\nnicht\r\na b\r\n a \r\n");
  const std::wstring batch =
      L"@echo off\r\n"
      L"set \"KV_RECORDER_LOG=" +
      (dir / "walk.log").wstring() +
      L"\"\r\n"
      L"\"" +
      KelvariExe() +
      L"\" erg.txt LISTBOX p.txt\r\n"
      L"set /p KVRESULT=<erg.txt\r\n"
      L"for %%f in (%KVRESULT%) do (\r\n"
      L"  set \"kv_one=%%~f\"\r\n"
      L"  \"" +
      RecorderExe() +
      L"\" --env kv_one\r\n"
      L")\r\n";
  std::string bytes(batch.size() * 2, '\0');
  bytes.resize(static_cast<std::size_t>(
      WideCharToMultiByte(CP_ACP, 0, batch.data(), static_cast<int>(batch.size()), bytes.data(),
                          static_cast<int>(bytes.size()), nullptr, nullptr)));
  WriteBytes(dir / "walk.cmd", bytes);
  Program cmd(L"C:\\windows\\system32\\cmd.exe /c \"" + (dir / "walk.cmd").wstring() + L"\"", dir,
              true);
  HWND form = WaitForWindowOfImage(L"kelvari.exe", L"Aufr\u00E4umen");
  ASSERT_NE(form, nullptr);
  HWND list = ChildOfClass(form, L"ListBox");
  for (int entry : {0, 1, 3, 4}) SendMessageW(list, LB_SETSEL, TRUE, entry);
  Press(ChildByText(form, L"OK"));
  EXPECT_EQ(cmd.WaitForExit(), 0u);
  EXPECT_EQ(ReadBytes(dir / "erg.txt"),
            "\"Gr\xF6\xDF"
            "e \xDF.bak\" \";komisch.txt\" \"a b\" \" a \"\r\n");
  // The recorder writes UTF-8.
  EXPECT_EQ(ReadBytes(dir / "walk.log"),
            "[Gr\xC3\xB6\xC3\x9F"
            "e \xC3\x9F.bak]\r\n[;komisch.txt]\r\n[a b]\r\n[ a ]\r\n");
}

// SELECTED= selects its entries when the dialog opens, the first of them in view, and "OK"
// at once answers them.
TEST(ListBoxE2E, PreselectedEntriesAreSelectedInViewAndAnswered) {
  std::string entries;
  for (int i = 1; i <= 60; ++i) entries += "Eintrag " + std::to_string(i) + "\r\n";
  struct Case {
    const char* attributes;
    std::vector<int> selected;
    std::string result;
  } cases[] = {
      {"MULTISELECT SELECTED=52,40,52", {39, 51}, "Eintrag 40 Eintrag 52\r\n"},
      {"selected=45 NUMERIC", {44}, "Eintrag 45\r\n"},
      {"SELECTED=2 SelectedText=Eintrag 45", {44}, "Eintrag 45\r\n"},
      {"MULTISELECT REQUIRED=3 SELECTEDTEXT=Eintrag 50", {2, 49}, "Eintrag 3 Eintrag 50\r\n"},
  };
  for (const Case& c : cases) {
    ListRun run(c.attributes, entries);
    ASSERT_NE(run.view.list, nullptr);
    EXPECT_EQ(ListSelection(run.view.list), c.selected) << c.attributes;
    RECT entry{}, visible{};
    SendMessageW(run.view.list, LB_GETITEMRECT, static_cast<WPARAM>(c.selected.front()),
                 reinterpret_cast<LPARAM>(&entry));
    GetClientRect(run.view.list, &visible);
    EXPECT_TRUE(entry.top >= visible.top && entry.bottom <= visible.bottom) << c.attributes;
    Press(run.view.ok);
    EXPECT_EQ(run.kv.WaitForExit(), 0u);
    EXPECT_EQ(run.Result(), c.result);
  }
}

struct Multi {
  const char* name;
  const char* attributes;
  std::vector<int> clicks;  // the first a plain click, the others with Ctrl
  bool range;               // the last click with Shift instead of Ctrl
  std::string result;
  std::vector<int> required = {};  // REQUIRED= entries: selected whatever the clicks do
};

class ListBoxMulti : public ::testing::TestWithParam<Multi> {};

TEST_P(ListBoxMulti, ClicksSelectAndOkWrites) {
  const Multi& m = GetParam();
  ListRun run(m.attributes, kColours);
  ASSERT_NE(run.view.list, nullptr);
  EXPECT_TRUE(IsExtendedSelection(run.view.list));
  EXPECT_EQ(ChildOfClass(run.view.form, L"ListBox", 1), nullptr);
  // The list reads Ctrl and Shift when it takes a click. Under Wine a focus event of the X
  // display can drop a modifier that is held, so the clicks are made again from the first
  // when the list does not show what they select: a click selects its entry alone, Ctrl+click
  // switches its entry, Shift+click selects the entries from the one clicked before.
  bool shown = m.clicks.empty();
  for (int attempt = 0; attempt < 3 && !shown; ++attempt) {
    std::set<int> expected;
    int anchor = 0;
    shown = true;
    for (std::size_t i = 0; i < m.clicks.size() && shown; ++i) {
      const int entry = m.clicks[i];
      WORD modifier = 0;
      if (i == 0) {
        expected = {entry};
      } else if (m.range && i + 1 == m.clicks.size()) {
        modifier = VK_SHIFT;
        expected.clear();
        for (int k = std::min(anchor, entry); k <= std::max(anchor, entry); ++k) expected.insert(k);
      } else {
        modifier = VK_CONTROL;
        if (!expected.erase(entry)) expected.insert(entry);
      }
      if (modifier != VK_SHIFT) anchor = entry;
      expected.insert(m.required.begin(), m.required.end());
      if (modifier) HoldKey(modifier, true);
      ClickAt(run.view.list, EntryPoint(run.view.list, entry));
      shown = Eventually(
          [&] {
            return ListSelection(run.view.list) ==
                   std::vector<int>(expected.begin(), expected.end());
          },
          3000);
      if (modifier) HoldKey(modifier, false);
      if (!shown) {
        std::string seen;
        for (int k : ListSelection(run.view.list)) seen += " " + std::to_string(k);
        std::string wanted;
        for (int k : expected) wanted += " " + std::to_string(k);
        std::fprintf(stderr,
                     "list: after click %zu of attempt %d the list selects {%s } instead of "
                     "{%s }%s\n",
                     i + 1, attempt + 1, seen.c_str(), wanted.c_str(),
                     attempt < 2 ? ": the clicks are made again" : "");
      }
    }
  }
  EXPECT_TRUE(shown) << "the list did not show the selection of the clicks";
  ClickAt(run.view.ok, {5, 5});
  EXPECT_EQ(run.kv.WaitForExit(), 0u);
  EXPECT_EQ(run.Result(), m.result);
}

INSTANTIATE_TEST_SUITE_P(
    Selections, ListBoxMulti,
    ::testing::Values(
        Multi{"Texts", "MULTISELECT", {0, 1}, false, "Rot Gr\xFCn\r\n"},
        Multi{"Numbers", "multiselect numeric", {0, 1}, false, "1 2\r\n"},
        Multi{"Range", "MULTISELECT STRING", {1, 4}, true, "Gr\xFCn Blau  Wei\xDF\r\n"},
        Multi{"RangeNumbers", "NUMERIC MULTISELECT", {4, 2}, true, "3 4 5\r\n"},
        Multi{"CtrlRemoves", "MULTISELECT", {0, 2, 0}, false, "Blau\r\n"},
        Multi{"EmptyEntryFirst", "MULTISELECT", {3, 4}, false, "Wei\xDF\r\n"},
        Multi{"Nothing", "MULTISELECT NUMERIC", {}, false, "\r\n"},
        // A required entry stays selected after a plain click elsewhere and
        // after Ctrl+click on itself.
        Multi{"RequiredStays", "MULTISELECT REQUIRED=1", {2, 0}, false, "Rot Blau\r\n", {0}},
        Multi{
            "RequiredInARange", "MULTISELECT NUMERIC REQUIRED=5", {0, 1}, true, "1 2 5\r\n", {4}}),
    [](const auto& p) { return std::string(p.param.name); });

// Scattered entries chosen by keyboard alone: Ctrl with an arrow key, Home or End moves the
// focus and keeps the selection, Ctrl+Space adds or removes the focused entry; Shift+F8's add
// mode does the same without Ctrl. A SELECTED= preselection stays while the focus moves.
struct Keys {
  const char* name;
  const char* attributes;
  std::vector<std::pair<WORD, WORD>> keys;  // key, modifier (0, VK_CONTROL or VK_SHIFT)
  std::string result;                       // after Alt+O
};

class ListBoxKeys : public ::testing::TestWithParam<Keys> {};

TEST_P(ListBoxKeys, ChooseScatteredEntries) {
  const Keys& k = GetParam();
  ListRun run(k.attributes, kColours);
  ASSERT_NE(run.view.list, nullptr);
  EXPECT_EQ(GetWindow(run.view.list, GW_HWNDPREV), run.view.label);
  for (const auto& [key, modifier] : k.keys) {
    PressKey(key, false, modifier == VK_CONTROL, modifier == VK_SHIFT);
  }
  PressKey('O', /*with_alt=*/true);
  EXPECT_EQ(run.kv.WaitForExit(), 0u);
  EXPECT_EQ(run.Result(), k.result);
}

INSTANTIATE_TEST_SUITE_P(
    Keyboard, ListBoxKeys,
    ::testing::Values(
        Keys{"CtrlArrowsAndCtrlSpace",
             "MULTISELECT NUMERIC",
             {{VK_SPACE, 0}, {VK_DOWN, VK_CONTROL}, {VK_DOWN, VK_CONTROL}, {VK_SPACE, VK_CONTROL}},
             "1 3\r\n"},
        Keys{"AddMode",
             "MULTISELECT",
             {{VK_F8, VK_SHIFT}, {VK_SPACE, 0}, {VK_DOWN, 0}, {VK_DOWN, 0}, {VK_SPACE, 0}},
             "Rot Blau\r\n"},
        Keys{"PreselectionStays",
             "MULTISELECT NUMERIC SELECTED=2",
             {{VK_DOWN, VK_CONTROL}, {VK_DOWN, VK_CONTROL}, {VK_SPACE, VK_CONTROL}},
             "2 4\r\n"},
        Keys{"CtrlSpaceRemovesAndEndReaches",
             "MULTISELECT NUMERIC SELECTED=1,3",
             {{VK_END, VK_CONTROL},
              {VK_SPACE, VK_CONTROL},
              {VK_HOME, VK_CONTROL},
              {VK_SPACE, VK_CONTROL}},
             "3 5\r\n"}),
    [](const auto& p) { return std::string(p.param.name); });

// A prompt longer than its place makes the dialog taller at every DPI: every line shows, and
// the buttons stay below it.
TEST_P(ListBoxLayout, ALongPromptShowsEveryLine) {
  const auto dir = FreshWorkDir();
  std::string prompt;
  for (int i = 1; i <= 16; ++i) prompt += "Zeile " + std::to_string(i) + " der Frage\r\n";
  prompt += "und zum Schluss eine lange Zeile, die sich um das Feld herum umbricht.\r\n";
  WriteBytes(dir / "p.txt", "Farbwahl\r\nliste.txt\r\nMULTISELECT\r\n" + prompt);
  WriteBytes(dir / "liste.txt", kColours);
  std::optional<Call> started;
  ListDialogView v;
  {
    DisplayDpi display(GetParam());
    started.emplace(L"erg.txt LISTBOX p.txt", dir);
    if (HWND form = started->Window(kFormClass)) v = Find(form);
  }
  ASSERT_TRUE(v.form && v.label && v.ok && v.list);
  const UINT dpi = GetParam() ? GetParam() : GetDpiForWindow(v.form);
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  ASSERT_TRUE(
      SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi));
  HFONT font = CreateFontIndirectW(&metrics.lfMessageFont);
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, font);
  const RECT label = RectInParent(v.label);
  const std::wstring text = Text(v.label);
  RECT need{0, 0, label.right - label.left, 0};
  DrawTextW(dc, text.c_str(), -1, &need, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_EDITCONTROL);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  DeleteObject(font);
  std::printf("%u dpi: the prompt needs %ld pixels and has %ld\n", dpi, need.bottom,
              label.bottom - label.top);
  EXPECT_GE(label.bottom - label.top, need.bottom);
  EXPECT_GE(RectInParent(v.ok).top, label.bottom);
  RECT client, window, work;
  GetClientRect(v.form, &client);
  GetWindowRect(v.form, &window);
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  EXPECT_LE(RectInParent(v.ok).bottom, client.bottom);
  EXPECT_GE(window.top, work.top);
  PostMessageW(v.form, WM_CLOSE, 0, 0);
  EXPECT_EQ(started->kv.WaitForExit(), 1u);
}

// An entry wider than the list can be read whole: the list scrolls sideways as far as it.
TEST(ListBoxE2E, ALongEntryCanBeScrolledToItsEnd) {
  std::wstring long_entry = L"Anfang";
  for (int i = 0; i < 30; ++i) long_entry += L" und noch ein St\u00FCck";
  long_entry += L" Ende";
  std::string bytes(long_entry.size(), '\0');
  std::transform(long_entry.begin(), long_entry.end(), bytes.begin(),
                 [](wchar_t c) { return static_cast<char>(c); });  // Latin-1 is ANSI here
  ListRun run("", "Rot\r\n" + bytes + "\r\nBlau\r\n");
  ASSERT_NE(run.view.list, nullptr);
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  ASSERT_TRUE(SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0));
  HFONT font = CreateFontIndirectW(&metrics.lfMessageFont);
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, font);
  SIZE size{};
  GetTextExtentPoint32W(dc, long_entry.c_str(), static_cast<int>(long_entry.size()), &size);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  DeleteObject(font);
  RECT client;
  GetClientRect(run.view.list, &client);
  const LRESULT extent = SendMessageW(run.view.list, LB_GETHORIZONTALEXTENT, 0, 0);
  std::printf("entry %ld pixels wide, list %ld, scrolls to %ld\n", size.cx, client.right,
              static_cast<long>(extent));
  ASSERT_GT(size.cx, client.right);
  EXPECT_GE(extent, size.cx);
  EXPECT_NE(GetWindowLongW(run.view.list, GWL_STYLE) & WS_HSCROLL, 0);
  ClickEntry(run.view.list, 1);
  Press(run.view.ok);
  EXPECT_EQ(run.kv.WaitForExit(), 0u);
  EXPECT_EQ(run.Result(), bytes + "\r\n");
}

struct Leave {
  const char* name;
  enum { kCancelButton, kAltA, kCloseBox, kSysClose } how;
};

class ListBoxLeave : public ::testing::TestWithParam<Leave> {};

TEST_P(ListBoxLeave, EndsWithoutTouchingTheResultFile) {
  ListRun run("MULTISELECT", kColours);
  ASSERT_NE(run.view.form, nullptr);
  ClickEntry(run.view.list, 0);
  switch (GetParam().how) {
    case Leave::kCancelButton:
      ClickAt(run.view.cancel, {5, 5});
      break;
    case Leave::kAltA:
      PressKey('A', /*with_alt=*/true);
      break;
    case Leave::kCloseBox:
      PostMessageW(run.view.form, WM_CLOSE, 0, 0);
      break;
    case Leave::kSysClose:
      PostMessageW(run.view.form, WM_SYSCOMMAND, SC_CLOSE, 0);
      break;
  }
  EXPECT_EQ(run.kv.WaitForExit(), 1u);
  EXPECT_EQ(run.Result(), "ALT\r\n");
}

INSTANTIATE_TEST_SUITE_P(Ways, ListBoxLeave,
                         ::testing::Values(Leave{"CancelButton", Leave::kCancelButton},
                                           Leave{"AltA", Leave::kAltA},
                                           Leave{"CloseBox", Leave::kCloseBox},
                                           Leave{"SystemMenu", Leave::kSysClose}),
                         [](const auto& p) { return std::string(p.param.name); });

// A fault reported over the dialog is modal to it: the dialog takes no click until the box is
// closed, and the program then ends with exit code 2.
TEST(ListBoxE2E, AFaultBoxKeepsTheDialogFromAnswering) {
  ListRun run("", kColours);
  ASSERT_NE(run.view.list, nullptr);
  // The result file's name now names a folder: the answer cannot be written.
  std::filesystem::remove(run.dir / "erg.txt");
  std::filesystem::create_directory(run.dir / "erg.txt");
  ClickEntry(run.view.list, 2);
  Press(run.view.ok);
  HWND fault = WaitForAnotherBox(run.kv, run.view.form);
  ASSERT_NE(fault, nullptr);
  EXPECT_EQ(GetWindow(fault, GW_OWNER), run.view.form);
  EXPECT_FALSE(IsWindowEnabled(run.view.form));
  // Out of the way, so that the clicks reach the dialog's buttons if anything does.
  SetWindowPos(fault, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  ClickAt(run.view.ok, {5, 5});
  ClickAt(run.view.cancel, {5, 5});
  EXPECT_TRUE(run.kv.StillRunningAfter(1000));
  EXPECT_FALSE(IsWindowEnabled(run.view.form));
  std::vector<HWND> boxes;
  for (HWND w : run.kv.Windows()) {
    if (ClassName(w) == L"#32770") boxes.push_back(w);
  }
  EXPECT_EQ(boxes, std::vector<HWND>{fault});
  PressButton(fault, L"OK");
  EXPECT_EQ(run.kv.WaitForExit(), 2u);
  EXPECT_TRUE(std::filesystem::is_directory(run.dir / "erg.txt"));
}

TEST(ListBoxE2E, EnterAndEscapeDoNothing) {
  ListRun run("", kColours);
  ASSERT_NE(run.view.list, nullptr);
  ClickEntry(run.view.list, 2);
  PressKey(VK_RETURN);
  PressKey(VK_ESCAPE);
  EXPECT_TRUE(run.kv.StillRunningAfter(500));
  EXPECT_TRUE(IsWindowVisible(run.view.form) && IsWindowEnabled(run.view.form));
  EXPECT_EQ(ListSelection(run.view.list), std::vector<int>{2});
  Press(run.view.ok);
  EXPECT_EQ(run.kv.WaitForExit(), 0u);
  EXPECT_EQ(run.Result(), "Blau\r\n");
}

TEST(ListBoxE2E, EnterPressesAButtonThatHasTheFocus) {
  ListRun run("", kColours);
  ASSERT_NE(run.view.list, nullptr);
  ClickEntry(run.view.list, 2);
  PressKey(VK_TAB);
  ASSERT_TRUE(Eventually([&] { return FocusOf(run.view.form) == run.view.ok; }));
  PressKey(VK_ESCAPE);
  EXPECT_TRUE(run.kv.StillRunningAfter(500));
  EXPECT_TRUE(IsWindowVisible(run.view.form) && IsWindowEnabled(run.view.form));
  EXPECT_EQ(FocusOf(run.view.form), run.view.ok);
  PressKey(VK_RETURN);
  EXPECT_EQ(run.kv.WaitForExit(), 0u);
  EXPECT_EQ(run.Result(), "Blau\r\n");
}

TEST(ListBoxE2E, EmptyListDisablesOkButADoubleClickConfirms) {
  ListRun run("MULTISELECT", "");
  ASSERT_NE(run.view.list, nullptr);
  EXPECT_TRUE(ListEntries(run.view.list).empty());
  EXPECT_FALSE(IsWindowEnabled(run.view.ok));
  PressKey('O', /*with_alt=*/true);
  EXPECT_TRUE(run.kv.StillRunningAfter(500));
  EXPECT_TRUE(IsWindowVisible(run.view.form) && IsWindowEnabled(run.view.form));
  ClickAt(run.view.list, {10, 10}, /*double_click=*/true);
  EXPECT_EQ(run.kv.WaitForExit(), 0u);
  EXPECT_EQ(run.Result(), "\r\n");
}

TEST(ListBoxE2E, LongestListOpensAndALongerOneIsRefused) {
  std::string longest;
  for (int i = 1; i <= 32767; ++i) longest += "Eintrag Nummer " + std::to_string(i) + "\r\n";
  // For the notes: how long until the dialog is visible, with a short list for comparison.
  const auto time_to_visible = [](const std::function<void()>& open) {
    const auto start = std::chrono::steady_clock::now();
    open();
    return static_cast<long long>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                      std::chrono::steady_clock::now() - start)
                                      .count());
  };
  // A short list before (the first start of a process is slower) and after the long one.
  long long short_ms = 0;
  const auto open_short = [&] {
    std::optional<ListRun> short_run;
    short_ms = time_to_visible([&] { short_run.emplace("MULTISELECT", kColours); });
    ASSERT_NE(short_run->view.form, nullptr);
    PostMessageW(short_run->view.form, WM_CLOSE, 0, 0);
    EXPECT_EQ(short_run->kv.WaitForExit(), 1u);
  };
  open_short();
  std::optional<ListRun> long_run;
  const long long long_ms =
      time_to_visible([&] { long_run.emplace("MULTISELECT NUMERIC", longest); });
  ListRun& run = *long_run;
  ASSERT_NE(run.view.list, nullptr);
  open_short();
  std::printf(
      "dialog visible after (process start included): 5 entries %lld ms, "
      "32767 entries %lld ms\n",
      short_ms, long_ms);
  EXPECT_EQ(SendMessageW(run.view.list, LB_GETCOUNT, 0, 0), 32767);
  SendMessageW(run.view.list, LB_SETSEL, TRUE, 32766);
  Press(run.view.ok);
  EXPECT_EQ(run.kv.WaitForExit(), 0u);
  EXPECT_EQ(run.Result(), "32767\r\n");

  // One line more is refused with a message, and the old result file stays.
  const auto dir = FreshWorkDir();
  WriteBytes(dir / "p.txt", "T\r\nliste.txt\r\n\r\nP\r\n");
  WriteBytes(dir / "liste.txt", longest + "eins zu viel");
  WriteBytes(dir / "erg.txt", "ALT\r\n");
  const BoxCall refused = OneBoxThenOk(L"erg.txt LISTBOX p.txt", dir);
  EXPECT_EQ(refused.box.title, L"Kelvari");
  EXPECT_EQ(refused.box.text,
            L"LISTBOX: Die Datei liste.txt mit dem Listeninhalt hat mehr als 32767 Zeilen.\r"
            L"Eine Liste kann h\u00F6chstens 32767 Eintr\u00E4ge anzeigen.");
  EXPECT_EQ(refused.windows, 1u) << "a second window beside the message";
  EXPECT_EQ(refused.exit, 2u);
  EXPECT_EQ(refused.result, "ALT\r\n");
}

TEST(ListBoxE2E, ErrorSevenWinsOverErrorEight) {
  struct Case {
    const char* attributes;
    const char* list_name;
    std::wstring message;
  } cases[] = {
      {"MULTISELECT quer", "fehlt.txt", L"Befehl LISTBOX: Unbekanntes Attribut QUER."},
      // a number beyond the list
      {"MULTISELECT Selected=2,3", "liste.txt",
       L"Befehl LISTBOX: Unbekanntes Attribut SELECTED=2,3."},
      {"MULTISELECT", "fehlt.txt",
       L"LISTBOX: Die Datei FEHLT.TXT mit dem\rListeninhalt konnte nicht gefunden werden."},
  };
  for (const Case& c : cases) {
    const auto dir = FreshWorkDir();
    WriteBytes(dir / "p.txt",
               std::string("T\r\n") + c.list_name + "\r\n" + c.attributes + "\r\nP\r\n");
    WriteBytes(dir / "liste.txt", "Rot\r\nBlau\r\n");
    const BoxCall run = OneBoxThenOk(L"erg.txt LISTBOX p.txt", dir);
    EXPECT_EQ(run.box.text, L"Ausf\u00FChrungsfehler:\r\r" + c.message);
    EXPECT_EQ(run.exit, 2u);
    EXPECT_EQ(run.result, std::nullopt);
  }
}

}  // namespace
}  // namespace kvtest
