#include <gtest/gtest.h>

#include <map>

#include "commands/list_box_attributes.h"
#include "commands/list_box_file.h"
#include "run_program.h"

namespace kelvari {
namespace {

using testing::FakeSystem;
using testing::ListUserAction;

using Ending = ListDialogAnswer::Ending;

// The user selects `selection`, when given, and ends the dialog as `ending` says.
ListUserAction Act(Ending ending, std::optional<std::vector<int>> selection = std::nullopt) {
  return {ending, std::move(selection)};
}

// "&OK" (or a double click) after the user has selected `selection`, when given.
ListUserAction Ok(std::optional<std::vector<int>> selection = std::nullopt) {
  return Act(Ending::kConfirmed, std::move(selection));
}

// Runs LISTBOX up to the shown dialog, which the user leaves open. Each action of the user runs
// the call again from the start with everything the user has done so far, in a copy of the
// system as the call found it.
struct ListRun {
  FakeSystem prepared;  // the system as the call finds it
  FakeSystem sys;       // the system after the call
  testing::TestProgram program{sys};
  std::vector<ListUserAction> actions;  // what the user has done so far
  Settings used;
  std::optional<int> exit;
  std::wstring folder;  // of the files: empty for the current folder, else ending in a backslash

  ListRun(const std::string& attributes, const std::string& list_bytes,
          const std::string& list_name = "liste.txt",
          std::map<std::wstring, std::wstring> environment = {}, const Settings& settings = {},
          const std::wstring& in_folder = L"")
      : folder(in_folder) {
    prepared.environment = std::move(environment);
    prepared.argument_text = folder + L"erg.txt ListBox " + folder + L"p.txt";
    const std::string list = std::string(folder.begin(), folder.end()) + list_name;
    prepared.files[folder + L"p.txt"].bytes =
        testing::CrLf({"Auswahl", list.c_str(), attributes.c_str(), "Bitte", "", "w\xE4hlen"});
    prepared.files[folder + L"liste.txt"].bytes = list_bytes;
    prepared.files[folder + L"erg.txt"].bytes = "ALT\r\n";
    // A folder given is one kv.cmd made for this call (see KvCmdCall).
    used = folder.empty() ? settings
                          : testing::KvCmdCall(prepared, folder.substr(0, folder.size() - 1));
    Replay();
  }

  const ListDialogRequest& dialog() const { return sys.list_dialogs.at(0); }

