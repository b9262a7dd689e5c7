#include <gtest/gtest.h>

#include "commands/query_folder_box.h"
#include "run_program.h"

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
      {{L"Eine Zeile"}, L"Eine Zeile\r\n"},
      {{L"Eins", L"", L"Drei"}, L"Eins\r\n\r\nDrei\r\n"},
      {{L""}, L"\r\n"},
      {{}, L""},
  };
  for (const Case& c : cases) EXPECT_EQ(FolderPrompt(Invocation({}, c.lines, {})), c.prompt);
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
                        Case{L"", "\r\n", kExitAnswered},  // an item without a path
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
    EXPECT_EQ(sys.browse_prompt, L"Bitte w\u00E4hlen\r\n\r\nden Ordner\r\n");
    EXPECT_TRUE(sys.browse_requests.at(0).plain);
    EXPECT_EQ(sys.files.count(L"e.txt") ? sys.files[L"e.txt"].bytes : "<none>", c.result);
    EXPECT_EQ(sys.boxes.size(), c.exit == kExitFailed ? 1u : 0u);
  }
}

TEST(FolderBox, ShowsTitleStartFolderAndPromptAndAnswersAsQueryFolderBox) {
  struct Case {
    std::optional<std::wstring> choice;
    std::string result;
    int exit;
  };
  for (const Case& c :
       {Case{L"D:\\Neu", "D:\\Neu\r\n", kExitAnswered}, Case{std::nullopt, "\r\n", kExitCancelled},
        Case{L"C:\\Ordner \u4E2D", "C:\\ORDNER~1\r\n", kExitAnswered}}) {
    FakeSystem sys;
    sys.argument_text = L"e.txt FolderBox p.txt";
    sys.files[L"p.txt"].bytes =
        CrLf({"; Kommentar", "Sicherung w\xE4hlen", "C:\\Sicherungen", "Bitte", "", "w\xE4hlen"});
    sys.browse_choice = c.choice;
    sys.short_paths[L"C:\\Ordner \u4E2D"] = L"C:\\ORDNER~1";
    EXPECT_EQ(testing::RunProgram(sys), c.exit);
    ASSERT_EQ(sys.browse_requests.size(), 1u);
    const FolderDialogRequest& r = sys.browse_requests[0];
    EXPECT_FALSE(r.plain);
    EXPECT_EQ(r.title, L"Sicherung w\u00E4hlen");
    EXPECT_EQ(r.start_folder, L"C:\\Sicherungen");
    EXPECT_EQ(r.prompt, L"Bitte\r\n\r\nw\u00E4hlen");
    EXPECT_TRUE(r.new_folder_button);
    EXPECT_TRUE(r.path_field);
    EXPECT_EQ(sys.files.count(L"e.txt") ? sys.files[L"e.txt"].bytes : "<none>", c.result);
  }
}

TEST(QueryFolderBox, OnlyCommentsIsErrorFiveAndNoDialog) {
  FakeSystem sys;
  sys.argument_text = L"e.txt QUERYFOLDERBOX p.txt";
  sys.files[L"p.txt"].bytes = CrLf({"; nur", "rem Kommentare"});
  EXPECT_EQ(testing::RunProgram(sys), kExitFailed);
  EXPECT_EQ(sys.browse_dialogs, 0);
  EXPECT_EQ(sys.files.count(L"e.txt"), 0u);
  ASSERT_EQ(sys.boxes.size(), 1u);
}

}  // namespace
}  // namespace kelvari
