#include <gtest/gtest.h>

#include "frontend/ansi_answer.h"
#include "run_form.h"

namespace kelvari {
namespace {

using testing::FakeSystem;

TEST(NotInAnsiReason, NamesEachCharacterTheCodePageLacksOnce) {
  const std::wstring start =
      L" enth\u00E4lt Zeichen, die im Zeichensatz von Windows (ANSI) nicht darstellbar sind: ";
  struct Case {
    std::wstring text;
    std::optional<std::wstring> named;  // nullopt: the code page holds the text
  };
  const Case cases[] = {
      {L"", std::nullopt},
      {L"Gr\u00FC\u00DFe \u20AC \u2026 ?*\"&", std::nullopt},
      {L"a\u4E2Db\u4E2D\uFF02", L"\u4E2D (U+4E2D), \uFF02 (U+FF02)"},
      {L"\U0001F600", L"\U0001F600 (U+1F600)"},  // a pair of surrogates is one character
      {std::wstring(1, static_cast<wchar_t>(0xD800)) + L"x", L"U+D800"},
      {L"\u0391\u0392\u0393\u0394\u0395\u0396\u0397\u0398\u0399",
       L"\u0391 (U+0391), \u0392 (U+0392), \u0393 (U+0393), \u0394 (U+0394), \u0395 (U+0395), "
       L"\u0396 (U+0396), \u0397 (U+0397), \u0398 (U+0398) \u2026"},
  };
  for (const Case& c : cases) {
    testing::FakeTextsAndFiles sys;
    const auto reason = NotInAnsiReason(sys, c.text);
    EXPECT_EQ(reason, c.named ? std::optional(start + *c.named + L".") : std::nullopt)
        << ::testing::PrintToString(c.text);
  }
}

TEST(SaveResultAndExit, AnAnswerTheCodePageCannotHoldIsRefusedAndTheOldOneKept) {
  FakeSystem sys;
  sys.files[L"erg.txt"].bytes = "ALT\r\n";
  Form1 form(sys);
  form.GetParamStrX(L"erg.txt X");
  EXPECT_EQ(form.SaveResultAndExit(L"Bericht\uFF02 & mkdir X & \uFF02"), kExitFailed);
  EXPECT_EQ(sys.files[L"erg.txt"].bytes, "ALT\r\n");
  ASSERT_EQ(sys.boxes.size(), 1u);
  EXPECT_TRUE(sys.boxes[0].text.starts_with(L"Die Antwort enth\u00E4lt Zeichen"));
  EXPECT_NE(sys.boxes[0].text.find(L"\uFF02 (U+FF02)"), std::wstring::npos);
}

}  // namespace
}  // namespace kelvari
