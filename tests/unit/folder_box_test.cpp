#include <gtest/gtest.h>

#include "dialogs/folder_prompt.h"
#include "info/shell_utils.h"
#include "run_form.h"

namespace kelvari {
namespace {

using testing::CrLf;
using testing::FakeSystem;

TEST(FolderPrompt, EveryKeptLineEndsWithCrLf) {
  struct Case {
    std::vector<std::wstring> lines;
    std::wstring prompt;
  };
  const Case cases[] = {
      {{L"", L"Eine Zeile"}, L"Eine Zeile\r\n"},
      {{L"", L"Eins", L"", L"Drei"}, L"Eins\r\n\r\nDrei\r\n"},
      {{L"", L""}, L"\r\n"},
      {{L""}, L""},
  };
  for (const Case& c : cases) EXPECT_EQ(FolderPrompt(c.lines), c.prompt);
}

TEST(BrowseFolder, FreesTheListOnceAfterReadingItsPath) {
  const std::vector<std::string> full_log = {"BeginCom", "Browse", "Path", "Free", "EndCom"};
  struct Case {
    std::optional<std::wstring> choice;
    bool com_here;
    bool whole;  // the system gives the path whole
    BrowsedFolder result;
    std::vector<std::string> log;
  };
  const Case cases[] = {
      {L"C:\\Daten\\Unter", true, true, {true, L"C:\\Daten\\Unter"}, full_log},
      {L"K:\\", false, true, {true, L"K:\\"}, {"BeginCom", "Browse", "Path", "Free"}},
      {L"", true, true, {true, L""}, full_log},                          // no file-system path
      {std::nullopt, true, true, {}, {"BeginCom", "Browse", "EndCom"}},  // cancel: nothing freed
      {L"C:\\\u4E2D\uFF02", true, true, {true, L"C:\\\u4E2D\uFF02"}, full_log},
      {L"C:\\Daten", true, false, {true, std::nullopt}, full_log},
  };
  for (const Case& c : cases) {
    FakeSystem sys;
    sys.browse_choice = c.choice;
    sys.browse_path_whole = c.whole;
    sys.com_initialised_here = c.com_here;
    const auto owner = reinterpret_cast<WindowHandle>(0x77);
    const BrowsedFolder got = BrowseFolder(sys, owner, L"W\u00E4hlen\r\n");
    EXPECT_EQ(got.chosen, c.result.chosen);
    EXPECT_EQ(got.path, c.result.path);
    EXPECT_EQ(sys.shell_log, c.log);
    EXPECT_EQ(sys.lists_alive, 0);
    EXPECT_EQ(sys.browse_prompt, "W\xE4hlen\r\n");
    EXPECT_EQ(sys.browse_owner, owner);
  }
}

TEST(QueryFolderBox, AnswersTheFolderOrAnEmptyLineAfterCancel) {
  const std::wstring deep = L"C:\\" + std::wstring(300, L'o');
  struct Case {
    std::optional<std::wstring> choice;
    std::string result;  // "<none>": the old result stays
    int exit;
    bool whole = true;  // the system gives the path whole
  };
  for (const Case& c : {Case{L"C:\\Daten", "C:\\Daten\r\n", kExitAnswered},
                        Case{std::nullopt, "\r\n", kExitCancelled},
                        Case{deep, std::string(deep.begin(), deep.end()) + "\r\n", kExitAnswered},
                        // The code page lacks the character: the short form, if there is one.
                        Case{L"C:\\Ordner \u4E2D", "C:\\ORDNER~1\r\n", kExitAnswered},
                        Case{L"C:\\Ordner \uFF02", "<none>", kExitFailed},
                        Case{L"C:\\Daten", "<none>", kExitFailed, false}}) {
    FakeSystem sys;
    sys.argument_text = L"e.txt queryfolderbox p.txt";
    sys.files[L"p.txt"].bytes =
        CrLf({"REM Kommentar", "  Bitte w\xE4hlen  ", "", "; noch einer", "den Ordner"});
    sys.browse_choice = c.choice;
    sys.short_paths[L"C:\\Ordner \u4E2D"] = L"C:\\ORDNER~1";
    sys.browse_path_whole = c.whole;
    EXPECT_EQ(testing::RunProgram(sys), c.exit);
    EXPECT_EQ(sys.browse_prompt, "Bitte w\xE4hlen\r\n\r\nden Ordner\r\n");
    EXPECT_EQ(sys.browse_owner, reinterpret_cast<WindowHandle>(0x1000));
    EXPECT_EQ(sys.files.count(L"e.txt") ? sys.files[L"e.txt"].bytes : "<none>", c.result);
    EXPECT_EQ(sys.boxes.size(), c.exit == kExitFailed ? 1u : 0u);
  }
}

TEST(QueryFolderBox, OnlyCommentsIsErrorFiveAndNoDialog) {
  FakeSystem sys;
  sys.argument_text = L"e.txt QUERYFOLDERBOX p.txt";
  sys.files[L"p.txt"].bytes = CrLf({"; nur", "rem Kommentare"});
  EXPECT_EQ(testing::RunProgram(sys), kExitFailed);
  EXPECT_TRUE(sys.shell_log.empty());
  EXPECT_EQ(sys.files.count(L"e.txt"), 0u);
  ASSERT_EQ(sys.boxes.size(), 1u);
}

}  // namespace
}  // namespace kelvari
