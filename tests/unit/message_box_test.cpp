#include <gtest/gtest.h>

#include "commands/message_box_style.h"
#include "run_program.h"

namespace kelvari {
namespace {

using testing::FakeSystem;

std::int16_t StyleOf(std::initializer_list<const wchar_t*> words) {
  MessageBoxStyle style;
  for (const wchar_t* w : words) EXPECT_TRUE(style.Apply(w)) << w;
  return style.Value();
}

TEST(MessageBoxStyle, KeywordsSetTheirGroup) {
  EXPECT_EQ(StyleOf({}), 0);
  EXPECT_EQ(StyleOf({L"JN", L"FRAGE"}), 0x24);
  EXPECT_EQ(StyleOf({L"OKABBRECHEN"}), 1);
  EXPECT_EQ(StyleOf({L"AWI", L"WARNUNG"}), 0x32);
  EXPECT_EQ(StyleOf({L"ABBRECHENWIEDERHOLENIGNORIEREN"}), 2);
  EXPECT_EQ(StyleOf({L"JANEINABBRECHEN", L"INFORMATION"}), 0x43);
  EXPECT_EQ(StyleOf({L"JANEIN", L"STOP"}), 0x14);
  EXPECT_EQ(StyleOf({L"WIEDERHOLENABBRECHEN", L"LINKS"}), 5);
  EXPECT_EQ(StyleOf({L"WA", L"MITTE"}), 0x105);
  EXPECT_EQ(StyleOf({L"OA", L"JNA"}), 3);
  EXPECT_EQ(StyleOf({L"STOP", L"INFO"}), 0x40);
  EXPECT_EQ(StyleOf({L"MITTE", L"LINKS", L"OK"}), 0);
}

TEST(MessageBoxStyle, RightMeansTheSecondOfTwoButtons) {
  EXPECT_EQ(StyleOf({L"JN", L"RECHTS"}), 0x104);
  EXPECT_EQ(StyleOf({L"RECHTS", L"JN"}), 0x104);
  EXPECT_EQ(StyleOf({L"OA", L"RECHTS"}), 0x101);
  EXPECT_EQ(StyleOf({L"JNA", L"RECHTS"}), 0x203);
  EXPECT_EQ(StyleOf({L"JN", L"AWI", L"RECHTS"}), 0x202);
  EXPECT_EQ(StyleOf({L"AWI", L"JN", L"RECHTS"}), 0x104);
  EXPECT_EQ(StyleOf({L"OK", L"MITTE"}), 0x100);
  EXPECT_EQ(StyleOf({L"OK", L"RECHTS"}), 0x200);
  EXPECT_EQ(StyleOf({L"RECHTS"}), 0x200);
}

TEST(MessageBoxStyle, NoKeywordIsRefusedWithoutChange) {
  MessageBoxStyle style;
  ASSERT_TRUE(style.Apply(L"JN"));
  EXPECT_FALSE(style.Apply(L"JN,FRAGE"));
  EXPECT_FALSE(style.Apply(L"jn"));  // the caller upper-cases
  EXPECT_FALSE(style.Apply(L"J"));
  EXPECT_EQ(style.Value(), 4);
}

TEST(MessageBoxResultWord, EveryButton) {
  const wchar_t* expected[] = {L"",           L"OK", L"ABBRECHEN", L"ABBRECHEN", L"WIEDERHOLEN",
                               L"IGNORIEREN", L"JA", L"NEIN",      L""};
  for (int code = 0; code <= 8; ++code) EXPECT_EQ(MessageBoxResultWord(code), expected[code]);
  EXPECT_EQ(MessageBoxResultWord(-1), L"");
}

// Buttons as the system reports them.
constexpr int kIdOk = 1, kIdCancel = 2, kIdNo = 7;

struct MessageBoxRun {
  FakeSystem sys;
  std::optional<int> exit;
};

MessageBoxRun RunBox(const std::string& params, int answer = kIdOk,
                     const std::wstring& args = L"erg.txt MessageBox p.txt") {
  MessageBoxRun run;
  run.sys.argument_text = args;
  run.sys.files[L"p.txt"].bytes = params;
  run.sys.box_answers.push_back(answer);
  run.exit = testing::RunProgram(run.sys);
  return run;
}

TEST(MessageBox, ShowsTheBoxAndWritesThePressedButton) {
  auto run = RunBox(testing::CrLf({"Frage", "jn frage", "Weiter?", "", "Wirklich?"}), kIdNo);
  ASSERT_EQ(run.sys.boxes.size(), 1u);
  EXPECT_EQ(run.sys.boxes[0].title, L"Frage");
  EXPECT_EQ(run.sys.boxes[0].text, L"Weiter?\r\rWirklich?");
  EXPECT_EQ(run.sys.boxes[0].style, 0x24u);
  EXPECT_EQ(run.sys.files[L"erg.txt"].bytes, "NEIN\r\n");
  EXPECT_EQ(run.exit, kExitAnswered);
}

TEST(MessageBox, EmptyAttributeLineGivesThePlainBoxAndEmptyTitleTheApplicationTitle) {
  auto run = RunBox(testing::CrLf({"", "    ", "Hinweis"}));
  ASSERT_EQ(run.sys.boxes.size(), 1u);
  EXPECT_EQ(run.sys.boxes[0].style, 0u);
  EXPECT_EQ(run.sys.boxes[0].title, L"KELVARI");
  EXPECT_EQ(run.sys.files[L"erg.txt"].bytes, "OK\r\n");
}

TEST(MessageBox, TheResultGoesToWordOneOfTheCommandLine) {
  auto run = RunBox(testing::CrLf({"T", "OA RECHTS", "x"}), kIdCancel);
  EXPECT_EQ(run.sys.files.count(L"OA"), 0u);
  EXPECT_EQ(run.sys.files[L"erg.txt"].bytes, "ABBRECHEN\r\n");
  EXPECT_EQ(run.sys.boxes[0].style, 0x101u);
}

TEST(MessageBox, UnknownAttributeIsErrorSixAndNoBox) {
  for (const char* line : {"JN blabla", "JN,FRAGE", "JN\tFRAGE"}) {
    auto run = RunBox(testing::CrLf({"T", line, "x"}));
    ASSERT_EQ(run.sys.boxes.size(), 1u) << line;
    const std::wstring word = std::string(line) == "JN blabla"  ? L"BLABLA"
                              : std::string(line) == "JN,FRAGE" ? L"JN,FRAGE"
                                                                : L"JN\tFRAGE";
    EXPECT_EQ(run.sys.boxes[0].text,
              L"Ausf\u00FChrungsfehler:\r\rBefehl MESSAGEBOX: Unbekanntes Attribut " + word + L".");
    EXPECT_EQ(run.sys.files.count(L"erg.txt"), 0u);
    EXPECT_EQ(run.exit, kExitFailed);
  }
}

TEST(MessageBox, ABoxThatCannotBeShownIsAFaultWithoutAnswer) {
  for (int failed : {0, -1}) {
    auto run = RunBox(testing::CrLf({"T", "JN", "x"}), failed);
    ASSERT_EQ(run.sys.boxes.size(), 2u) << failed;
    EXPECT_EQ(run.sys.boxes[1].text, L"Das Meldungsfenster konnte nicht angezeigt werden.");
    EXPECT_EQ(run.sys.files.count(L"erg.txt"), 0u) << failed;
    EXPECT_EQ(run.exit, kExitFailed) << failed;
  }
}

TEST(MessageBox, TwoLinesAreErrorFive) {
  auto run = RunBox(testing::CrLf({"T", "JN"}));
  ASSERT_EQ(run.sys.boxes.size(), 1u);
  EXPECT_NE(run.sys.boxes[0].text.find(L"'MessageBox' wurden\rzu wenig"), std::wstring::npos);
}

}  // namespace
}  // namespace kelvari
