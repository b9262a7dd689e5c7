#include <gtest/gtest.h>

#include "commands/message_box_style.h"
#include "run_program.h"

namespace kelvari {
namespace {

using testing::FakeSystem;

using B = MessageButtons;
using I = MessageIcon;
using D = DefaultButton;

MessageBoxStyle StyleOf(std::initializer_list<const wchar_t*> words) {
  MessageBoxStyleWords style;
  for (const wchar_t* w : words) EXPECT_TRUE(style.Apply(w)) << w;
  return style.Style();
}

TEST(MessageBoxStyle, KeywordsSetTheirGroup) {
  EXPECT_EQ(StyleOf({}), (MessageBoxStyle{B::kOk, I::kNone, D::kFirst}));
  EXPECT_EQ(StyleOf({L"JN", L"FRAGE"}), (MessageBoxStyle{B::kYesNo, I::kQuestion, D::kFirst}));
  EXPECT_EQ(StyleOf({L"OKABBRECHEN"}), (MessageBoxStyle{B::kOkCancel, I::kNone, D::kFirst}));
  EXPECT_EQ(StyleOf({L"AWI", L"WARNUNG"}),
            (MessageBoxStyle{B::kAbortRetryIgnore, I::kWarning, D::kFirst}));
  EXPECT_EQ(StyleOf({L"ABBRECHENWIEDERHOLENIGNORIEREN"}),
            (MessageBoxStyle{B::kAbortRetryIgnore, I::kNone, D::kFirst}));
  EXPECT_EQ(StyleOf({L"JANEINABBRECHEN", L"INFORMATION"}),
            (MessageBoxStyle{B::kYesNoCancel, I::kInformation, D::kFirst}));
  EXPECT_EQ(StyleOf({L"JANEIN", L"STOP"}), (MessageBoxStyle{B::kYesNo, I::kStop, D::kFirst}));
  EXPECT_EQ(StyleOf({L"WIEDERHOLENABBRECHEN", L"LINKS"}),
            (MessageBoxStyle{B::kRetryCancel, I::kNone, D::kFirst}));
  EXPECT_EQ(StyleOf({L"WA", L"MITTE"}), (MessageBoxStyle{B::kRetryCancel, I::kNone, D::kSecond}));
  EXPECT_EQ(StyleOf({L"OA", L"JNA"}), (MessageBoxStyle{B::kYesNoCancel, I::kNone, D::kFirst}));
  EXPECT_EQ(StyleOf({L"STOP", L"INFO"}), (MessageBoxStyle{B::kOk, I::kInformation, D::kFirst}));
  EXPECT_EQ(StyleOf({L"MITTE", L"LINKS", L"OK"}), (MessageBoxStyle{B::kOk, I::kNone, D::kFirst}));
}

TEST(MessageBoxStyle, RightMeansTheSecondOfTwoButtons) {
  EXPECT_EQ(StyleOf({L"JN", L"RECHTS"}), (MessageBoxStyle{B::kYesNo, I::kNone, D::kSecond}));
  EXPECT_EQ(StyleOf({L"RECHTS", L"JN"}), (MessageBoxStyle{B::kYesNo, I::kNone, D::kSecond}));
  EXPECT_EQ(StyleOf({L"OA", L"RECHTS"}), (MessageBoxStyle{B::kOkCancel, I::kNone, D::kSecond}));
  EXPECT_EQ(StyleOf({L"JNA", L"RECHTS"}), (MessageBoxStyle{B::kYesNoCancel, I::kNone, D::kThird}));
  EXPECT_EQ(StyleOf({L"JN", L"AWI", L"RECHTS"}),
            (MessageBoxStyle{B::kAbortRetryIgnore, I::kNone, D::kThird}));
  EXPECT_EQ(StyleOf({L"AWI", L"JN", L"RECHTS"}),
            (MessageBoxStyle{B::kYesNo, I::kNone, D::kSecond}));
  EXPECT_EQ(StyleOf({L"OK", L"MITTE"}), (MessageBoxStyle{B::kOk, I::kNone, D::kSecond}));
  EXPECT_EQ(StyleOf({L"OK", L"RECHTS"}), (MessageBoxStyle{B::kOk, I::kNone, D::kThird}));
  EXPECT_EQ(StyleOf({L"RECHTS"}), (MessageBoxStyle{B::kOk, I::kNone, D::kThird}));
}

TEST(MessageBoxStyle, NoKeywordIsRefusedWithoutChange) {
  MessageBoxStyleWords style;
  ASSERT_TRUE(style.Apply(L"JN"));
  EXPECT_FALSE(style.Apply(L"JN,FRAGE"));
  EXPECT_FALSE(style.Apply(L"jn"));  // the caller upper-cases
  EXPECT_FALSE(style.Apply(L"J"));
  EXPECT_EQ(style.Style(), (MessageBoxStyle{B::kYesNo, I::kNone, D::kFirst}));
}

TEST(MessageBoxResultWord, EveryButton) {
  const std::pair<PressedButton, const wchar_t*> expected[] = {
      {PressedButton::kOk, L"OK"},
      {PressedButton::kCancel, L"ABBRECHEN"},
      {PressedButton::kAbort, L"ABBRECHEN"},
      {PressedButton::kRetry, L"WIEDERHOLEN"},
      {PressedButton::kIgnore, L"IGNORIEREN"},
      {PressedButton::kYes, L"JA"},
      {PressedButton::kNo, L"NEIN"}};
  for (const auto& [button, word] : expected) EXPECT_EQ(MessageBoxResultWord(button), word);
}

struct MessageBoxRun {
  FakeSystem sys;
  std::optional<int> exit;
};

MessageBoxRun RunBox(const std::string& params, Result<PressedButton> answer = PressedButton::kOk,
                     const std::wstring& args = L"erg.txt MessageBox p.txt") {
  MessageBoxRun run;
  run.sys.argument_text = args;
  run.sys.files[L"p.txt"].bytes = params;
  run.sys.box_answers.push_back(answer);
  run.exit = testing::RunProgram(run.sys);
  return run;
}

TEST(MessageBox, ShowsTheBoxAndWritesThePressedButton) {
  auto run =
      RunBox(testing::CrLf({"Frage", "jn frage", "Weiter?", "", "Wirklich?"}), PressedButton::kNo);
  ASSERT_EQ(run.sys.boxes.size(), 1u);
  EXPECT_EQ(run.sys.boxes[0].title, L"Frage");
  EXPECT_EQ(run.sys.boxes[0].text, L"Weiter?\r\rWirklich?");
  EXPECT_EQ(run.sys.boxes[0].buttons, MessageButtons::kYesNo);
  EXPECT_EQ(run.sys.boxes[0].icon, MessageIcon::kQuestion);
  EXPECT_EQ(run.sys.boxes[0].default_button, DefaultButton::kFirst);
  EXPECT_EQ(run.sys.files[L"erg.txt"].bytes, "NEIN\r\n");
  EXPECT_EQ(run.exit, kExitAnswered);
}

TEST(MessageBox, EmptyAttributeLineGivesThePlainBoxAndEmptyTitleTheApplicationTitle) {
  auto run = RunBox(testing::CrLf({"", "    ", "Hinweis"}));
  ASSERT_EQ(run.sys.boxes.size(), 1u);
  EXPECT_EQ(run.sys.boxes[0].buttons, MessageButtons::kOk);
  EXPECT_EQ(run.sys.boxes[0].icon, MessageIcon::kNone);
  EXPECT_EQ(run.sys.boxes[0].default_button, DefaultButton::kFirst);
  EXPECT_EQ(run.sys.boxes[0].title, L"KELVARI");
  EXPECT_EQ(run.sys.files[L"erg.txt"].bytes, "OK\r\n");
}

TEST(MessageBox, TheResultGoesToWordOneOfTheCommandLine) {
  auto run = RunBox(testing::CrLf({"T", "OA RECHTS", "x"}), PressedButton::kCancel);
  EXPECT_EQ(run.sys.files.count(L"OA"), 0u);
  EXPECT_EQ(run.sys.files[L"erg.txt"].bytes, "ABBRECHEN\r\n");
  EXPECT_EQ(run.sys.boxes[0].buttons, MessageButtons::kOkCancel);
  EXPECT_EQ(run.sys.boxes[0].icon, MessageIcon::kNone);
  EXPECT_EQ(run.sys.boxes[0].default_button, DefaultButton::kSecond);
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
  auto run = RunBox(testing::CrLf({"T", "JN", "x"}), Failure{L"kein Desktop"});
  ASSERT_EQ(run.sys.boxes.size(), 2u);
  EXPECT_EQ(run.sys.boxes[1].text, L"Das Meldungsfenster konnte nicht angezeigt werden.");
  EXPECT_EQ(run.sys.files.count(L"erg.txt"), 0u);
  EXPECT_EQ(run.exit, kExitFailed);
}

TEST(MessageBox, TwoLinesAreErrorFive) {
  auto run = RunBox(testing::CrLf({"T", "JN"}));
  ASSERT_EQ(run.sys.boxes.size(), 1u);
  EXPECT_NE(run.sys.boxes[0].text.find(L"'MessageBox' wurden\rzu wenig"), std::wstring::npos);
}

}  // namespace
}  // namespace kelvari
