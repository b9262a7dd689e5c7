#include <gtest/gtest.h>

#include "run_program.h"

namespace kelvari {
namespace {

using testing::FakeSystem;

std::wstring ErrorBoxFor(const std::wstring& args, std::optional<int>* exit = nullptr) {
  FakeSystem sys;
  sys.argument_text = args;
  const auto code = testing::RunProgram(sys);
  if (exit) *exit = code;
  if (sys.boxes.size() != 1) return L"<" + std::to_wstring(sys.boxes.size()) + L" boxes>";
  EXPECT_EQ(sys.boxes[0].title, L"Kelvari");
  EXPECT_EQ(sys.boxes[0].icon, MessageIcon::kStop);
  EXPECT_TRUE(sys.files.empty());
  return sys.boxes[0].text;
}

const std::wstring kHead = L"Ausf\u00FChrungsfehler:\r\r";

// The texts of the other command-line errors, as the real program shows them, are checked end
// to end (FrontEnd.EveryDispatchErrorToTheCharacter).
TEST(Dispatch, ErrorsOfTheCommandLine) {
  std::optional<int> exit;
  EXPECT_EQ(ErrorBoxFor(L"erg.txt msgbox", &exit),
            kHead + L"Das Kommando 'msgbox' ist nicht bekannt.");
  EXPECT_EQ(exit, kExitFailed);
  EXPECT_EQ(ErrorBoxFor(L"erg.txt MESSAGEBOXX"),
            kHead + L"Das Kommando 'MESSAGEBOXX' ist nicht bekannt.");
  EXPECT_EQ(ErrorBoxFor(L"erg.txt INTERNALERROR"), kHead);
}

TEST(Dispatch, CommandWordsAreCaseBlindButWhole) {
  for (const wchar_t* word : {L"MESSAGEBOX", L"messagebox", L"MessageBox"}) {
    FakeSystem sys;
    sys.argument_text = std::wstring(L"e.txt ") + word + L" p.txt";
    sys.files[L"p.txt"].bytes = "T\r\n\r\nText";
    testing::RunProgram(sys);
    EXPECT_EQ(sys.files[L"e.txt"].bytes, "OK\r\n") << word;
  }
}

TEST(Dispatch, AttributeLinesHoldAtMost32767Words) {
  struct Case {
    const wchar_t* command;
    int words;
    std::optional<int> exit;
  } cases[] = {
      {L"MessageBox", 32767, kExitAnswered},
      {L"MessageBox", 32768, kExitFailed},
      {L"ListBox", 32768, kExitFailed},
  };
  for (const Case& c : cases) {
    FakeSystem sys;
    sys.argument_text = std::wstring(L"erg.txt ") + c.command + L" p.txt";
    std::string attributes;
    for (int i = 0; i < c.words; ++i) attributes += "JN ";
    const bool list = c.command[0] == L'L';
    sys.files[L"p.txt"].bytes = list ? testing::CrLf({"T", "l.txt", attributes.c_str(), "P"})
                                     : testing::CrLf({"T", attributes.c_str(), "P"});
    EXPECT_EQ(testing::RunProgram(sys), c.exit) << c.words;
    ASSERT_EQ(sys.boxes.size(), 1u);
    if (c.exit == kExitAnswered) {
      EXPECT_EQ(sys.files[L"erg.txt"].bytes, "OK\r\n");
      continue;
    }
    EXPECT_EQ(sys.boxes[0].text,
              L"Ein Text mit mehr als 32767 W\u00F6rtern kann nicht zerlegt werden.");
    EXPECT_EQ(sys.files.count(L"erg.txt"), 0u);
  }
}

TEST(WriteAnswer, WritesOneAnsiLine) {
  FakeSystem sys;
  testing::TestProgram program(sys);
  sys.argument_text = L"C:\\erg.txt X";
  program.Start({});
  sys.files[L"C:\\erg.txt"].bytes = "ein alter, l\xE4ngerer Inhalt\r\n";
  EXPECT_EQ(program.Finish(Outcome::Answer(L"Gr\u00FC\u00DFe  mit Leerzeichen ")), kExitAnswered);
  EXPECT_EQ(sys.files[L"C:\\erg.txt"].bytes,
            "Gr\xFC\xDF"
            "e  mit Leerzeichen \r\n");
  EXPECT_EQ(program.Finish(Outcome::Answer(L"", kExitCancelled)), kExitCancelled);
  EXPECT_EQ(sys.files[L"C:\\erg.txt"].bytes, "\r\n");
}

TEST(WriteAnswer, AnUnwritableFileIsReportedAndKept) {
  FakeSystem sys;
  sys.files[L"erg.txt"] = {"ALT\r\n", false, false, true};
  testing::TestProgram program(sys);
  sys.argument_text = L"erg.txt X";
  program.Start({});
  EXPECT_EQ(program.Finish(Outcome::Answer(L"NEU")), kExitFailed);
  EXPECT_EQ(sys.files[L"erg.txt"].bytes, "ALT\r\n");
  ASSERT_EQ(sys.boxes.size(), 1u);
  EXPECT_EQ(sys.boxes[0].text,
            L"Die Ergebnisdatei 'erg.txt' konnte nicht geschrieben werden:\rZugriff verweigert");
}

// KVCALLER=kv.cmd: once kv.cmd's cmd has ended, the password is written nowhere: exit 2, no box,
// and the files of kv.cmd's own folder (kv*.tmp, marked by kv.cmd) are removed; any other
// folder stays, and so does a file in it that neither kv.cmd nor the program writes.
TEST(CallerWatch, NoAnswerIsWrittenOnceKvCmdHasEnded) {
  struct Case {
    std::optional<std::wstring> caller;
    bool ended;
    std::wstring folder;
    bool marked;
    int exit;
    bool removed;
  } cases[] = {
      {L"kv.cmd", false, L"C:\\T\\kv123.tmp", true, kExitAnswered, false},
      {L"kv.cmd", true, L"C:\\T\\kv123.tmp", true, kExitFailed, true},
      {L"kv.cmd", true, L"C:\\T\\KV9.TMP", true, kExitFailed, true},
      {L"kv.cmd", true, L"C:\\T\\kv123.tmp", false, kExitFailed, false},
      {L"kv.cmd", true, L"C:\\T\\daten", true, kExitFailed, false},
      {L"kv.cmd", true, L"C:\\kv1.tmp\\x", true, kExitFailed, false},
      {std::nullopt, true, L"C:\\T\\kv123.tmp", true, kExitAnswered, false},
      {L"KV.CMD", true, L"C:\\T\\kv123.tmp", true, kExitAnswered, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(&c - cases);
    FakeSystem sys;
    if (c.marked) testing::KvCmdCall(sys, c.folder);
    sys.files[c.folder].folder = true;
    const std::wstring result = c.folder + L"\\ergebnis.txt";
    const std::wstring params = c.folder + L"\\parameter.txt";
    const std::wstring foreign = c.folder + L"\\wichtig.doc";
    sys.argument_text = result + L" PASSWORDBOX " + params;
    sys.files[params].bytes = testing::CrLf({"T", "V", "P"});
    sys.files[result].bytes = "ALT\r\n";
    sys.files[foreign].bytes = "Wichtig";
    if (c.caller) sys.environment[L"KVCALLER"] = *c.caller;
    sys.parent_ended = c.ended;
    sys.input_box_answer = InputBoxAnswer{true, L"geheim"};
    testing::TestProgram program(sys);
    EXPECT_EQ(program.Run(), c.exit);
    EXPECT_TRUE(sys.boxes.empty());
    EXPECT_EQ(sys.files.count(result) == 0, c.removed);
    EXPECT_EQ(sys.files.count(params) == 0, c.removed);
    EXPECT_EQ(sys.files.count(foreign), 1u);
    if (!c.removed && sys.files.count(result)) {
      EXPECT_EQ(sys.files[result].bytes, c.exit == kExitAnswered ? "geheim\r\n" : "ALT\r\n");
    }
  }
}

// A call through kv.cmd records its cmd in its folder, and removes the folders of earlier
// kv.cmd calls whose cmd has ended, however old or new their answer: only folders kv.cmd
// marked, never a link, never one without a record (its program has not started yet), and in
// them only the files kv.cmd and the program write.
TEST(CallerWatch, FoldersOfEndedCallsAreRemovedByTheNext) {
  for (const bool through_kv_cmd : {true, false}) {
    SCOPED_TRACE(through_kv_cmd);
    FakeSystem sys;
    sys.argument_text = L"C:\\T\\kv1.tmp\\ergebnis.txt CHECKDRIVE C:";
    const Settings settings = testing::KvCmdCall(sys, L"C:\\T\\kv1.tmp");
    if (through_kv_cmd) sys.environment[L"KVCALLER"] = L"kv.cmd";
    const auto call = [&sys](const std::wstring& name, const char* record, bool marked) {
      const std::wstring folder = L"C:\\T\\" + name;
      testing::KvCmdCall(sys, folder);
      if (!marked) sys.files.erase(folder + L"\\kvcmd.txt");
      if (record) sys.files[folder + L"\\aufrufer.txt"].bytes = std::string(record) + "\r\n";
      sys.files[folder + L"\\ergebnis.txt"].bytes = "Geheim\r\n";
      sys.files[folder + L"\\~kelvari-12-1.tmp"].bytes = "Geheim\r\n";
      return folder;
    };
    sys.ended_records = {L"7 1"};
    const std::wstring ended = call(L"kv2.tmp", "7 1", true);
    const std::wstring running = call(L"kv3.tmp", "8 1", true);
    const std::wstring starting = call(L"kv4.tmp", nullptr, true);
    const std::wstring unmarked = call(L"kv5.tmp", "7 1", false);
    const std::wstring linked = call(L"kv6.tmp", "7 1", true);
    sys.linked_folders = {linked};
    const std::wstring mixed = call(L"kv7.tmp", "7 1", true);
    sys.files[mixed + L"\\wichtig.doc"].bytes = "Wichtig";
    testing::TestProgram program(sys);
    program.Run();
    EXPECT_EQ(sys.removed_folders,
              through_kv_cmd ? std::vector<std::wstring>{ended} : std::vector<std::wstring>{});
    EXPECT_EQ(sys.files.count(ended + L"\\ergebnis.txt"), through_kv_cmd ? 0u : 1u);
    for (const std::wstring& kept : {running, starting, unmarked, linked}) {
      EXPECT_EQ(sys.files.count(kept + L"\\ergebnis.txt"), 1u) << kept;
    }
    EXPECT_EQ(sys.files.count(mixed + L"\\ergebnis.txt"), through_kv_cmd ? 0u : 1u);
    EXPECT_EQ(sys.files.count(mixed + L"\\~kelvari-12-1.tmp"), through_kv_cmd ? 0u : 1u);
    EXPECT_EQ(sys.files.count(mixed + L"\\wichtig.doc"), 1u);
    EXPECT_EQ(sys.files.count(mixed), 1u);
    EXPECT_EQ(sys.searched_base, through_kv_cmd ? L"C:\\T" : L"");
    // Its own cmd is recorded in its folder before the command runs.
    EXPECT_EQ(sys.files[L"C:\\T\\kv1.tmp\\aufrufer.txt"].bytes, through_kv_cmd ? "100 5\r\n" : "");
    (void)settings;
  }
}

// KVTIMEOUT: a right value starts the countdown before any window; a wrong one is reported in a
// box that waits 60 s, and no command runs. A window that ran out of time ends with exit 3,
// unless the command failed.
TEST(Timeout, KvTimeoutStartsTheCountdownOrIsReportedInstead) {
  struct Case {
    std::optional<std::wstring> value;
    bool ran_out;
    std::vector<int> countdowns;
    int exit;
    std::string result;  // of an INPUTBOX confirmed with "Text"
  } cases[] = {
      {std::nullopt, false, {}, kExitAnswered, "Text\r\n"},
      {L"30", false, {30}, kExitAnswered, "Text\r\n"},
      {L" 1\t", true, {1}, kExitTimedOut, "Text\r\n"},
      {L"86400", true, {86400}, kExitTimedOut, "Text\r\n"},
      {L"007", false, {7}, kExitAnswered, "Text\r\n"},
      {L"abc", false, {60}, kExitFailed, "ALT\r\n"},
      {L"0", false, {60}, kExitFailed, "ALT\r\n"},
      {L"-5", false, {60}, kExitFailed, "ALT\r\n"},
      {L"+5", false, {60}, kExitFailed, "ALT\r\n"},
      {L"1.5", false, {60}, kExitFailed, "ALT\r\n"},
      {L"86401", false, {60}, kExitFailed, "ALT\r\n"},
      {L"99999999999999999999", false, {60}, kExitFailed, "ALT\r\n"},
      {L"", false, {60}, kExitFailed, "ALT\r\n"},
      {L"3 0", false, {60}, kExitFailed, "ALT\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(&c - cases);
    FakeSystem sys;
    testing::PrepareCall(sys, L"erg.txt INPUTBOX p.txt", testing::CrLf({"T", "V", "P"}));
    if (c.value) sys.environment[L"KVTIMEOUT"] = *c.value;
    sys.input_box_answer = InputBoxAnswer{true, L"Text"};
    sys.countdown_ran_out = c.ran_out;
    testing::TestProgram program(sys);
    EXPECT_EQ(program.Run(), c.exit);
    EXPECT_EQ(sys.countdowns, c.countdowns);
    EXPECT_EQ(sys.files[L"erg.txt"].bytes, c.result);
    if (c.exit == kExitFailed) {
      EXPECT_TRUE(sys.input_boxes.empty());
      ASSERT_EQ(sys.boxes.size(), 1u);
      EXPECT_EQ(sys.boxes[0].text,
                L"Die Umgebungsvariable KVTIMEOUT hat den ung\u00FCltigen Wert '" + *c.value +
                    L"'.\rErlaubt ist eine ganze Zahl von Sekunden von 1 bis "
                    L"86400.");
    }
  }
  // A very long value is shown shortened: what is allowed stays readable.
  {
    FakeSystem sys;
    testing::PrepareCall(sys, L"erg.txt INPUTBOX p.txt", testing::CrLf({"T", "V", "P"}));
    sys.environment[L"KVTIMEOUT"] = std::wstring(20000, L'9');
    testing::TestProgram program(sys);
    EXPECT_EQ(program.Run(), kExitFailed);
    ASSERT_EQ(sys.boxes.size(), 1u);
    EXPECT_EQ(sys.boxes[0].text, L"Die Umgebungsvariable KVTIMEOUT hat den ung\u00FCltigen Wert '" +
                                     std::wstring(40, L'9') +
                                     L"\u2026'.\rErlaubt ist eine ganze Zahl von Sekunden von 1 "
                                     L"bis 86400.");
  }
  // An error box that closed itself is still a failure.
  FakeSystem sys;
  sys.argument_text = L"erg.txt MSGBOX";
  sys.environment[L"KVTIMEOUT"] = L"2";
  sys.countdown_ran_out = true;
  testing::TestProgram program(sys);
  EXPECT_EQ(program.Run(), kExitFailed);
  EXPECT_EQ(sys.boxes.size(), 1u);
}

// KVCHARSET: the answer in the ANSI code page, exact or refused, or in UTF-8, always exact; a
// wrong value is reported like a wrong KVTIMEOUT, which comes first.
TEST(Charset, KvCharsetChoosesTheResultEncodingOrIsReportedInstead) {
  const std::wstring typed = L"\u0106evap\u010Di\u0107i \U0001F600";
  const std::string utf8 =
      "\xC4\x86"
      "evap\xC4\x8Di\xC4\x87i \xF0\x9F\x98\x80\r\n";
  const std::wstring wrong = L"Die Umgebungsvariable KVCHARSET hat den ung\u00FCltigen Wert '";
  struct Case {
    std::optional<std::wstring> value;
    int exit;
    std::string result;  // of an INPUTBOX confirmed with `typed`, cancelled when refused
    std::optional<std::wstring> box;  // the one box shown, when it is a wrong value's
    std::optional<std::wstring> timeout = std::nullopt;
  } cases[] = {
      {std::nullopt, kExitCancelled, "\r\n", std::nullopt},
      {L"", kExitCancelled, "\r\n", std::nullopt},
      {L" ansi ", kExitCancelled, "\r\n", std::nullopt},
      {L"UTF-8", kExitAnswered, utf8, std::nullopt},
      {L"utf8\t", kExitAnswered, utf8, std::nullopt},
      {L"Utf-8", kExitAnswered, utf8, std::nullopt, L"30"},
      {L"UTF-16", kExitFailed, "ALT\r\n", wrong + L"UTF-16'.\rErlaubt sind ANSI und UTF-8."},
      {L"UTF_8", kExitFailed, "ALT\r\n", wrong + L"UTF_8'.\rErlaubt sind ANSI und UTF-8."},
      {L"1252", kExitFailed, "ALT\r\n", wrong + L"1252'.\rErlaubt sind ANSI und UTF-8."},
      {L"x", kExitFailed, "ALT\r\n",
       L"Die Umgebungsvariable KVTIMEOUT hat den ung\u00FCltigen Wert 'y'.\rErlaubt ist eine "
       L"ganze Zahl von Sekunden von 1 bis 86400.",
       L"y"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(&c - cases);
    FakeSystem sys;
    testing::PrepareCall(sys, L"erg.txt INPUTBOX p.txt", testing::CrLf({"T", "V", "P"}));
    if (c.value) sys.environment[L"KVCHARSET"] = *c.value;
    if (c.timeout) sys.environment[L"KVTIMEOUT"] = *c.timeout;
    sys.input_box_tries = {typed};
    testing::TestProgram program(sys);
    EXPECT_EQ(program.Run(), c.exit);
    EXPECT_EQ(sys.files[L"erg.txt"].bytes, c.result);
    ASSERT_EQ(sys.boxes.size(), c.exit == kExitAnswered ? 0u : 1u);
    if (c.box) {
      EXPECT_EQ(sys.boxes[0].text, *c.box);
      EXPECT_EQ(sys.countdowns, std::vector<int>{60});
      EXPECT_TRUE(sys.input_boxes.empty());
    } else if (c.exit == kExitCancelled) {
      EXPECT_TRUE(
          sys.boxes[0].text.starts_with(L"Der eingegebene Text enth\u00E4lt Zeichen, die im "
                                        L"Zeichensatz von Windows (ANSI)"));
    }
  }
}

}  // namespace
}  // namespace kelvari
