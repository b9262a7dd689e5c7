// The windows of a long job, driven through kv.cmd by batch files as their authors write them:
// the progress window that a batch file moves and that hears "Abbrechen", the notice that
// does not wait, and the box with the batch file's own buttons.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "driver.h"
#include "process_windows.h"
#include "shell_recorder.h"

namespace kvtest {
namespace {

namespace fs = std::filesystem;

constexpr wchar_t kProgressClass[] = L"KelvariProgressWindow";
constexpr wchar_t kNoticeClass[] = L"KelvariNotice";

std::string Oem(const std::wstring& text) {
  const int n = WideCharToMultiByte(CP_OEMCP, 0, text.data(), static_cast<int>(text.size()),
                                    nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(CP_OEMCP, 0, text.data(), static_cast<int>(text.size()), bytes.data(), n,
                      nullptr, nullptr);
  return bytes;
}

// kv.cmd beside the real kelvari.exe in dir\kit, and a batch file `name` in `dir` with `body`
// (lines after "@echo off"; "KV" stands for the call of kv.cmd), saved as an editor in the
// console saves it: in the OEM code page.
fs::path WriteJob(const fs::path& dir, const std::string& name, const std::wstring& body) {
  const fs::path kit = dir / "kit";
  if (!fs::exists(kit / "kv.cmd")) {
    fs::create_directories(kit);
    fs::create_directories(dir / "temp");
    const fs::path build = fs::path(KelvariExe()).parent_path();
    fs::copy_file(build / "kv.cmd", kit / "kv.cmd");
    fs::copy_file(KelvariExe(), kit / "kelvari.exe");
  }
  std::wstring text = L"@echo off\r\nset \"KVTEMP=" + (dir / "temp").wstring() +
                      L"\"\r\nset \"KV_RECORDER_LOG=" + (dir / (name + ".log")).wstring() +
                      L"\"\r\n";
  const std::wstring call = L"call \"" + (kit / "kv.cmd").wstring() + L"\"";
  const std::wstring record = L"\"" + RecorderExe() + L"\" --env";
  for (std::size_t at = 0; at < body.size();) {
    if (body.compare(at, 3, L"KV ") == 0) {
      text += call + L" ";
      at += 3;
    } else if (body.compare(at, 7, L"RECORD ") == 0) {
      text += record + L" ";
      at += 7;
    } else {
      text += body[at++];
    }
  }
  const fs::path batch = dir / (name + ".cmd");
  WriteBytes(batch, Oem(text));
  return batch;
}

// Starts the batch file in a console of its own, as a user starts it.
std::unique_ptr<Program> Start(const fs::path& batch, const fs::path& dir, bool console = true) {
  return std::make_unique<Program>(
      L"C:\\windows\\system32\\cmd.exe /c \"" + batch.wstring() + L"\"", dir, true,
      console ? CREATE_NEW_CONSOLE : 0);
}

// The lines the recorder wrote, in UTF-8.
std::string Recorded(const fs::path& dir, const std::string& name) {
  return ReadBytes(dir / (name + ".log")).value_or("");
}

std::vector<HWND> WindowsOfClass(const wchar_t* window_class) {
  std::vector<HWND> found;
  for (HWND w : WindowsOfImage(L"kelvari.exe")) {
    if (ClassName(w) == window_class) found.push_back(w);
  }
  return found;
}

HWND WindowOfClassTitled(const wchar_t* window_class, const std::wstring& title) {
  HWND found = nullptr;
  Eventually(
      [&] {
        for (HWND w : WindowsOfClass(window_class)) {
          if (Text(w) == title) found = w;
        }
        return found != nullptr;
      },
      60000);
  return found;
}

int BarPosition(HWND progress_window) {
  return static_cast<int>(
      SendMessageW(ChildOfClass(progress_window, L"msctls_progress32"), PBM_GETPOS, 0, 0));
}

std::wstring ProgressText(HWND progress_window) {
  return Text(GetDlgItem(progress_window, 100));
}

// Whatever fails, no window of the program stays for the tests after this one.
struct CloseLeftovers {
  ~CloseLeftovers() {
    for (HWND w : WindowsOfImage(L"kelvari.exe")) PostMessageW(w, WM_CLOSE, 0, 0);
  }
};

TEST(LongJob, TheProgressWindowFollowsItsBatchFileAndHearsTheCancel) {
  const auto dir = FreshWorkDir();
  const CloseLeftovers close_leftovers;
  const auto batch = WriteJob(
      dir, "job",
      L"KV PROGRESSBOX /T \"Datensicherung\" \"ABBRECHEN\" \"Dateien werden kopiert \u2026\"\r\n"
      L"RECORD KVRESULT\r\n"
      L"KV PROGRESS 40\r\n"
      L"RECORD KVEXIT\r\n"
      L"KV PROGRESS 55 /T \"Bilder & \"\"Fotos\"\" <kopiert> ^ |\"\r\n"
      L"RECORD KVEXIT\r\n"
      L"RECORD KVRESULT\r\n"
      L"echo.>weiter.txt\r\n"
      L":warten\r\n"
      L"if not exist los.txt ping -n 2 127.0.0.1 >nul\r\n"
      L"if not exist los.txt goto warten\r\n"
      L"KV PROGRESS 60\r\n"
      L"RECORD KVEXIT\r\n"
      L"KV PROGRESS 70\r\n"
      L"RECORD KVEXIT\r\n");
  const auto job = Start(batch, dir);
  HWND window = WindowOfClassTitled(kProgressClass, L"Datensicherung");
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(Eventually([&] { return fs::exists(dir / "weiter.txt"); }, 60000));
  EXPECT_EQ(BarPosition(window), 55);
  EXPECT_EQ(ProgressText(window), L"Bilder & \"Fotos\" <kopiert> ^ |");
  EXPECT_EQ(Text(ChildByText(window, L"55 %")), L"55 %");
  EXPECT_NE(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
  EXPECT_NE(GetForegroundWindow(), window);  // the updates took no focus

  Press(ChildByText(window, L"Abbrechen"));
  EXPECT_TRUE(Eventually([&] { return !IsWindow(window); }));
  WriteBytes(dir / "los.txt", "x");
  EXPECT_EQ(job->WaitForExit(), 0u);
  EXPECT_EQ(Recorded(dir, "job"), "<undefined>\r\n[0]\r\n[0]\r\n<undefined>\r\n[1]\r\n[2]\r\n");
  EXPECT_TRUE(WindowsOfClass(kProgressClass).empty());
  EXPECT_TRUE(fs::is_empty(dir / "temp"));
}

TEST(LongJob, TwoBatchFilesMoveOnlyTheirOwnWindowsWhichCloseWithThem) {
  const auto dir = FreshWorkDir();
  const CloseLeftovers close_leftovers;
  std::vector<std::unique_ptr<Program>> jobs;
  const std::pair<const wchar_t*, int> runs[] = {{L"Eins", 10}, {L"Zwei", 90}};
  for (const auto& [title, percent] : runs) {
    const std::string name = Utf8(title);
    jobs.push_back(Start(WriteJob(dir, name,
                                  L"KV PROGRESSBOX /T \"" + std::wstring(title) +
                                      L"\" \"LAUFEND\" \"Bitte warten\"\r\n"
                                      L"KV PROGRESS " +
                                      std::to_wstring(percent) + L" /T \"" + title +
                                      L" l\u00E4uft\"\r\n"
                                      L"RECORD KVEXIT\r\n"
                                      L":warten\r\n"
                                      L"if not exist los.txt ping -n 2 127.0.0.1 >nul\r\n"
                                      L"if not exist los.txt goto warten\r\n"),
                         dir));
  }
  HWND one = WindowOfClassTitled(kProgressClass, L"Eins");
  HWND two = WindowOfClassTitled(kProgressClass, L"Zwei");
  ASSERT_NE(one, nullptr);
  ASSERT_NE(two, nullptr);
  ASSERT_TRUE(Eventually([&] { return Recorded(dir, "Eins") == "[0]\r\n"; }, 60000));
  ASSERT_TRUE(Eventually([&] { return Recorded(dir, "Zwei") == "[0]\r\n"; }, 60000));
  EXPECT_EQ(ProgressText(one), L"Eins l\u00E4uft");
  EXPECT_EQ(ProgressText(two), L"Zwei l\u00E4uft");
  // LAUFEND: the bar moves by itself, without a percentage.
  EXPECT_NE(GetWindowLongPtrW(ChildOfClass(one, L"msctls_progress32"), GWL_STYLE) & PBS_MARQUEE, 0);
  EXPECT_EQ(ChildByText(one, L"0 %"), nullptr);

  WriteBytes(dir / "los.txt", "x");
  for (auto& job : jobs) EXPECT_EQ(job->WaitForExit(), 0u);
  EXPECT_TRUE(Eventually([&] { return !IsWindow(one) && !IsWindow(two); }));
}

TEST(LongJob, NoticesStackInTheCornerTakeNoFocusAndCloseThemselves) {
  const auto dir = FreshWorkDir();
  const CloseLeftovers close_leftovers;
  // The user types into a box of another batch file while the notices come.
  WriteBytes(dir / "p.txt", "Eingabe\r\n\r\nName?\r\n");
  Call typing(L"erg.txt INPUTBOX p.txt", dir);
  HWND input = typing.Window();
  ASSERT_NE(input, nullptr);
  SetForegroundWindow(input);
  ASSERT_TRUE(Eventually([&] { return GetForegroundWindow() == input; }));

  const auto batch = WriteJob(
      dir, "notice",
      L"KV NOTICEBOX /T \"Sicherung\" \"INFO 5\" \"Die Sicherung ist fertig.\"\r\n"
      L"RECORD KVRESULT\r\n"
      L"KV NOTICEBOX /T \"Zweiter\" \"WARNUNG 86400\" \"Noch einer\" \"mit zwei Zeilen\"\r\n"
      L"RECORD KVRESULT\r\n");
  const auto job = Start(batch, dir, /*console=*/false);
  EXPECT_EQ(job->WaitForExit(), 0u);  // ended while both notices stand
  EXPECT_EQ(Recorded(dir, "notice"), "<undefined>\r\n<undefined>\r\n");
  HWND first = WindowOfClassTitled(kNoticeClass, L"Sicherung");
  HWND second = WindowOfClassTitled(kNoticeClass, L"Zweiter");
  ASSERT_NE(first, nullptr);
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(GetForegroundWindow(), input);
  TypeText(L"abc");
  EXPECT_TRUE(Eventually([&] { return ControlText(ChildOfClass(input, L"Edit")) == L"abc"; }));

  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  RECT a{}, b{}, overlap{};
  GetWindowRect(first, &a);
  GetWindowRect(second, &b);
  EXPECT_LE(a.right, work.right);
  EXPECT_GT(a.right, work.right - 40);
  EXPECT_LE(a.bottom, work.bottom);
  EXPECT_GT(a.bottom, work.bottom - 40);
  EXPECT_LE(b.bottom, a.top);  // stacked upwards, not overlapping
  EXPECT_FALSE(IntersectRect(&overlap, &a, &b));
  EXPECT_NE(GetWindowLongPtrW(first, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);

  EXPECT_TRUE(Eventually([&] { return !IsWindow(first); }, 60000));  // after its 5 seconds
  EXPECT_TRUE(IsWindow(second));
  ClickAt(second, POINT{10, 10});
  EXPECT_TRUE(Eventually([&] { return !IsWindow(second); }));
  PressButton(input, L"Abbrechen");
  EXPECT_EQ(typing.kv.WaitForExit(), 1u);
}

// A button box through kv.cmd: what the user did, and what the batch file then saw.
TEST(LongJob, TheButtonBoxAnswersTheCaptionAsWritten) {
  const auto dir = FreshWorkDir();
  const CloseLeftovers close_leftovers;
  enum Action { kEscape, kEnter, kAltS, kNobody, kEscapeThenAltJ };
  const struct {
    std::wstring attributes;
    Action action;
    const char* seen;  // KVRESULT as the recorder saw it
    DWORD exit;
  } cases[] = {
      {L"FRAGE DEFAULT=2 CANCEL=3", kEscape, "[Sp\xC3\xA4ter & nie]\r\n", 0},
      {L"FRAGE DEFAULT=2", kEnter, "[In einer Stunde]\r\n", 0},
      // Without CANCEL= Escape does nothing: Alt+J still reaches the box.
      {L"DEFAULT=2", kEscapeThenAltJ, "[Jetzt neu starten]\r\n", 0},
      {L"NUMERIC", kAltS, "[2]\r\n", 0},
      {L"DEFAULT=3", kNobody, "[Sp\xC3\xA4ter & nie]\r\n", 3},
  };
  for (const auto& c : cases) {
    std::optional<Environment> timeout;
    if (c.action == kNobody) timeout.emplace(L"KVTIMEOUT", L"2");
    std::error_code ec;
    fs::remove(dir / "box.log", ec);
    const auto job =
        Start(WriteJob(dir, "box",
                       L"KV BUTTONBOX /T \"Neustart\" \"" + c.attributes +
                           L"\" \"&Jetzt neu starten|In einer &Stunde|Sp\u00E4&ter && nie\" "
                           L"\"Der Rechner muss neu starten.\"\r\n"
                           L"set \"rc=%errorlevel%\"\r\n"
                           L"RECORD KVRESULT\r\n"
                           L"exit %rc%\r\n"),
              dir);
    if (c.action != kNobody) {
      HWND box = WindowOfClassTitled(L"#32770", L"Neustart");
      ASSERT_NE(box, nullptr) << Utf8(c.attributes);
      std::vector<std::wstring> captions;
      for (HWND child : Children(box)) {
        if (ClassName(child) == L"Button") captions.push_back(Text(child));
      }
      EXPECT_EQ(captions, (std::vector<std::wstring>{L"&Jetzt neu starten", L"In einer &Stunde",
                                                     L"Sp\u00E4&ter && nie"}));
      for (HWND child : Children(box)) {  // every caption shows whole
        if (ClassName(child) != L"Button") continue;
        RECT r{};
        GetClientRect(child, &r);
        EXPECT_GT(r.right, 40);
      }
      SetForegroundWindow(box);
      if (c.action == kEscape || c.action == kEscapeThenAltJ) PressKey(VK_ESCAPE);
      if (c.action == kEscapeThenAltJ) {
        EXPECT_TRUE(job->StillRunningAfter(500));
        EXPECT_TRUE(IsWindowVisible(box));
        PressKey('J', /*with_alt=*/true);
      }
      if (c.action == kEnter) PressKey(VK_RETURN);
      if (c.action == kAltS) PressKey('S', /*with_alt=*/true);
    }
    // Wine's cmd reads every exit code above 1 of a called batch file as 1.
    const auto exit = job->WaitForExit();
    EXPECT_TRUE(exit == c.exit || (c.exit > 1 && exit == 1u)) << Utf8(c.attributes);
    EXPECT_EQ(Recorded(dir, "box"), c.seen) << Utf8(c.attributes);
  }
}

// Wrong words and numbers: the error in Kelvari's box, exit code 2.
TEST(LongJob, WrongWordsAndNumbersAreErrors) {
  const auto dir = FreshWorkDir();
  const CloseLeftovers close_leftovers;
  const struct {
    std::wstring words;
    std::wstring message;
  } cases[] = {
      {L"PROGRESSBOX /T \"T\" \"ABBRECHEN schnell\" \"x\"",
       L"Befehl PROGRESSBOX: Unbekanntes Attribut SCHNELL."},
      {L"PROGRESS 140",
       L"Befehl PROGRESS: Ung\u00FCltiger Wert 140 (erlaubt: 0 bis 100 oder ENDE)."},
      {L"NOTICEBOX /T \"T\" \"INFO 0\" \"x\"",
       L"Befehl NOTICEBOX: Ung\u00FCltiger Wert 0 (erlaubt: 1 bis 86400 Sekunden)."},
      {L"BUTTONBOX /T \"T\" \"default=4\" \"A|B\" \"x\"",
       L"Befehl BUTTONBOX: Ung\u00FCltiger Wert default=4 (erlaubt: 1 bis 2)."},
      {L"BUTTONBOX /T \"T\" \"\" \"A||B\" \"x\"",
       L"Befehl BUTTONBOX: Zeile 3 muss 1 bis 6 Schaltfl\u00E4chen nennen, durch | getrennt und "
       L"keine leer."},
  };
  for (const auto& c : cases) {
    const auto job =
        Start(WriteJob(dir, "falsch", L"KV " + c.words + L"\r\nexit %errorlevel%\r\n"), dir);
    HWND box = WindowOfClassTitled(L"#32770", L"Kelvari");
    ASSERT_NE(box, nullptr) << Utf8(c.words);
    EXPECT_EQ(ReadMessageBox(box).text, L"Ausf\u00FChrungsfehler:\r\r" + c.message);
    PressButton(box, L"OK");
    const auto exit = job->WaitForExit();
    EXPECT_TRUE(exit == 2u || exit == 1u) << Utf8(c.words);  // Wine's call reads 2 as 1
  }
  // PROGRESS without a window of this batch file: 2 at once, no box.
  const auto job = Start(WriteJob(dir, "ohne", L"KV PROGRESS 5\r\nRECORD KVEXIT\r\n"), dir);
  EXPECT_EQ(job->WaitForExit(), 0u);
  EXPECT_EQ(Recorded(dir, "ohne"), "[2]\r\n");
}

// The two examples as a user runs them: sicherung.cmd copies a folder under its progress window
// and reports the end in a notice; neustart.cmd acts on the caption pressed.
TEST(LongJob, TheExamplesBackUpAndAskForTheRestart) {
  const auto dir = FreshWorkDir();
  const CloseLeftovers close_leftovers;
  const fs::path build = fs::path(KelvariExe()).parent_path();
  const fs::path examples = dir / "kit" / "examples";
  fs::create_directories(examples);
  fs::copy_file(build / "kv.cmd", dir / "kit" / "kv.cmd");
  fs::copy_file(KelvariExe(), dir / "kit" / "kelvari.exe");
  for (const char* name : {"sicherung.cmd", "neustart.cmd"}) {
    fs::copy_file(build / "examples" / name, examples / name);
  }
  for (const char* name : {"a.txt", "b b.txt", "c.txt"}) {
    fs::create_directories(dir / "quelle");
    WriteBytes(dir / "quelle" / name, name);
  }
  const auto run = [&](const std::wstring& example, const std::wstring& args) {
    return std::make_unique<Program>(L"C:\\windows\\system32\\cmd.exe /c \"\"" +
                                         (examples / example).wstring() + L"\" " + args + L" >\"" +
                                         (dir / "aus.txt").wstring() + L"\"\"",
                                     dir, true, CREATE_NEW_CONSOLE);
  };
  const auto backup = run(L"sicherung.cmd", L"\"" + (dir / "quelle").wstring() + L"\" \"" +
                                                (dir / "ziel").wstring() + L"\"");
  EXPECT_EQ(backup->WaitForExit(), 0u);
  EXPECT_EQ(ReadBytes(dir / "ziel" / "b b.txt"), "b b.txt");
  EXPECT_TRUE(fs::exists(dir / "ziel" / "c.txt"));
  EXPECT_EQ(ReadBytes(dir / "aus.txt"), "3 Dateien gesichert.\r\n");
  HWND notice = WindowOfClassTitled(kNoticeClass, L"Datensicherung");
  ASSERT_NE(notice, nullptr);
  EXPECT_TRUE(WindowsOfClass(kProgressClass).empty());
  ClickAt(notice, POINT{10, 10});

  const auto restart = run(L"neustart.cmd", L"");
  HWND box = WindowOfClassTitled(L"#32770", L"Neustart");
  ASSERT_NE(box, nullptr);
  Press(ChildByText(box, L"Jetzt neu starten"));
  EXPECT_EQ(restart->WaitForExit(), 0u);
  EXPECT_NE(ReadBytes(dir / "aus.txt").value_or("").find("Der Rechner startet jetzt neu"),
            std::string::npos);
}

}  // namespace
}  // namespace kvtest
