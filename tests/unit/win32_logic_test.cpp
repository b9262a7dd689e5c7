// The pure parts of src/win32: temporary file names, the short-path query, dialog templates.
#include <gtest/gtest.h>

#include "win32/dialog_template_logic.h"
#include "win32/short_path_logic.h"
#include "win32/temporary_file_name_logic.h"

namespace kelvari {
namespace {

TEST(TemporaryFileName, OnlyOwnNamesGiveTheirProcess) {
  EXPECT_EQ(TemporaryFileName(812, 3), L"~kelvari-812-3.tmp");
  EXPECT_EQ(TemporaryFileOwner(TemporaryFileName(4294967295u, 99)), 4294967295u);
  const struct {
    std::wstring name;
    std::uint32_t owner;
  } cases[] = {
      {L"~kelvari-812-0.tmp", 812},
      {L"~kelvari-7-123456.tmp", 7},
      {L"~kelvari-4294967296-0.tmp", 0},  // no process id has 33 bits
      {L"~kelvari-99999999999999999999999-0.tmp", 0},
      {L"~kelvari--0.tmp", 0},
      {L"~kelvari-812.tmp", 0},
      {L"~kelvari-812-.tmp", 0},
      {L"~kelvari-812-0x.tmp", 0},
      {L"~kelvari-812-0.tmp.bak", 0},
      {L"~kelvari-812-0", 0},
      {L"~kelvari-", 0},
      {L"kelvari-812-0.tmp", 0},
      {L"~kelvari-81 2-0.tmp", 0},
  };
  for (const auto& c : cases) EXPECT_EQ(TemporaryFileOwner(c.name), c.owner) << c.name;
}

TEST(ShortPathQuery, LongPathsAskInTheExtendedFormAndAnswerWithout) {
  const std::wstring tail = std::wstring(249, L'o') + L"\\erg.txt";
  const std::wstring drive = L"C:\\" + tail;  // 260 characters: MAX_PATH
  const std::wstring share = L"\\\\server\\" + tail;
  const struct {
    std::wstring path, asked, prefix, answer, given_back;
  } cases[] = {
      {L"C:\\x\\erg.txt", L"C:\\x\\erg.txt", L"", L"C:\\X~1\\ERG.TXT", L"C:\\X~1\\ERG.TXT"},
      {L"abc" + tail, L"abc" + tail, L"", L"X~1", L"X~1"},  // relative, long
      {drive.substr(0, 259), drive.substr(0, 259), L"", L"C:\\O~1", L"C:\\O~1"},
      {drive, L"\\\\?\\" + drive, L"\\\\?\\", L"\\\\?\\C:\\O~1\\ERG.TXT", L"C:\\O~1\\ERG.TXT"},
      {share, L"\\\\?\\UNC\\server\\" + tail, L"\\\\?\\UNC\\", L"\\\\?\\UNC\\server\\O~1",
       L"\\\\server\\O~1"},
      {L"\\\\?\\" + drive, L"\\\\?\\" + drive, L"", L"\\\\?\\C:\\O~1", L"\\\\?\\C:\\O~1"},
  };
  for (const auto& c : cases) {
    const ShortPathQuery query = ShortPathQueryFor(c.path);
    EXPECT_EQ(query.asked, c.asked) << c.path.size();
    EXPECT_EQ(query.prefix, c.prefix) << c.path.size();
    EXPECT_EQ(ShortPathAnswer(c.answer, query), c.given_back) << c.path.size();
  }
  // An answer that lost the prefix it was asked with is no answer.
  EXPECT_EQ(ShortPathAnswer(L"C:\\O~1", ShortPathQueryFor(drive)), std::nullopt);
  EXPECT_EQ(ShortPathAnswer(L"\\\\?\\C:\\O~1", ShortPathQueryFor(share)), std::nullopt);
}

TEST(DialogTemplateWords, LaysOutTheDialogAndAlignsEachControl) {
  DialogTemplateWords dialog(0x80C80000, 0x8, 200, 100, {L"Ab", 9, 400, 1, 2});
  dialog.AddControl(DialogTemplateWords::kButton, 0x1, 0x200, 5, -6, 50, 14, 0x10002, L"OK");
  const std::vector<std::uint16_t> expected = {
      1,      0xFFFF, 0,      0,    0x8,  0,
      0x40,   0x80C8,  // version, extended, help id, ex style, style
      1,      0,      0,      200,  100,  0,
      0,      0,                              // one control, position, size, menu, class, title
      9,      400,    0x0201, L'A', L'b', 0,  // points, weight, italic and char set, face
      0,      0,      0x200,  0,    0x1,  0x5000,  // the control: help id, ex style, style
      5,      0xFFFA, 50,     14,   2,    1,
      0xFFFF, 0x80,                // position, size, id, class
      L'O',   L'K',   0,      0};  // text, no creation data
  EXPECT_EQ(dialog.words(), expected);

  // A face of odd length and a text of odd length: each control starts on a DWORD.
  DialogTemplateWords odd(0, 0, 1, 1, {L"Abc", 8, 700, 0, 0});
  for (int i = 0; i < 3; ++i) {
    const std::size_t start = odd.words().size();
    odd.AddControl(DialogTemplateWords::kEdit, 0, 0, 0, 0, 1, 1, 7, L"abc");
    const std::size_t aligned = start + start % 2;
    EXPECT_EQ(odd.words()[aligned + 10], 7) << i;                           // the id
    EXPECT_EQ(odd.words()[aligned + 13], DialogTemplateWords::kEdit) << i;  // the class
    EXPECT_EQ(odd.words()[8], i + 1);                                       // the count
  }
}

}  // namespace
}  // namespace kelvari
