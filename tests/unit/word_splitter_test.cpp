#include "core/word_splitter.h"

#include <gtest/gtest.h>

namespace kelvari {
namespace {

std::vector<std::wstring> Split(const std::wstring& text) {
  Result<std::vector<std::wstring>> words = SplitWords(text);
  EXPECT_TRUE(words.ok());
  return words.ok() ? words.value() : std::vector<std::wstring>{L"<failed>"};
}

TEST(SplitWords, OnlyTheBlankSeparatesAndNothingIsUnquoted) {
  using V = std::vector<std::wstring>;
  EXPECT_EQ(Split(L""), V{});
  EXPECT_EQ(Split(L"     "), V{});
  EXPECT_EQ(Split(L"a"), V{L"a"});
  EXPECT_EQ(Split(L"   r.txt    MESSAGEBOX   p.txt   "), (V{L"r.txt", L"MESSAGEBOX", L"p.txt"}));
  EXPECT_EQ(Split(L"a\tb c"), (V{L"a\tb", L"c"}));
  EXPECT_EQ(Split(L"\"C:\\Eigene Dateien\\r.txt\" x"),
            (V{L"\"C:\\Eigene", L"Dateien\\r.txt\"", L"x"}));
}

TEST(SplitWords, RefusesMoreWordsThanTheCountHolds) {
  std::wstring text;
  for (int i = 0; i < 32767; ++i) text += L"a ";
  Result<std::vector<std::wstring>> words = SplitWords(text);
  ASSERT_TRUE(words.ok());
  EXPECT_EQ(words.value().size(), 32767u);
  text += L"b";
  words = SplitWords(text);
  ASSERT_FALSE(words.ok());
  EXPECT_EQ(words.reason(), L"Ein Text mit mehr als 32767 W\u00F6rtern kann nicht zerlegt werden.");
}

TEST(ArgumentTextOf, SkipsTheProgramNameAsTheCRuntimeReadsIt) {
  EXPECT_EQ(ArgumentTextOf(L"kelvari.exe r.txt HELP"), L"r.txt HELP");
  EXPECT_EQ(ArgumentTextOf(L"\"C:\\Program Files\\kelvari.exe\" r.txt"), L"r.txt");
  // A quote only switches between inside and outside: the name goes on after it.
  EXPECT_EQ(ArgumentTextOf(L"\"C:\\Pro gram\\kv.exe\"r.txt x"), L"x");
  EXPECT_EQ(ArgumentTextOf(L"\"Z:\\my dir\\\"kelvari.exe r.txt MESSAGEBOX p.txt"),
            L"r.txt MESSAGEBOX p.txt");
  EXPECT_EQ(ArgumentTextOf(L"\"C:\\Program Files\"\\Kelvari\\kelvari.exe r.txt  INFO"),
            L"r.txt  INFO");
  EXPECT_EQ(ArgumentTextOf(L"C:\\\"Program Files\"\\Kelvari\\kelvari.exe\tr.txt INFO"),
            L"r.txt INFO");
  EXPECT_EQ(ArgumentTextOf(L"C:\\\"a\"\" b\"\\kv.exe \"x y\""), L"\"x y\"");
  EXPECT_EQ(ArgumentTextOf(L"kelvari.exe\t  a  b "), L"a  b ");
  EXPECT_EQ(ArgumentTextOf(L"kelvari.exe"), L"");
  EXPECT_EQ(ArgumentTextOf(L"\"kelvari.exe"), L"");
  EXPECT_EQ(ArgumentTextOf(L""), L"");
}

}  // namespace
}  // namespace kelvari
