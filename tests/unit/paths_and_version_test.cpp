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
    EXPECT_EQ(sys.shell_calls[0].kind, DocumentKind::kManual);
    ASSERT_EQ(sys.boxes.size(), 1u);
    EXPECT_EQ(sys.boxes[0].text, L"HTML-Hilfetext wurde an den Standard-Browser geschickt ...");
    EXPECT_EQ(sys.boxes[0].title, L"KELVARI");
    EXPECT_EQ(sys.boxes[0].icon, MessageIcon::kInformation);
    EXPECT_TRUE(sys.files.empty());
  }
}

}  // namespace
}  // namespace kelvari
