#include "core/text_file.h"

#include <gtest/gtest.h>

#include "fake_system.h"

namespace kelvari {
namespace {

using V = std::vector<std::wstring>;

TEST(SplitLines, CrLfAndLoneCrEndALineButLoneLfDoesNot) {
  EXPECT_EQ(SplitLines(L""), V{});
  EXPECT_EQ(SplitLines(L"a"), V{L"a"});
  EXPECT_EQ(SplitLines(L"a\r\n"), V{L"a"});
  EXPECT_EQ(SplitLines(L"a\r\nb\rc"), (V{L"a", L"b", L"c"}));
  EXPECT_EQ(SplitLines(L"a\nb\nc\n"), V{L"a\nb\nc\n"});
  EXPECT_EQ(SplitLines(L"\r\n\r\n"), (V{L"", L""}));
  EXPECT_EQ(SplitLines(L"a\n\r\nb"), (V{L"a\n", L"b"}));
  EXPECT_EQ(SplitLines(L"a\r\r\nb"), (V{L"a", L"", L"b"}));
}

TEST(DecodeTextFile, AnsiUtf8AndUtf16AreTold) {
  testing::FakeText sys;
  // ANSI (code page 1252): "Grün" with ü as one byte is not valid UTF-8.
  EXPECT_EQ(DecodeTextFile("Gr\xFCn", sys), L"Gr\u00FCn");
  // UTF-8 without a mark, with a multi-byte sequence.
  EXPECT_EQ(DecodeTextFile("Gr\xC3\xBCn", sys), L"Gr\u00FCn");
  // UTF-8 with a mark: the mark is not part of line 1.
  EXPECT_EQ(DecodeTextFile("\xEF\xBB\xBFTitel\r\n", sys), L"Titel\r\n");
  // UTF-16 little and big endian with a mark.
  EXPECT_EQ(DecodeTextFile(std::string("\xFF\xFEO\0K\0\x20\x20", 8), sys), L"OK\u2020");
  EXPECT_EQ(DecodeTextFile(std::string("\xFE\xFF\0O\0K", 6), sys), L"OK");
  // Pure ASCII goes through the ANSI path unchanged.
  EXPECT_EQ(DecodeTextFile("a b", sys), L"a b");
  // ANSI "Maß»" and "Maß…" are valid UTF-8 by their bytes (U+07FB, U+07C5) but stay ANSI.
  EXPECT_EQ(DecodeTextFile("Ma\xDF\xBB\r\n", sys), L"Ma\u00DF\u00BB\r\n");
  EXPECT_EQ(DecodeTextFile("Ma\xDF\x85", sys), L"Ma\u00DF\u2026");
}

TEST(DecodeTextFile, NulCharactersAreDropped) {
  testing::FakeText sys;
  struct Case {
    std::string bytes;
    std::wstring text;
  } cases[] = {
      {std::string("a\0b", 3), L"ab"},
      {std::string(1000, '\0'), L""},
      {std::string("Ro\0t\r\n\0\0Blau\0", 13), L"Rot\r\nBlau"},
      // UTF-16 without a mark: every other byte is NUL.
      {std::string("R\0o\0t\0\r\0\n\0G\0r\0\xFC\0n\0", 18), L"Rot\r\nGr\u00FCn"},
      // With a mark, and NUL characters in UTF-8 and UTF-16 text.
      {std::string("\xEF\xBB\xBF\0x\0", 6), L"x"},
      {std::string("\xFF\xFEO\0\0\0K\0", 8), L"OK"},
  };
  for (const Case& c : cases) EXPECT_EQ(DecodeTextFile(c.bytes, sys), c.text);
}

TEST(DecodeTextFile, BrokenUtf8WithAMarkGivesReplacementCharacters) {
  testing::FakeText sys;
  const std::string mark = "\xEF\xBB\xBF";
  const std::pair<std::string, std::wstring> cases[] = {
      // A lead byte without its continuation takes nothing after it.
      {"ab\xF0"
       "cd",
       L"ab\uFFFDcd"},
      {"\xE2\x82x\xC3\"", L"\uFFFDx\uFFFD\""},
      // Overlong forms of CR, '"' and '/' give no such character.
      {"\xE0\x80\x8D", L"\uFFFD\uFFFD\uFFFD"},
      {"\xC0\xA2", L"\uFFFD\uFFFD"},
      {"\xF0\x80\x80\xAF", L"\uFFFD\uFFFD\uFFFD\uFFFD"},
      // Surrogates, beyond U+10FFFF, bytes that never occur, a lone continuation byte.
      {"\xED\xA0\x80"
       "a",
       L"\uFFFD\uFFFD\uFFFDa"},
      {"\xF4\x90\x80\x80", L"\uFFFD\uFFFD\uFFFD\uFFFD"},
      {"\xF5\xFE\x80"
       "b",
       L"\uFFFD\uFFFD\uFFFDb"},
      // Valid sequences of every length, up to the last code point.
      {"\xC2\xBB\xE2\x80\x9E\xF0\x9F\x98\x80\xF4\x8F\xBF\xBF", L"\u00BB\u201E\U0001F600\U0010FFFF"},
      {"\xEF\xBF\xBD\xED\x9F\xBF\xEE\x80\x80", L"\uFFFD\uD7FF\uE000"},
  };
  for (const auto& [bytes, text] : cases) EXPECT_EQ(DecodeTextFile(mark + bytes, sys), text);
  EXPECT_EQ(DecodeTextFile("\xEF\xBB\xBF"
                           "a\xFF"
                           "b\xC3",
                           sys),
            L"a\uFFFDb\uFFFD");
  EXPECT_EQ(DecodeTextFile(std::string("\xFF\xFE"
                                       "a",
                                       3),
                           sys),
            L"\uFFFD");
}

TEST(LooksLikeUtf8, RejectsOverlongSurrogatesAndCutSequences) {
  EXPECT_FALSE(LooksLikeUtf8("plain ascii"));
  EXPECT_TRUE(LooksLikeUtf8("\xE2\x82\xAC"));   // euro sign
  EXPECT_FALSE(LooksLikeUtf8("\xC0\xAF"));      // overlong
  EXPECT_FALSE(LooksLikeUtf8("\xED\xA0\x80"));  // surrogate
  EXPECT_FALSE(LooksLikeUtf8("\xE2\x82"));      // cut off
  EXPECT_FALSE(LooksLikeUtf8("\xC4ndern"));     // ANSI "Ändern"
}

TEST(LooksLikeUtf8, GermanAnsiTextIsNeverTakenForUtf8) {
  // Every run of up to three German letters and ANSI punctuation, in a sentence.
  std::string alphabet = "a \xC4\xD6\xDC\xE4\xF6\xFC\xDF";
  for (int b = 0x80; b <= 0xBF; ++b) alphabet.push_back(static_cast<char>(b));
  int utf8 = 0;
  for (char x : alphabet) {
    for (char y : alphabet) {
      for (char z : alphabet) {
        for (const std::string& run : {std::string{x}, std::string{x, y}, std::string{x, y, z}}) {
          if (LooksLikeUtf8("Das Ma" + run + " ist voll.\r\n")) ++utf8;
        }
      }
    }
  }
  EXPECT_EQ(utf8, 0);
  EXPECT_FALSE(LooksLikeUtf8("\"Gru\xDF\x85\" \x84Ma\xDF\xBB \xDC\xB0 B\xE4\x93\x94\r\n"));
}

TEST(LooksLikeUtf8, Utf8AsEditorsSaveItIsTold) {
  for (const char* text : {
           "Gr\xC3\xBC\xC3\x9F"
           "e",                                                          // Grüße
           "Ma\xC3\x9F\xC2\xBB",                                         // Maß»
           "\xE2\x80\x9EZitat\xE2\x80\x9C \xE2\x80\x93 5 \xE2\x82\xAC",  // „Zitat“ – 5 €
           "\xC2\xA7 3",                                                 // § 3
           "\xCE\xA9\xCE\xBC\xCE\xAD\xCE\xB3\xCE\xB1",                   // Greek
           "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82",           // Cyrillic
           "\xE4\xB8\xAD\xE6\x96\x87",                                   // Chinese
           "Dvo\xC5\x99\xC3\xA1k",                                       // Dvořák
           "\xF0\x9F\x98\x80",                                           // emoji
       }) {
    EXPECT_TRUE(LooksLikeUtf8(text)) << text;
  }
  // What stays ambiguous: UTF-8 whose only sequences start like German ANSI pairs (here "Čech",
  // U+010C) reads as ANSI; a mark makes it UTF-8.
  EXPECT_FALSE(
      LooksLikeUtf8("\xC4\x8C"
                    "ech"));
}

}  // namespace
}  // namespace kelvari
