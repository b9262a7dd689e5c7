#include "core/long_path.h"

#include <gtest/gtest.h>

namespace kelvari {
namespace {

TEST(LongPathForm, TheFullPathDecides) {
  const std::wstring deep = L"C:\\" + std::wstring(240, L'o') + L"\\erg.txt";
  const std::wstring unc = L"\\\\server\\share\\" + std::wstring(240, L'o') + L"\\erg.txt";
  const struct {
    std::wstring given, full, expected;
  } cases[] = {
      {L"erg.txt", L"C:\\Batch\\erg.txt", L"erg.txt"},
      {L"erg.txt", deep, L"\\\\?\\" + deep},  // a short name in a deep current folder
      {deep, deep, L"\\\\?\\" + deep},
      {L"erg.txt", unc, L"\\\\?\\UNC\\" + unc.substr(2)},
      {L"\\\\?\\" + deep, L"\\\\?\\" + deep, L"\\\\?\\" + deep},
      {L"NUL", L"\\\\.\\NUL", L"NUL"},
      {L"a\\..\\" + std::wstring(300, L'x') + L"\\..\\erg.txt", L"C:\\erg.txt",
       L"a\\..\\" + std::wstring(300, L'x') + L"\\..\\erg.txt"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(LongPathForm(c.given, c.full), c.expected) << c.given.size() << " " << c.full.size();
  }
  EXPECT_EQ(LongPathForm(L"x", std::wstring(kLongPathFrom - 1, L'y')), L"x");
  EXPECT_EQ(LongPathForm(L"x", L"C:" + std::wstring(kLongPathFrom - 2, L'y')),
            L"\\\\?\\C:" + std::wstring(kLongPathFrom - 2, L'y'));
}

}  // namespace
}  // namespace kelvari
