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
  // Pure ASCII and NUL bytes go through the ANSI path unchanged.
  EXPECT_EQ(DecodeTextFile(std::string("a\0b", 3), sys), std::wstring(L"a\0b", 3));
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
