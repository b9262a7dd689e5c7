#include <gtest/gtest.h>

#include "commands/drive_root_and_label.h"
#include "run_program.h"

namespace kelvari {
namespace {

using testing::FakeSystem;

TEST(DriveRoot, OnlyTheFirstCharacterCounts) {
  const std::pair<const wchar_t*, const wchar_t*> cases[] = {
      {L"A", L"A:\\"},         {L"a:", L"a:\\"},          {L"A:\\", L"A:\\"},
      {L"A:\\DATEN", L"A:\\"}, {L"c:\\windows", L"c:\\"}, {L"", L""},
  };
  for (const auto& [word, root] : cases) EXPECT_EQ(DriveRoot(word), root);
}

TEST(LabelMatches, UpperCasedWithoutTrimming) {
  testing::FakeText sys;
  struct Case {
    std::optional<std::wstring> label;
    const wchar_t* expected;
    bool match;
  };
  const Case cases[] = {
      {L"BACKUP1", L"backup1", true},
      {L"Sicherung\u00C4", L"SICHERUNG\u00E4", true},  // ä against Ä
      {L"BACKUP1", L"BACKUP", false},
      {L"BACKUP1 ", L"BACKUP1", false},
      {L"", L"x", false},
      {std::nullopt, L"", false},
      {L"", L"", true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(LabelMatches(sys, c.label, c.expected), c.match)
        << ::testing::PrintToString(c.expected);
  }
}

std::string RunCheck(FakeSystem& sys, const std::wstring& args,
                     std::optional<int>* exit = nullptr) {
  sys.argument_text = args;
  const auto code = testing::RunProgram(sys);
  if (exit) *exit = code;
  return sys.files.count(L"e.txt") ? sys.files[L"e.txt"].bytes : "<none>";
}

TEST(CheckDrive, AnswersOkForAReadableRootAndErrorOtherwise) {
  struct Case {
    const wchar_t* args;
    const char* result;
    const wchar_t* asked;
  };
  const Case cases[] = {
      {L"e.txt CHECKDRIVE K", "OK\r\n", L"K:\\"},
      {L"e.txt checkdrive k:\\irgendwo\\tief mehr w\u00F6rter", "OK\r\n", L"k:\\"},
      {L"e.txt CHECKDRIVE M:", "ERROR\r\n", L"M:\\"},
      {L"e.txt CHECKDRIVE Q:", "ERROR\r\n", L"Q:\\"},
  };
  for (const Case& c : cases) {
    FakeSystem sys;
    sys.listable = {{L"K:\\", true}, {L"k:\\", true}, {L"M:\\", false}};
    std::optional<int> exit;
    EXPECT_EQ(RunCheck(sys, c.args, &exit), c.result);
    EXPECT_EQ(exit, kExitAnswered);
    EXPECT_EQ(sys.drive_queries, std::vector<std::wstring>{c.asked});
    EXPECT_TRUE(sys.boxes.empty());
    EXPECT_EQ(sys.main_window_created, 0);  // no window at all
  }
}

TEST(CheckLabel, ComparesTheLabelCaseBlind) {
  struct Case {
    const wchar_t* args;
    const char* result;
  };
  const Case cases[] = {
      {L"e.txt CHECKLABEL N: backup\u00E4", "OK\r\n"},
      {L"e.txt CheckLabel n BACKUP\u00C4 weiter", "ERROR\r\n"},  // drive n has no label
      {L"e.txt CHECKLABEL N:\\ BACKUP", "ERROR\r\n"},
      {L"e.txt CHECKLABEL M: BACKUP\u00C4", "ERROR\r\n"},  // no medium
  };
  for (const Case& c : cases) {
    FakeSystem sys;
    sys.labels = {{L"N:\\", L"Backup\u00C4"}, {L"n:\\", L""}};
    std::optional<int> exit;
    EXPECT_EQ(RunCheck(sys, c.args, &exit), c.result) << ::testing::PrintToString(c.args);
    EXPECT_EQ(exit, kExitAnswered);
    EXPECT_TRUE(sys.boxes.empty());
    EXPECT_EQ(sys.main_window_created, 0);
  }
}

TEST(CheckDrive, TooFewWordsIsErrorNine) {
  struct Case {
    const wchar_t* args;
    const wchar_t* message;
  };
  const Case cases[] = {
      {L"e.txt checkdrive", L"F\u00FCr das Kommando 'checkdrive' wurden zu wenig Parameter"},
      {L"e.txt CHECKLABEL K:", L"F\u00FCr das Kommando 'CHECKLABEL' wurden zu wenig Parameter"},
  };
  for (const Case& c : cases) {
    FakeSystem sys;
    std::optional<int> exit;
    EXPECT_EQ(RunCheck(sys, c.args, &exit), "<none>");
    EXPECT_EQ(exit, kExitFailed);
    EXPECT_TRUE(sys.drive_queries.empty());
    ASSERT_EQ(sys.boxes.size(), 1u);
    EXPECT_NE(sys.boxes[0].text.find(c.message), std::wstring::npos);
  }
}

}  // namespace
}  // namespace kelvari