  // The user does `action` next; returns the exit code the process ends with, nullopt while
  // the dialog stays open.
  std::optional<int> Do(ListUserAction action) {
    actions.push_back(std::move(action));
    return Replay();
  }
  // Runs the call with the user's actions so far.
  std::optional<int> Replay() {
    sys = prepared;
    sys.list_actions.assign(actions.begin(), actions.end());
    exit = testing::RunProgram(sys, &program, used);
    return exit;
  }
  std::string Result() { return sys.files[folder + L"erg.txt"].bytes; }
};

TEST(ListBox, ShowsTheDialogAndReturns) {
  ListRun run("", "Rot\r\n Gr\xFCn \r\nBlau\r\n");
  EXPECT_EQ(run.exit, std::nullopt);
  ASSERT_EQ(run.sys.list_dialogs.size(), 1u);
  EXPECT_EQ(run.dialog().title, L"Auswahl");
  EXPECT_EQ(run.dialog().prompt, L"Bitte\r\rw\u00E4hlen");
  EXPECT_FALSE(run.dialog().multi_select);
  EXPECT_TRUE(run.dialog().ok_enabled);
  EXPECT_EQ(run.sys.list_entries_shown,
            (std::vector<std::wstring>{L"Rot", L" Gr\u00FCn ", L"Blau"}));
  // The command-line words stay in place for the result file.
  EXPECT_EQ(run.program.call().WordCount(), 3);
  EXPECT_EQ(run.program.call().Word(1), L"erg.txt");
}

TEST(ListBox, AttributeLineSetsTheModes) {
  struct Case {
    const char* attributes;
    std::int16_t numeric, multi;
    bool quoted = false;
    std::vector<int> preselected = {};
  } cases[] = {
      {"", 0, 0},
      {"   ", 0, 0},
      {"MULTISELECT", 0, 1},
      {"multiselect", 0, 1},
      {"MultiSelect Numeric", -1, 1},
      {"MULTISELECT SINGLESELECT", 0, 0},
      {"NUMERIC STRING", 0, 0},
      {"  numeric   singleselect  ", -1, 0},
      {"quoted MULTISELECT selected=3,1,3", 0, 1, true, {0, 2}},
      {"MULTISELECT SELECTED=1,2 NUMERIC Selected=2 SINGLESELECT", -1, 0, false, {1}},
      // Required entries are selected too; the text takes the rest of the line.
      {"MULTISELECT SELECTED=1 required=3,3", 0, 1, false, {0, 2}},
      {"selectedtext=b", 0, 0, false, {1}},
      {"MULTISELECT SELECTED=1 SelectedText=c", 0, 1, false, {2}},
      {"SELECTEDTEXT=B", 0, 0, false, {}},  // case counts; a text not in the list selects none
      {"SELECTEDTEXT=b x", 0, 0, false, {}},
  };
  for (const Case& c : cases) {
    ListRun run(c.attributes, "a\r\nb\r\nc\r\n");
    ASSERT_EQ(run.exit, std::nullopt) << c.attributes;
    const ListBoxAttributes read = ReadListBoxAttributes(run.sys.FromAnsi(c.attributes), run.sys);
    EXPECT_EQ(read.kind.numeric, c.numeric != 0) << c.attributes;
    EXPECT_EQ(read.kind.multi_select, c.multi != 0) << c.attributes;
    EXPECT_EQ(read.kind.quoted, c.quoted) << c.attributes;
    EXPECT_EQ(run.dialog().multi_select, c.multi != 0);
    EXPECT_EQ(run.dialog().preselected, c.preselected) << c.attributes;
  }
}

TEST(ListBox, ErrorsSevenAndEight) {
  struct Case {
    const char* attributes;
    const char* list_name;
    std::wstring message;
  } cases[] = {
      {"MULTISELECT blabla", "liste.txt", L"Befehl LISTBOX: Unbekanntes Attribut BLABLA."},
      {"blabla MULTISELECT x", "fehlt.txt", L"Befehl LISTBOX: Unbekanntes Attribut BLABLA."},
      {"MULTI", "fehlt.txt", L"Befehl LISTBOX: Unbekanntes Attribut MULTI."},
      {"QUOTE", "liste.txt", L"Befehl LISTBOX: Unbekanntes Attribut QUOTE."},
      {"MULTISELECT selected=", "fehlt.txt", L"Befehl LISTBOX: Unbekanntes Attribut SELECTED=."},
      {"SELECTED=0 x", "liste.txt", L"Befehl LISTBOX: Unbekanntes Attribut SELECTED=0."},
      {"SELECTED=1,,2", "liste.txt", L"Befehl LISTBOX: Unbekanntes Attribut SELECTED=1,,2."},
      {"SELECTED=x", "liste.txt", L"Befehl LISTBOX: Unbekanntes Attribut SELECTED=X."},
      {"SELECTED=99999999999", "liste.txt",
       L"Befehl LISTBOX: Unbekanntes Attribut SELECTED=99999999999."},
      // single selection holds one entry
      {"SELECTED=1,2", "fehlt.txt", L"Befehl LISTBOX: Unbekanntes Attribut SELECTED=1,2."},
      // a number beyond the list (of two entries)
      {"MULTISELECT SELECTED=2,3", "liste.txt",
       L"Befehl LISTBOX: Unbekanntes Attribut SELECTED=2,3."},
      {"REQUIRED=1", "liste.txt", L"Befehl LISTBOX: Unbekanntes Attribut REQUIRED=1."},
      {"MULTISELECT Required=1,3", "liste.txt",
       L"Befehl LISTBOX: Unbekanntes Attribut REQUIRED=1,3."},
      {"MULTISELECT REQUIRED=0", "liste.txt", L"Befehl LISTBOX: Unbekanntes Attribut REQUIRED=0."},
      {"MULTISELECTSELECTEDTEXT=a", "liste.txt",
       L"Befehl LISTBOX: Unbekanntes Attribut MULTISELECTSELECTEDTEXT=A."},
      {"SELECTED=3", "fehlt.txt",
       L"LISTBOX: Die Datei FEHLT.TXT mit dem\rListeninhalt konnte nicht gefunden werden."},
      {"numeric", "fehlt.txt",
       L"LISTBOX: Die Datei FEHLT.TXT mit dem\rListeninhalt konnte nicht gefunden werden."},
      {"", "versteckt.txt",
       L"LISTBOX: Die Datei VERSTECKT.TXT mit dem\rListeninhalt konnte nicht gefunden werden."},
      {"", "ordner",
       L"LISTBOX: Die Datei ORDNER mit dem\rListeninhalt konnte nicht gefunden werden."},
  };
  for (const Case& c : cases) {
    FakeSystem sys;
    sys.argument_text = L"erg.txt LISTBOX p.txt";
    sys.files[L"p.txt"].bytes = testing::CrLf({"T", c.list_name, c.attributes, "P"});
    sys.files[L"liste.txt"].bytes = "a\r\nb";
    sys.files[L"versteckt.txt"] = {"a\r\n", true};
    sys.files[L"ordner"].folder = true;
    EXPECT_EQ(testing::RunProgram(sys), kExitFailed) << c.attributes;
    EXPECT_TRUE(sys.list_dialogs.empty());
    ASSERT_EQ(sys.boxes.size(), 1u);
    EXPECT_EQ(sys.boxes[0].text, L"Ausf\u00FChrungsfehler:\r\r" + c.message);
    EXPECT_EQ(sys.files.count(L"erg.txt"), 0u);
  }
}

// SELECTEDTEXT= selects the first entry that is exactly the text, blanks and all.
TEST(ListBox, ATextSelectsTheFirstEntryThatIsExactlyIt) {
  struct Case {
    const char* attributes;
    std::vector<int> preselected;
  } cases[] = {
      {"SELECTEDTEXT=M\xFCller & S\xF6hne", {1}},
      {"MULTISELECT selectedtext=zwei mal", {2}},
      {"SELECTEDTEXT=zwei", {}},
      {"SELECTEDTEXT=SELECTED=1", {4}},
      {"SELECTEDTEXT=", {5}},
  };
  for (const Case& c : cases) {
    ListRun run(c.attributes,
                "a\r\nM\xFCller & S\xF6hne\r\nzwei mal\r\nzwei mal\r\nSELECTED=1\r\n\r\n");
    ASSERT_EQ(run.exit, std::nullopt) << c.attributes;
    EXPECT_EQ(run.dialog().preselected, c.preselected) << c.attributes;
  }
}

// REQUIRED= entries stay in the answer whatever the user unselected, also when time runs out.
TEST(ListBox, RequiredEntriesCannotBeUnselected) {
  for (bool timed_out : {false, true}) {
    ListRun run("MULTISELECT QUOTED REQUIRED=3,1", "a\r\nb\r\nc\r\n");
    ASSERT_EQ(run.exit, std::nullopt);
    EXPECT_EQ(run.dialog().required, (std::vector<int>{0, 2}));
    // The user has unselected both.
    const auto exit = run.Do(Act(timed_out ? Ending::kTimeRanOut : Ending::kConfirmed, {{1}}));
    EXPECT_EQ(exit, kExitAnswered);
    EXPECT_EQ(run.Result(), "\"a\" \"b\" \"c\"\r\n");
  }
}

TEST(ListBox, ADeviceAsListFileIsReportedAsADevice) {
  FakeSystem sys;
  sys.argument_text = L"erg.txt LISTBOX p.txt";
  sys.files[L"p.txt"].bytes = testing::CrLf({"T", "CON", "", "P"});
  sys.devices = {L"CON"};
  EXPECT_EQ(testing::RunProgram(sys), kExitFailed);
  EXPECT_TRUE(sys.list_dialogs.empty());
  ASSERT_EQ(sys.boxes.size(), 1u);
  EXPECT_EQ(sys.boxes[0].text,
            L"LISTBOX: Die Datei CON mit dem Listeninhalt konnte nicht gelesen werden:\r"
            L"Der Name bezeichnet ein Ger\u00E4t und keine Datei.");
}

TEST(ListBox, ThreeLinesAreErrorFive) {
  FakeSystem sys;
  sys.argument_text = L"erg.txt listbox p.txt";
  sys.files[L"p.txt"].bytes = testing::CrLf({"T", "liste.txt", ""});
  EXPECT_EQ(testing::RunProgram(sys), kExitFailed);
  ASSERT_EQ(sys.boxes.size(), 1u);
  EXPECT_NE(sys.boxes[0].text.find(L"'listbox' wurden\rzu wenig"), std::wstring::npos);
}

TEST(ListBox, ListFileLinesAreKeptAsTheyAre) {
  struct Case {
    std::string bytes;
    std::vector<std::wstring> entries;
    std::wstring kv_cmd_folder = L"";
  } cases[] = {
      {"", {}},
      {"\r\n", {L""}},
      {"a\r\n\r\n   \r\n; Kommentar\r\nREM x\r\n'y\r\n",
       {L"a", L"", L"   ", L"; Kommentar", L"REM x", L"'y"}},
      {"a\rb\nc\r\nd", {L"a", L"b\nc", L"d"}},
      {"\xEF\xBB\xBF"
       "Gr\xC3\xBCn\r\n",
       {L"Gr\u00FCn"}},
      {"Gr\xFCn\r\n", {L"Gr\u00FCn"}},
      {std::string("\xFF\xFE"
                   "a\0\r\0\n\0",
                   8),
       {L"a"}},
      // kv.cmd's own lists: the encoding their first line names, whatever the bytes look like.
      {";kv.cmd:UTF-8\r\n\xC4\x8D\r\n; x\r\n\r\n", {L"\u010D", L"; x", L""}},
      {";kv.cmd:ANSI\r\nGr\xC3\xBCn\r\n", {L"Gr\u00C3\u00BCn"}},
      {";kv.cmd:utf-8\r\nx", {L";kv.cmd:utf-8", L"x"}},
      {std::string(";\0k\0v\0.\0c\0m\0d\0:\0U\0T\0F\0-\0"
                   "1\0"
                   "6\0\r\0\n\0;\0x\0\r\0\n\0A\1-N\r\0\n\0",
                   48),
       {L";x", L"\u0141\u4E2D"}},
      // Its lists of variables, written for this call in its own folder: each entry is a
      // variable's value, exactly. Anyone else's file that starts so is read like any other.
      {";kv.cmd:UTF-8:VARIABLES\r\nkv_entry_1\r\nkv_entry_2\r\nkv_entry_3\r\nFEHLT\r\n",
       {L";x", L"REM y", L"\u0141\u4E2D\U0001F600 100%", L""},
       L"C:\\T\\kv1.tmp\\"},
      {";kv.cmd:ANSI:VARIABLES\r\nkv_entry_1\r\nPATH\r\n",
       {L";kv.cmd:ANSI:VARIABLES", L"kv_entry_1", L"PATH"}},
  };
  for (const Case& c : cases) {
    ListRun run("", c.bytes, "liste.txt",
                {{L"kv_entry_1", L";x"},
                 {L"kv_entry_2", L"REM y"},
                 {L"kv_entry_3", L"\u0141\u4E2D\U0001F600 100%"},
                 {L"PATH", L"C:\\Windows"}},
                {}, c.kv_cmd_folder);
    ASSERT_EQ(run.exit, std::nullopt);
    EXPECT_EQ(run.sys.list_entries_shown, c.entries) << c.bytes;
    EXPECT_EQ(run.dialog().ok_enabled, !c.entries.empty()) << c.bytes;
  }
}

// A list of variables counts only in a call kv.cmd made, in that call's own folder, under the
// name kv.cmd gives it: in every other case its lines are entries as they stand.
TEST(ListBox, OnlyKvCmdsOwnListNamesVariables) {
  const std::vector<std::wstring> as_is = {L";kv.cmd:ANSI:VARIABLES", L"GEHEIM"};
  const struct {
    bool by_kv_cmd;
    const wchar_t* list;
    std::vector<std::wstring> entries;
  } cases[] = {
      {true, L"C:\\T\\kv1.tmp\\liste.txt", {L"Kennwort"}},
      {false, L"C:\\T\\kv1.tmp\\liste.txt", as_is},
      {true, L"C:\\T\\kv2.tmp\\liste.txt", as_is},  // another call's folder
      {true, L"C:\\T\\kv1.tmp\\kopie.txt", as_is},  // a copy of the caller's file
      {true, L"C:\\T\\liste.txt", as_is},
  };
  for (const auto& c : cases) {
    FakeSystem sys;
    testing::TestProgram program{sys};
    Settings settings = testing::KvCmdCall(sys, L"C:\\T\\kv1.tmp");
    testing::KvCmdCall(sys, L"C:\\T\\kv2.tmp");
    settings.started_by_kv_cmd = c.by_kv_cmd;
    sys.environment[L"GEHEIM"] = L"Kennwort";
    sys.argument_text = L"C:\\T\\kv1.tmp\\erg.txt LISTBOX p.txt";
    sys.files[L"p.txt"].bytes = "Auswahl\r\n" + sys.ToAnsi(c.list).bytes + "\r\n\r\nP\r\n";
    sys.files[c.list].bytes = ";kv.cmd:ANSI:VARIABLES\r\nGEHEIM\r\n";
    EXPECT_EQ(testing::RunProgram(sys, &program, settings), std::nullopt) << c.list;
    EXPECT_EQ(sys.list_entries_shown, c.entries) << c.list;
  }
}

TEST(ListBox, TheLongestListOpensALongerOneIsRefused) {
  std::string longest;
  for (int i = 1; i <= 32767; ++i) longest += "Eintrag " + std::to_string(i) + "\r\n";
  ListRun ok("", longest);
  ASSERT_EQ(ok.exit, std::nullopt);
  EXPECT_EQ(ok.sys.list_entries_shown.size(), 32767u);
  EXPECT_EQ(ok.sys.list_entries_shown.back(), L"Eintrag 32767");

  ListRun too_long("", longest + "eins zu viel");
  EXPECT_EQ(too_long.exit, kExitFailed);
  EXPECT_TRUE(too_long.sys.list_dialogs.empty());
  ASSERT_EQ(too_long.sys.boxes.size(), 1u);
  EXPECT_EQ(too_long.sys.boxes[0].text,
            L"LISTBOX: Die Datei liste.txt mit dem Listeninhalt hat mehr als 32767 Zeilen.\r"
            L"Eine Liste kann h\u00F6chstens 32767 Eintr\u00E4ge anzeigen.");
  EXPECT_EQ(too_long.Result(), "ALT\r\n");
}

TEST(ReadListFile, UnreadableFileIsReported) {
  FakeSystem sys;
  const ListFileContent content = ReadListFile(L"fehlt.txt", sys, sys, sys);
  EXPECT_EQ(content.problem, ListFileContent::Problem::kUnreadable);
  EXPECT_EQ(content.failure.reason, L"Datei nicht gefunden");
}

TEST(ListBox, AnEntryVariableWithALineBreakIsRefused) {
  ListRun run("", ";kv.cmd:ANSI:VARIABLES\r\nkv_entry_1\r\n", "liste.txt",
              {{L"kv_entry_1", L"zwei\nZeilen"}}, {}, L"C:\\T\\kv1.tmp\\");
  EXPECT_EQ(run.exit, kExitFailed);
  EXPECT_TRUE(run.sys.list_dialogs.empty());
  ASSERT_EQ(run.sys.boxes.size(), 1u);
  EXPECT_EQ(run.sys.boxes[0].text,
            L"Die Umgebungsvariable 'kv_entry_1' enth\u00E4lt einen "
            L"Zeilenumbruch und kann keine Zeile sein.");
  EXPECT_EQ(run.Result(), "ALT\r\n");
}

TEST(ListDialogEvents, ConfirmingWritesTheSelection) {
  struct Case {
    const char* attributes;
    std::vector<int> selection;
    bool double_click;
    std::string result;  // "ALT\r\n": refused, the dialog stays for another choice
    const wchar_t* why = L": \u4E2D (U+4E2D).";
    ResultCharset charset = ResultCharset::kAnsi;
  } cases[] = {
      {"", {1}, false, " Gr\xFCn \r\n"},
      {"", {5}, false, "ALT\r\n"},
      {"NUMERIC", {5}, true, "ALT\r\n"},
      {"MULTISELECT", {0, 5}, false, "ALT\r\n"},
      {"MULTISELECT NUMERIC", {0, 5}, false, "1 6\r\n"},
      {"NUMERIC", {1}, true, " Gr\xFCn \r\n"},
      {"", {}, false, "\r\n"},
      {"MULTISELECT", {0, 1}, false, "Rot Gr\xFCn\r\n"},
      {"MULTISELECT NUMERIC", {0, 1}, true, "1 2\r\n"},
      {"MULTISELECT NUMERIC", {}, false, "\r\n"},
      {"MULTISELECT", {2, 3, 4}, true, "Blau  x\r\n"},
      {"MULTISELECT QUOTED", {4, 1, 3}, false, "\" Gr\xFCn \" \"\" \"x\"\r\n"},
      {"QUOTED NUMERIC", {1}, true, "\" Gr\xFCn \"\r\n"},
      {"QUOTED", {}, false, "\r\n"},
      {"QUOTED MULTISELECT NUMERIC", {0, 6}, false, "1 7\r\n"},
      {"MULTISELECT", {6}, false, "So \"nicht\"\r\n"},
      {"QUOTED", {6}, false, "ALT\r\n", L"den Eintrag \u201ESo \"nicht\"\u201C mit einem"},
      {"MULTISELECT QUOTED", {0, 6}, true, "ALT\r\n", L"\u201ESo \"nicht\"\u201C"},
      {"MULTISELECT QUOTED", {5}, false, "ALT\r\n"},
      // In UTF-8 (KVCHARSET) every entry passes exactly.
      {"", {5}, false, "\xE4\xB8\xAD\r\n", L"", ResultCharset::kUtf8},
      {"MULTISELECT",
       {0, 1, 5},
       false,
       "Rot Gr\xC3\xBCn \xE4\xB8\xAD\r\n",
       L"",
       ResultCharset::kUtf8},
  };
  for (const Case& c : cases) {
    // UTF-8, with an entry beyond the ANSI code page and one with quotes of its own.
    Settings settings;
    settings.charset = c.charset;
    ListRun run(c.attributes,
                "Rot\r\n Gr\xC3\xBCn \r\nBlau\r\n\r\nx\r\n\xE4\xB8\xAD\r\nSo \"nicht\"",
                "liste.txt", {}, settings);
    ASSERT_EQ(run.exit, std::nullopt);
    // A double click confirms as "&OK" does (the fake dialog serves both alike).
    const auto code = run.Do(Ok(c.selection));
    const bool refused = c.result == "ALT\r\n";
    EXPECT_EQ(code, refused ? std::nullopt : std::optional(kExitAnswered)) << c.attributes;
    EXPECT_EQ(run.Result(), c.result) << c.attributes;
    ASSERT_EQ(run.sys.boxes.size(), refused ? 1u : 0u) << c.attributes;
    if (!refused) continue;
    EXPECT_TRUE(run.sys.boxes[0].text.starts_with(L"Die Auswahl enth\u00E4lt "));
    EXPECT_NE(run.sys.boxes[0].text.find(c.why), std::wstring::npos) << c.attributes;
    EXPECT_TRUE(run.sys.boxes[0].text.ends_with(L"Bitte w\u00E4hlen Sie einen anderen Eintrag."));
    EXPECT_EQ(run.sys.boxes[0].icon, MessageIcon::kStop);
    // another choice in the same dialog
    EXPECT_EQ(run.Do(Ok({{0}})), kExitAnswered);
    const bool quoted = ReadListBoxAttributes(run.sys.FromAnsi(c.attributes), run.sys).kind.quoted;
    EXPECT_EQ(run.Result(), quoted ? "\"Rot\"\r\n" : "Rot\r\n");
  }
}

TEST(ListDialogEvents, CancelAndCloseLeaveTheResultFile) {
  for (int way = 0; way < 2; ++way) {
    ListRun run("MULTISELECT", "a\r\nb\r\n");
    const auto code = run.Do(Act(way == 0 ? Ending::kCancelled : Ending::kClosed, {{0}}));
    EXPECT_EQ(code, kExitCancelled);
    EXPECT_EQ(run.Result(), "ALT\r\n");
  }
}

// The preselection is what "&OK" answers at once, and what the dialog answers when nobody
// does before KVTIMEOUT runs out; a refused answer then ends with the message, no choice left.
TEST(ListDialogEvents, OkAndTimeRunningOutAnswerThePreselection) {
  struct Case {
    const char* attributes;
    std::string result;            // "ALT\r\n": refused
    const wchar_t* why = nullptr;  // part of the refusal
  } cases[] = {
      {"MULTISELECT SELECTED=3,1", "Rot Blau\r\n"},
      {"SELECTED=2 QUOTED", "\" Gr\xFCn \"\r\n"},
      {"MULTISELECT NUMERIC SELECTED=2,3,2", "2 3\r\n"},
      {"SELECTED=4", "ALT\r\n", L"Die Auswahl enth\u00E4lt Zeichen"},
      {"QUOTED SELECTED=5", "ALT\r\n", L"\u201ESo \"nicht\"\u201C"},
  };
  for (const Case& c : cases) {
    for (const bool time_out : {false, true}) {
      ListRun run(c.attributes, "Rot\r\n Gr\xC3\xBCn \r\nBlau\r\n\xE4\xB8\xAD\r\nSo \"nicht\"");
      ASSERT_EQ(run.exit, std::nullopt) << c.attributes;
      const auto code = run.Do(Act(time_out ? Ending::kTimeRanOut : Ending::kConfirmed));
      EXPECT_EQ(run.Result(), c.result) << c.attributes;
      if (!c.why) {
        EXPECT_EQ(code, kExitAnswered) << c.attributes;
        EXPECT_TRUE(run.sys.boxes.empty()) << c.attributes;
        continue;
      }
      // Only a user can choose again.
      EXPECT_EQ(code, time_out ? std::optional(kExitFailed) : std::nullopt) << c.attributes;
      ASSERT_EQ(run.sys.boxes.size(), 1u) << c.attributes;
      EXPECT_NE(run.sys.boxes[0].text.find(c.why), std::wstring::npos) << c.attributes;
      EXPECT_EQ(
          run.sys.boxes[0].text.ends_with(L"\rSie wird nicht an die Stapeldatei weitergegeben."),
          time_out);
    }
  }
  // Without a preselection the dialog ends as its close box does.
  ListRun run("MULTISELECT", "a\r\n");
  EXPECT_EQ(run.Do(Act(Ending::kTimeRanOut)), kExitCancelled);
  EXPECT_EQ(run.Result(), "ALT\r\n");
}

TEST(ListDialogEvents, DoubleClickConfirmsAnEmptyList) {
  ListRun run("", "");
  EXPECT_FALSE(run.dialog().ok_enabled);
  EXPECT_EQ(run.Do(Ok()), kExitAnswered);
  EXPECT_EQ(run.Result(), "\r\n");
}

TEST(ListDialogEvents, ClicksWhileAFaultIsShownAreIgnored) {
  ListRun run("", "a\r\nb\r\n");
  run.prepared.files[L"erg.txt"].unwritable = true;
  // While the fault is shown the user cancels, closes, confirms and double-clicks.
  run.actions = {Ok({{1}}), Act(Ending::kCancelled), Act(Ending::kClosed), Ok(), Ok()};
  EXPECT_EQ(run.Replay(), kExitFailed);
  std::vector<bool> served;  // of the four later actions
  for (std::size_t n = 0; n < 4; ++n) served.push_back(n < 4 - run.sys.list_actions.size());
  ASSERT_EQ(run.sys.boxes.size(), 1u);
  EXPECT_EQ(run.sys.boxes[0].text.substr(0, 19), L"Die Ergebnisdatei '");
  EXPECT_EQ(run.Result(), "ALT\r\n");
  EXPECT_EQ(served, std::vector<bool>(4, false));
}

// In a call of kv.cmd, a multiple answer also leaves each chosen entry exactly, one a file,
// and their number last; a single answer, and any call without kv.cmd, leave none.
TEST(ListDialogEvents, AMultipleAnswerLeavesItsEntriesForKvCmd) {
  struct Case {
    const char* attributes;
    std::vector<int> selection;
    std::vector<std::string> entries;
    bool by_kv_cmd = true;
  } cases[] = {
      {"MULTISELECT QUOTED", {5, 0, 1}, {"100% !x!", " Gr\xFCn ", ";a ^b"}},
      {"MULTISELECT", {1, 3}, {" Gr\xFCn ", ""}},
      {"MULTISELECT NUMERIC", {1, 5}, {"2", "6"}},
      {"MULTISELECT", {}, {}},
      {"", {1}, {}},                       // a single answer: no entries
      {"MULTISELECT", {1, 3}, {}, false},  // no call of kv.cmd: no entries
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.attributes);
    const std::wstring folder = c.by_kv_cmd ? L"C:\\T\\kv1.tmp\\" : L"";
    ListRun run(c.attributes, "100% !x!\r\n Gr\xFCn \r\nBlau\r\n\r\nx\r\n;a ^b", "liste.txt", {},
                {}, folder);
    EXPECT_EQ(run.Do(Ok(c.selection)), kExitAnswered);
    const bool written = c.by_kv_cmd && std::string(c.attributes).starts_with("MULTI");
    for (std::size_t n = 0; n < c.entries.size(); ++n) {
      EXPECT_EQ(run.sys.files[folder + L"eintrag" + std::to_wstring(n + 1) + L".txt"].bytes,
                c.entries[n] + "\r\n");
    }
    EXPECT_EQ(
        run.sys.files.count(folder + L"eintrag" + std::to_wstring(c.entries.size() + 1) + L".txt"),
        0u);
    EXPECT_EQ(run.sys.files.count(folder + L"anzahl.txt"), written ? 1u : 0u);
    if (written) {
      EXPECT_EQ(run.sys.files[folder + L"anzahl.txt"].bytes,
                std::to_string(c.entries.size()) + "\r\n");
    }
  }
}

TEST(ListDialogEvents, FailingDialogIsReported) {
  FakeSystem sys;
  sys.argument_text = L"erg.txt LISTBOX p.txt";
  sys.files[L"p.txt"].bytes = testing::CrLf({"T", "liste.txt", "", "P"});
  sys.files[L"liste.txt"].bytes = "a\r\n";
  sys.list_dialog_status = Failure{L"kein Fenster"};
  EXPECT_EQ(testing::RunProgram(sys), kExitFailed);
  ASSERT_EQ(sys.boxes.size(), 1u);
  EXPECT_EQ(sys.boxes[0].text, L"Das Listenfenster konnte nicht angezeigt werden:\rkein Fenster");
}

}  // namespace
}  // namespace kelvari
