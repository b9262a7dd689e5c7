#include <gtest/gtest.h>

#include "core/prompt_text.h"
#include "run_program.h"

namespace kelvari {
namespace {

using testing::FakeSystem;

struct InputRun {
  FakeSystem sys;
  std::optional<int> exit;
};

InputRun RunInput(const std::string& params, Result<InputBoxAnswer> answer) {
  InputRun run;
  testing::PrepareCall(run.sys, L"erg.txt InputBox p.txt", params);
  run.sys.input_box_answer = std::move(answer);
  run.exit = testing::RunProgram(run.sys);
  return run;
}

TEST(InputBox, ShowsTitleProposalAndPrompt) {
  struct Case {
    std::string params;
    std::wstring title, proposal, prompt;
  } cases[] = {
      {testing::CrLf({"Titel", "Vorschlag", "Frage"}), L"Titel", L"Vorschlag", L"Frage"},
      {testing::CrLf({"T", "", "Eins", "", "Drei"}), L"T", L"", L"Eins\r\rDrei"},
      {testing::CrLf({"T", "; kein Vorschlag", "  V  w  ", "P"}), L"T", L"V  w", L"P"},
      {testing::CrLf({"   ", "V", "P"}), L"KELVARI", L"V", L"P"},  // no caption of its own
  };
  for (const Case& c : cases) {
    auto run = RunInput(c.params, InputBoxAnswer{true, L"x"});
    ASSERT_EQ(run.sys.input_boxes.size(), 1u) << c.params;
    EXPECT_EQ(run.sys.input_boxes[0].title, c.title);
    EXPECT_EQ(run.sys.input_boxes[0].proposal, c.proposal);
    EXPECT_EQ(run.sys.input_boxes[0].prompt, c.prompt);
  }
}

TEST(InputBox, WritesTheAnswerOrAnEmptyLine) {
  struct Case {
    Result<InputBoxAnswer> answer;
    std::string result;
    int exit;
  } cases[] = {
      {InputBoxAnswer{true, L"  mit Blanks  "}, "  mit Blanks  \r\n", kExitAnswered},
      {InputBoxAnswer{true, L""}, "\r\n", kExitAnswered},
      {InputBoxAnswer{true, L"Gr\u00FC\u00DFe \u20AC"},
       "Gr\xFC\xDF"
       "e \x80\r\n",
       kExitAnswered},
      {InputBoxAnswer{false, L"ignoriert"}, "\r\n", kExitCancelled},
      {Failure{L"kaputt"}, "ALT\r\n", kExitFailed},
  };
  for (const Case& c : cases) {
    auto run = RunInput(testing::CrLf({"T", "V", "P"}), c.answer);
    EXPECT_EQ(run.sys.files[L"erg.txt"].bytes, c.result);
    EXPECT_EQ(run.exit, c.exit);
  }
}

TEST(InputBox, ATextTheCodePageCannotHoldIsRefusedWhileTheBoxStaysOpen) {
  struct Case {
    std::vector<std::wstring> tries;  // the texts confirmed in turn
    std::size_t refusals;
    std::string result;
    int exit;
  } cases[] = {
      {{L"\u4E2D \u03A9", L"\u4E2D", L"Omega \u20AC"}, 2, "Omega \x80\r\n", kExitAnswered},
      {{L"Bericht\uFF02 & mkdir X"}, 1, "\r\n", kExitCancelled},  // then cancelled
  };
  for (const Case& c : cases) {
    FakeSystem sys;
    sys.argument_text = L"erg.txt INPUTBOX p.txt";
    sys.files[L"p.txt"].bytes = testing::CrLf({"T", "V", "P"});
    sys.input_box_tries = c.tries;
    EXPECT_EQ(testing::RunProgram(sys), c.exit);
    EXPECT_EQ(sys.files[L"erg.txt"].bytes, c.result);
    ASSERT_EQ(sys.input_boxes.size(), 1u);  // one box, kept open
    ASSERT_EQ(sys.boxes.size(), c.refusals);
    EXPECT_TRUE(sys.boxes[0].text.starts_with(L"Der eingegebene Text enth\u00E4lt Zeichen"));
    EXPECT_EQ(sys.boxes[0].title, L"Kelvari");
  }
  FakeSystem sys;
  sys.argument_text = L"erg.txt INPUTBOX p.txt";
  sys.files[L"p.txt"].bytes = testing::CrLf({"T", "V", "P"});
  sys.input_box_tries = {L"\u4E2D \u03A9"};
  testing::RunProgram(sys);
  ASSERT_EQ(sys.boxes.size(), 1u);
  EXPECT_NE(sys.boxes[0].text.find(L": \u4E2D (U+4E2D), \u03A9 (U+03A9).\r"), std::wstring::npos);
}

// PASSWORDBOX: the box of INPUTBOX with a hidden field. Its answers are those of INPUTBOX; a
// text the code page cannot hold is refused without a word about its characters, also when the
// box closed itself with it.
TEST(PasswordBox, AnswersLikeInputBoxAndNeverNamesACharacter) {
  struct Case {
    std::vector<std::wstring> tries;  // empty: `answer`
    Result<InputBoxAnswer> answer;
    std::string result;
    int exit;
    std::size_t boxes;
    ResultCharset charset = ResultCharset::kAnsi;
  } cases[] = {
      {{},
       InputBoxAnswer{true, L" Geh\u00E9im\u20AC \"%!"},
       " Geh\xE9im\x80 \"%!\r\n",
       kExitAnswered,
       0},
      {{}, InputBoxAnswer{}, "\r\n", kExitCancelled, 0},
      {{L"\u4E2D\u03A9x", L"ok"}, {}, "ok\r\n", kExitAnswered, 1},
      {{}, InputBoxAnswer{true, L"\u4E2D\u03A9x"}, "ALT\r\n", kExitFailed, 1},
      // In UTF-8 only half a surrogate pair alone is refused.
      {{L"\u4E2D\u03A9x"}, {}, "\xE4\xB8\xAD\xCE\xA9x\r\n", kExitAnswered, 0, ResultCharset::kUtf8},
      {{}, InputBoxAnswer{true, L"\u4E2D\xD800"}, "ALT\r\n", kExitFailed, 1, ResultCharset::kUtf8},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(&c - cases);
    FakeSystem sys;
    testing::PrepareCall(sys, L"erg.txt PasswordBox p.txt",
                         testing::CrLf({"Anmeldung", "vorgeschlagen", "Kennwort:"}));
    sys.input_box_tries = c.tries;
    sys.input_box_answer = c.answer;
    testing::TestProgram program(sys);
    Settings settings;
    settings.charset = c.charset;
    EXPECT_EQ(testing::RunProgram(sys, &program, settings), c.exit);
    EXPECT_EQ(sys.files[L"erg.txt"].bytes, c.result);
    ASSERT_EQ(sys.input_boxes.size(), 1u);
    EXPECT_TRUE(sys.input_boxes[0].hidden);
    EXPECT_EQ(sys.input_boxes[0].proposal, L"vorgeschlagen");
    EXPECT_EQ(sys.input_boxes[0].title, L"Anmeldung");
    ASSERT_EQ(sys.boxes.size(), c.boxes);
    for (const auto& box : sys.boxes) {
      EXPECT_TRUE(box.text.starts_with(L"Das eingegebene Kennwort enth\u00E4lt Zeichen"));
      EXPECT_EQ(box.text.find_first_of(L"\u4E2D\u03A9"), std::wstring::npos);
      EXPECT_EQ(box.text.find(L"U+"), std::wstring::npos);
    }
  }
  auto run = RunInput(testing::CrLf({"T", "V", "P"}), InputBoxAnswer{true, L"x"});
  EXPECT_FALSE(run.sys.input_boxes.at(0).hidden);  // INPUTBOX shows its text
}

TEST(InputBox, TooFewLinesIsErrorFiveWithoutBox) {
  auto run = RunInput(testing::CrLf({"T", "V", "; Kommentar"}), {});
  EXPECT_TRUE(run.sys.input_boxes.empty());
  ASSERT_EQ(run.sys.boxes.size(), 1u);
  EXPECT_NE(run.sys.boxes[0].text.find(L"'InputBox' wurden\rzu wenig"), std::wstring::npos);
  EXPECT_EQ(run.exit, kExitFailed);
  EXPECT_EQ(run.sys.files[L"erg.txt"].bytes, "ALT\r\n");
}

TEST(PromptForTextControl, EveryBareCrBreaksTheLine) {
  const std::pair<std::wstring, std::wstring> cases[] = {
      {L"", L""},
      {L"a", L"a"},
      {L"a\rb", L"a\r\nb"},
      {L"a\r\rb", L"a\r\n\r\nb"},
      {L"a\r\nb", L"a\r\nb"},
      {L"a\r", L"a\r\n"},
      {L"\ra\nb", L"\r\na\nb"},
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(PromptForTextControl(in), out);
}

}  // namespace
}  // namespace kelvari
