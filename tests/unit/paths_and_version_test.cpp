#include "core/paths_and_version.h"

#include <gtest/gtest.h>

#include "run_program.h"
#include "version.h"

namespace kelvari {
namespace {

TEST(PathsAndVersion, AddBackslashLooksAtTheLastCharacterOnly) {
  EXPECT_EQ(AddBackslash(L""), L"\\");
  EXPECT_EQ(AddBackslash(L"C:\\Tools"), L"C:\\Tools\\");
  EXPECT_EQ(AddBackslash(L"C:\\Tools\\"), L"C:\\Tools\\");
  EXPECT_EQ(AddBackslash(L"C:/Tools/"), L"C:/Tools/\\");
}

TEST(PathsAndVersion, TrimAtNull) {
  EXPECT_EQ(TrimAtNull(std::wstring(260, L'\0')), L"");
  EXPECT_EQ(TrimAtNull(L"C:\\Daten"), L"C:\\Daten");
  std::wstring buffer = L"C:\\Daten";
  buffer.resize(260, L'\0');
  EXPECT_EQ(TrimAtNull(buffer), L"C:\\Daten");
  EXPECT_EQ(TrimAtNull(std::wstring(L"a\0b", 3)), L"a");
}

TEST(PathsAndVersion, VersionStringIsTenCharacters) {
  EXPECT_EQ(VersionString(), L" (V" KELVARI_VERSION_WTEXT L")");
  EXPECT_EQ(VersionString().size(), 10u);
}

TEST(PathsAndVersion, ProgramFolderEndsInOneBackslash) {
  testing::FakeProcess sys;
  sys.module_path = L"C:\\Tools\\kelvari.exe";
  EXPECT_EQ(ProgramFolder(sys), L"C:\\Tools\\");
  sys.module_path = L"C:\\kelvari.exe";
  EXPECT_EQ(ProgramFolder(sys), L"C:\\");
}

TEST(PathsAndVersion, CenteredPositionRoundsTiesToEvenThenTruncates) {
  EXPECT_EQ(CenteredPosition(19200, 9000), 5100);
  EXPECT_EQ(CenteredPosition(100, 103), -1);    // -3 / 2 truncates toward zero
  EXPECT_EQ(CenteredPosition(100.5f, 100), 0);  // 0.5 rounds to 0
  EXPECT_EQ(CenteredPosition(101.5f, 100), 1);  // 1.5 rounds to 2, halved 1
  EXPECT_EQ(CenteredPosition(102.5f, 100), 1);  // 2.5 rounds to 2
  EXPECT_EQ(CenteredPosition(103.5f, 100), 2);  // 3.5 rounds to 4
  EXPECT_EQ(CenteredPosition(0, 7), -3);
}

TEST(Help, OpensTheDocumentBesideTheProgramAndConfirms) {
  for (const auto& [args, module, document] :
       {std::tuple{L"", L"C:\\Tools\\kelvari.exe", L"C:\\Tools\\Kelvari.htm"},
        std::tuple{L"   ", L"C:\\kelvari.exe", L"C:\\Kelvari.htm"},
        std::tuple{L"erg.txt help", L"D:\\a b\\kv.exe", L"D:\\a b\\Kelvari.htm"}}) {
    testing::FakeSystem sys;
    sys.argument_text = args;
    sys.module_path = module;
    EXPECT_EQ(testing::RunProgram(sys), kExitAnswered);
    ASSERT_EQ(sys.shell_calls.size(), 1u);
    EXPECT_EQ(sys.shell_calls[0].target, document);
    EXPECT_EQ(sys.shell_calls[0].show_mode, 10);
    ASSERT_EQ(sys.boxes.size(), 1u);
    EXPECT_EQ(sys.boxes[0].text, L"HTML-Hilfetext wurde an den Standard-Browser geschickt ...");
    EXPECT_EQ(sys.boxes[0].title, L"KELVARI");
    EXPECT_EQ(sys.boxes[0].icon, MessageIcon::kInformation);
    EXPECT_TRUE(sys.files.empty());
  }
}

}  // namespace
}  // namespace kelvari
