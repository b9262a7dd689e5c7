#include <gtest/gtest.h>

#include "commands/file_box_filter.h"
#include "run_program.h"
#include "win32/dialog_buffers_logic.h"

namespace kelvari {
namespace {

using testing::CrLf;
using testing::FakeSystem;
constexpr ResultCharset kUtf8 = ResultCharset::kUtf8;

std::wstring Nul(std::wstring_view with_bars) {
  std::wstring s(with_bars);
  for (auto& c : s)
    if (c == L'#') c = L'\0';
  return s;
}

// The file types as the file dialog reads them (win32/dialog_buffers_logic.h).
TEST(FilterList, BarsBecomeNulEndedStrings) {
  struct Case {
    const wchar_t* filter;
    const wchar_t* list;  // '#' stands for NUL
  };
  const Case cases[] = {
      {L"Text (*.txt)|*.txt|Bilder(*.bmp;*.ico)|*.bmp;*.ico",
       L"Text (*.txt)#*.txt#Bilder(*.bmp;*.ico)#*.bmp;*.ico#"},
      {L"Alle|*.*", L"Alle#*.*#"},
      {L"Text|*.txt|", L"Text#*.txt#"},               // one bar at the end is ignored
      {L"Text|*.txt|Rest", L"Text#*.txt#Rest#*.*#"},  // lone description: every file
      {L"Nur Text", L"Nur Text#*.*#"},
      {L"Text||Bilder|*.bmp", L"Text#*.*#Bilder#*.bmp#"},  // empty patterns never end the list
      {L"|*.txt", L"*.txt#*.txt#"},                        // empty description shows patterns
      {L"||Text|*.txt", L"Text#*.txt#"},                   // empty pair left out
      {L"", L""},
      {L"|", L""},
      {L"|||", L""},
      {L"Te#xt|*.t#xt", L"Text#*.txt#"},  // NULs inside parts are dropped
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FileTypeFilter(FilterList(Nul(c.filter))), Nul(c.list))
        << ::testing::PrintToString(c.filter);
  }
}

// A buffer the system filled (win32/dialog_buffers_logic.h).
TEST(DialogBuffers, TrimAtNull) {
  EXPECT_EQ(TrimAtNull(std::wstring(260, L'\0')), L"");
  EXPECT_EQ(TrimAtNull(L"C:\\Daten"), L"C:\\Daten");
  std::wstring buffer = L"C:\\Daten";
  buffer.resize(260, L'\0');
  EXPECT_EQ(TrimAtNull(buffer), L"C:\\Daten");
  EXPECT_EQ(TrimAtNull(std::wstring(L"a\0b", 3)), L"a");
}

struct FileBoxRun {
  FakeSystem sys;
  std::optional<int> exit;
  std::string result() { return sys.files.count(L"e.txt") ? sys.files[L"e.txt"].bytes : "<none>"; }
};

void RunFileBox(FileBoxRun& run, const wchar_t* command, const std::string& param_file,
                ResultCharset charset = ResultCharset::kAnsi) {
  run.sys.argument_text = std::wstring(L"e.txt ") + command + L" p.txt";
  run.sys.files[L"p.txt"].bytes = param_file;
  testing::TestProgram program(run.sys);
  Settings settings;
  settings.charset = charset;
  run.exit = testing::RunProgram(run.sys, &program, settings);
}

const std::string kParams = CrLf({"; Kommentar", "Datei w\xE4hlen", "vorschlag.txt", "C:\\Daten",
                                  "Text|*.txt", "Zeile 5 wird nicht gelesen"});

TEST(FileBox, SetsTheFourTextsAndAnswersWithTheChosenPath) {
  for (const wchar_t* command : {L"FILEOPENBOX", L"filesavebox"}) {
    FileBoxRun run;
    run.sys.file_dialog_outcomes.push_back(
        FileDialogChoice{true, {L"C:\\Daten\\gew\u00E4hlt.txt"}});
    RunFileBox(run, command, kParams);
    ASSERT_EQ(run.sys.file_dialogs.size(), 1u);
    const FileDialogRequest& r = run.sys.file_dialogs[0];
    EXPECT_EQ(r.kind, command[4] == L'O' ? FileDialogKind::kOpen : FileDialogKind::kSave);
    EXPECT_EQ(r.title, L"Datei w\u00E4hlen");
    EXPECT_EQ(r.file_name, L"vorschlag.txt");
    EXPECT_EQ(r.initial_dir, L"C:\\Daten");
    EXPECT_EQ(FileTypeFilter(r.file_types), Nul(L"Text#*.txt#"));
    EXPECT_GE(FileDialogBufferChars(r.file_name.size()), 32768u);
    EXPECT_EQ(run.exit, kExitAnswered);
    EXPECT_EQ(run.result(), "C:\\Daten\\gew\xE4hlt.txt\r\n");
    EXPECT_TRUE(run.sys.boxes.empty());
  }
}

TEST(FileBox, CancelAnswersTheProposalUnchangedWithExitOne) {
  struct Case {
    const char* proposal;
    const char* result;
  };
  for (const Case& c : {Case{"vorschlag.txt", "vorschlag.txt\r\n"}, Case{"", "\r\n"},
                        Case{"  mit Blanks  ", "mit Blanks\r\n"}}) {
    FileBoxRun run;
    RunFileBox(run, L"FILEOPENBOX", CrLf({"", c.proposal, "", ""}));
    EXPECT_EQ(run.exit, kExitCancelled);
    EXPECT_EQ(run.result(), c.result);
    ASSERT_EQ(run.sys.file_dialogs.size(), 1u);
    EXPECT_TRUE(run.sys.file_dialogs[0].file_types.empty());
    EXPECT_EQ(run.sys.file_dialogs[0].title, L"");
  }
}

// In UTF-8 (KVCHARSET) every path is answered itself; only half a surrogate pair alone, which
// UTF-8 cannot hold, still needs the short form.
TEST(FileBox, APathTheCodePageCannotHoldIsAnsweredByItsShortFormOrRefused) {
  const std::wstring quotes = L"C:\\Daten\\Bericht\uFF02 & mkdir X & \uFF02.txt";
  const std::wstring lone = L"C:\\Daten\\halb\xD800.txt";
  struct Case {
    std::wstring chosen;
    std::string result;  // "<none>": refused, the old result stays
    ResultCharset charset = ResultCharset::kAnsi;
  };
  const Case cases[] = {
      {L"C:\\Daten\\\u20AC.txt", "C:\\Daten\\\x80.txt\r\n"},  // held by the code page
      {quotes, "C:\\Daten\\BERICH~1.TXT\r\n"},
      {L"C:\\\u4E2D\\neu.txt", "C:\\4E2D~1\\neu.txt\r\n"},  // a new name: its folder's short form
      {L"C:\\\u4E2D\\", "<none>"},
      {L"C:\\Daten\\neu\u4E2D.txt", "<none>"},  // a new name the code page cannot hold
      {L"C:\\Ohne\uFF02\\kurz.txt", "<none>"},  // its short form is no better
      {L"C:\\Ohne\uFF02\\neu.txt", "<none>"},   // nor is its folder's
      {L"D:\\\uFF02.txt", "<none>"},
      {quotes, "C:\\Daten\\Bericht\xEF\xBC\x82 & mkdir X & \xEF\xBC\x82.txt\r\n", kUtf8},
      {L"C:\\Daten\\neu\u4E2D \U0001F600.txt",
       "C:\\Daten\\neu\xE4\xB8\xAD \xF0\x9F\x98\x80.txt\r\n", kUtf8},
      {lone, "C:\\Daten\\HALB~1.TXT\r\n", kUtf8},
      {L"C:\\Daten\\neu\xDC00.txt", "<none>", kUtf8},
  };
  for (const Case& c : cases) {
    for (const wchar_t* command : {L"FILEOPENBOX", L"FILESAVEBOX"}) {
      FileBoxRun run;
      run.sys.files[L"e.txt"].bytes = "ALT\r\n";
      run.sys.short_paths = {{quotes, L"C:\\Daten\\BERICH~1.TXT"},
                             {L"C:\\\u4E2D", L"C:\\4E2D~1"},
                             {L"C:\\Ohne\uFF02\\kurz.txt", L"C:\\OHNE\uFF02~1\\KURZ.TXT"},
                             {L"C:\\Ohne\uFF02", L"C:\\OHNE\uFF02~1"},
                             {lone, L"C:\\Daten\\HALB~1.TXT"}};
      run.sys.file_dialog_outcomes.push_back(FileDialogChoice{true, {c.chosen}});
      RunFileBox(run, command, kParams, c.charset);
      const bool refused = c.result == "<none>";
      EXPECT_EQ(run.result(), refused ? "ALT\r\n" : c.result) << ::testing::PrintToString(c.chosen);
      EXPECT_EQ(run.exit, refused ? kExitFailed : kExitAnswered);
      ASSERT_EQ(run.sys.boxes.size(), refused ? 1u : 0u);
      if (refused) {
        EXPECT_EQ(run.sys.boxes[0].title, L"Kelvari");
        EXPECT_EQ(run.sys.boxes[0].icon, MessageIcon::kStop);
        EXPECT_TRUE(
            run.sys.boxes[0].text.starts_with(L"Der Pfad '" + c.chosen + L"' enth\u00E4lt"));
      }
    }
  }
}

// Line 5 sets options only when it begins with OPTIONS:; any other line 5 changes nothing.
TEST(FileBox, AnOptionLineSetsTheDialogsOptions) {
  struct Case {
    const wchar_t* command;
    const char* line5;
    bool must_exist, multi, replace;
    const wchar_t* extension;
    const wchar_t* fault = nullptr;  // the message of a wrong option line
  } cases[] = {
      {L"FILEOPENBOX", "Zeile 5 wird nicht gelesen", false, false, false, L""},
      {L"FILEOPENBOX", "OPTIONS", false, false, false, L""},
      {L"FILEOPENBOX", "MUSTEXIST", false, false, false, L""},
      {L"FILEOPENBOX", "options:", false, false, false, L""},
      {L"FILEOPENBOX", "Options: mustexist  MULTISELECT", true, true, false, L""},
      {L"FILEOPENBOX", "OPTIONS: EXTENSION=.txt", false, false, false, L"txt"},
      {L"FILESAVEBOX", "OPTIONS: ConfirmReplace Extension=csv", false, false, true, L"csv"},
      {L"FILESAVEBOX", "OPTIONS: MUSTEXIST", false, false, false, L"",
       L"Befehl FILESAVEBOX: Unbekannte Option MUSTEXIST."},
      {L"FILEOPENBOX", "OPTIONS: confirmreplace", false, false, false, L"",
       L"Befehl FILEOPENBOX: Unbekannte Option CONFIRMREPLACE."},
      {L"FILESAVEBOX", "OPTIONS: EXTENSION=", false, false, false, L"",
       L"Befehl FILESAVEBOX: Die Option EXTENSION= nennt keine Dateiendung."},
      {L"FILESAVEBOX", "OPTIONS: EXTENSION=*.txt", false, false, false, L"",
       L"Befehl FILESAVEBOX: Die Option EXTENSION=*.txt nennt keine Dateiendung."},
  };
  for (const Case& c : cases) {
    FileBoxRun run;
    RunFileBox(run, c.command, CrLf({"T", "v.txt", "C:\\", "Alle|*.*", c.line5}));
    if (c.fault) {
      EXPECT_EQ(run.exit, kExitFailed) << c.line5;
      EXPECT_TRUE(run.sys.file_dialogs.empty());
      ASSERT_EQ(run.sys.boxes.size(), 1u);
      EXPECT_EQ(run.sys.boxes[0].text, c.fault);
      continue;
    }
    ASSERT_EQ(run.sys.file_dialogs.size(), 1u) << c.line5;
    const FileDialogRequest& r = run.sys.file_dialogs[0];
    EXPECT_EQ(r.must_exist, c.must_exist) << c.line5;
    EXPECT_EQ(r.multi_select, c.multi) << c.line5;
    EXPECT_EQ(r.confirm_replace, c.replace) << c.line5;
    EXPECT_EQ(r.default_extension, c.extension) << c.line5;
    EXPECT_EQ(run.result(), "v.txt\r\n");  // cancelled
  }
}

// Several files answer as LISTBOX MULTISELECT QUOTED does, each full path also on its own.
TEST(FileBox, SeveralFilesAnswerQuotedFullPaths) {
  FileBoxRun run;
  run.sys.file_dialog_outcomes.push_back(
      FileDialogChoice{true, {L"C:\\a b\\x.txt", L"C:\\a b\\\u4E2D.txt", L"C:\\a b\\100%.txt"}});
  run.sys.short_paths[L"C:\\a b\\\u4E2D.txt"] = L"C:\\AB~1\\4E2D~1.TXT";
  run.sys.argument_text = L"e.txt FILEOPENBOX p.txt";
  run.sys.files[L"p.txt"].bytes = CrLf({"T", "", "", "", "OPTIONS: MULTISELECT"});
  testing::TestProgram program(run.sys);
  const Outcome outcome = program.Start({});
  EXPECT_EQ(outcome.text, L"\"C:\\a b\\x.txt\" \"C:\\AB~1\\4E2D~1.TXT\" \"C:\\a b\\100%.txt\"");
  EXPECT_EQ(outcome.entries, (std::vector<std::wstring>{L"C:\\a b\\x.txt", L"C:\\AB~1\\4E2D~1.TXT",
                                                        L"C:\\a b\\100%.txt"}));
  EXPECT_EQ(outcome.exit_code, kExitAnswered);
}

TEST(FileBox, ALongProposalGetsRoomInTheBuffer) {
  FileBoxRun run;
  const std::string name(40000, 'n');
  RunFileBox(run, L"FILEOPENBOX", CrLf({"T", name.c_str(), "", ""}));
  ASSERT_EQ(run.sys.file_dialogs.size(), 1u);
  EXPECT_GT(FileDialogBufferChars(run.sys.file_dialogs[0].file_name.size()), 40000u);
  EXPECT_EQ(run.result(), name + "\r\n");
}

TEST(FileBox, AFailureOfTheDialogIsAFaultWithoutResult) {
  FileBoxRun run;
  run.sys.file_dialog_outcomes = {Failure{L"Code 0x3002"}};
  RunFileBox(run, L"FILEOPENBOX", kParams);
  EXPECT_EQ(run.exit, kExitFailed);
  EXPECT_EQ(run.result(), "<none>");
  ASSERT_EQ(run.sys.boxes.size(), 1u);
  EXPECT_EQ(run.sys.boxes[0].text, L"Der Dateidialog konnte nicht angezeigt werden:\rCode 0x3002");
  EXPECT_EQ(run.sys.file_dialogs.size(), 1u);
}

TEST(FileBox, ThreeLinesAreErrorFiveAndNoDialog) {
  FileBoxRun run;
  RunFileBox(run, L"FileOpenBox", CrLf({"T", "n", "d"}));
  EXPECT_EQ(run.exit, kExitFailed);
  EXPECT_TRUE(run.sys.file_dialogs.empty());
  ASSERT_EQ(run.sys.boxes.size(), 1u);
  EXPECT_NE(run.sys.boxes[0].text.find(L"'FileOpenBox' wurden\rzu wenig"), std::wstring::npos);
}

}  // namespace
}  // namespace kelvari
