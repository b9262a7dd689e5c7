#include <gtest/gtest.h>

#include "core/answer_encoding.h"
#include "run_program.h"

namespace kelvari {
namespace {

using testing::FakeSystem;

TEST(NotHeldReason, NamesEachCharacterTheCharsetLacksOnce) {
  const std::wstring start = L" enth\u00E4lt Zeichen, die ";
  const std::wstring ansi = L"im Zeichensatz von Windows (ANSI) nicht darstellbar sind: ";
  const std::wstring utf8 = L"in UTF-8 nicht darstellbar sind: ";
  const std::wstring lone_high(1, static_cast<wchar_t>(0xD800));
  const std::wstring lone_low(1, static_cast<wchar_t>(0xDC00));
  struct Case {
    ResultCharset charset;
    std::wstring text;
    std::optional<std::wstring> named;  // nullopt: the charset holds the text
  };
  const Case cases[] = {
      {ResultCharset::kAnsi, L"", std::nullopt},
      {ResultCharset::kAnsi, L"Gr\u00FC\u00DFe \u20AC \u2026 ?*\"&", std::nullopt},
      {ResultCharset::kAnsi, L"a\u4E2Db\u4E2D\uFF02", ansi + L"\u4E2D (U+4E2D), \uFF02 (U+FF02)"},
      {ResultCharset::kAnsi, L"\U0001F600", ansi + L"\U0001F600 (U+1F600)"},  // one character
      {ResultCharset::kAnsi, lone_high + L"x", ansi + L"U+D800"},
      {ResultCharset::kAnsi, L"\u0391\u0392\u0393\u0394\u0395\u0396\u0397\u0398\u0399",
       ansi + L"\u0391 (U+0391), \u0392 (U+0392), \u0393 (U+0393), \u0394 (U+0394), "
              L"\u0395 (U+0395), \u0396 (U+0396), \u0397 (U+0397), \u0398 (U+0398) \u2026"},
      // UTF-8 holds every character; half a surrogate pair alone is none.
      {ResultCharset::kUtf8, L"\u0106evap\u010Di\u0107i \u4E2D\uFF02 \U0001F600", std::nullopt},
      {ResultCharset::kUtf8, L"x" + lone_low + L"\u4E2D" + lone_high, utf8 + L"U+DC00, U+D800"},
  };
  for (const Case& c : cases) {
    testing::FakeText sys;
    const auto reason = NotHeldReason(sys, c.charset, c.text);
    EXPECT_EQ(reason, c.named ? std::optional(start + *c.named + L".") : std::nullopt)
        << ::testing::PrintToString(c.text);
  }
}

TEST(WriteAnswer, AnAnswerTheCodePageCannotHoldIsRefusedAndTheOldOneKept) {
  FakeSystem sys;
  sys.files[L"erg.txt"].bytes = "ALT\r\n";
  testing::TestProgram program(sys);
  sys.argument_text = L"erg.txt X";
  program.Start({});
  EXPECT_EQ(program.Finish(Outcome::Answer(L"Bericht\uFF02 & mkdir X & \uFF02")), kExitFailed);
  EXPECT_EQ(sys.files[L"erg.txt"].bytes, "ALT\r\n");
  ASSERT_EQ(sys.boxes.size(), 1u);
  EXPECT_TRUE(sys.boxes[0].text.starts_with(L"Die Antwort enth\u00E4lt Zeichen"));
  EXPECT_NE(sys.boxes[0].text.find(L"\uFF02 (U+FF02)"), std::wstring::npos);
}

}  // namespace
}  // namespace kelvari
