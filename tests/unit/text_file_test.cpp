#include "frontend/text_file.h"

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
  testing::FakeSystem sys;
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
}

TEST(DecodeTextFile, NulCharactersAreDropped) {
  testing::FakeSystem sys;
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
  testing::FakeSystem sys;
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

}  // namespace
}  // namespace kelvari
