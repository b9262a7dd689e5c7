// FILEOPENBOX, FILESAVEBOX and QUERYFOLDERBOX from the batch file's side: the dialog shows the
// given title, proposal or prompt; a confirmation answers the full path, a cancel the proposal
// (or an empty line) with exit code 1.
#include <windows.h>
// The shell's link object, for the shortcut the save dialog is to answer unresolved.
#include <objbase.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <cstdlib>

#include "driver.h"

namespace kvtest {
namespace {

constexpr int kFileNameCombo = 0x47C;  // cmb13: the name field of the explorer-style dialog
constexpr int kFileNameEdit = 0x480;   // edt1: the name field of older templates

// The edit control of the name field (inside a ComboBoxEx and its combo box, or alone).
HWND FileNameField(HWND dialog) {
  HWND field = GetDlgItem(dialog, kFileNameCombo);
  if (!field) return GetDlgItem(dialog, kFileNameEdit);
  while (field && ClassName(field) != L"Edit") field = GetWindow(field, GW_CHILD);
  return field;
}

// The text of an edit control of another process: asked for with WM_GETTEXT, since
// GetWindowText only reads the caption that the system keeps for such windows.
std::wstring EditText(HWND field) {
  wchar_t text[1024] = {};
  SendMessageW(field, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text));
  return text;
}

struct FileCase {
  const wchar_t* command;
  const char* choose;  // nullptr: cancel
  DWORD exit;
};

class FileBoxE2E : public ::testing::TestWithParam<FileCase> {};

TEST_P(FileBoxE2E, ShowsTitleAndProposalAndAnswersThePath) {
  const FileCase& c = GetParam();
  auto dir = FreshWorkDir().make_preferred();
  std::filesystem::create_directories(dir / "daten");
  WriteBytes(dir / "daten" / "vorhanden.txt", "x");
  WriteBytes(dir / "p.txt", "; Dateiauswahl\r\nDatei w\xE4hlen\r\nvorschlag.txt\r\n" +
                                (dir / "daten").string() + "\r\nText (*.txt)|*.txt|Alle|*.*\r\n");
  Program kv(std::wstring(L"erg.txt ") + c.command + L" p.txt", dir);
  HWND box = kv.WaitForWindow(L"#32770");
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(Text(box), L"Datei w\u00E4hlen");
  HWND field = FileNameField(box);
  ASSERT_NE(field, nullptr);
  EXPECT_EQ(EditText(field), L"vorschlag.txt");
  // Centred in the work area, like every other box of the program, once it has settled.
  RECT work, rect{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  EXPECT_TRUE(Eventually([&] {
    GetWindowRect(box, &rect);
    return std::abs((rect.left + rect.right) / 2 - (work.left + work.right) / 2) <= 4 &&
           std::abs((rect.top + rect.bottom) / 2 - (work.top + work.bottom) / 2) <= 4;
  })) << rect.left
      << "," << rect.top << " " << rect.right << "," << rect.bottom;
  if (c.choose) {
    SetWindowTextW(field, std::filesystem::path(c.choose).wstring().c_str());
    Press(GetDlgItem(box, IDOK));
  } else {
    Press(GetDlgItem(box, IDCANCEL));
  }
  EXPECT_EQ(kv.WaitForExit(), c.exit);
  // The result file is where the batch file expects it, whatever folder the dialog showed.
  const std::string expected =
      c.choose ? (dir / "daten" / c.choose).string() : std::string("vorschlag.txt");
  EXPECT_EQ(ReadBytes(dir / "erg.txt"), expected + "\r\n");
  EXPECT_FALSE(std::filesystem::exists(dir / "daten" / "erg.txt"));
  EXPECT_FALSE(std::filesystem::exists(dir / "daten" / "neu.txt"));  // nothing is created
}

INSTANTIATE_TEST_SUITE_P(Commands, FileBoxE2E,
                         ::testing::Values(FileCase{L"FILEOPENBOX", "vorhanden.txt", 0},
                                           FileCase{L"FILEOPENBOX", nullptr, 1},
                                           FileCase{L"filesavebox", "neu.txt", 0},
                                           FileCase{L"FILESAVEBOX", nullptr, 1}));

// Writes a shortcut `link` to `target` as the shell makes it.
void MakeShortcut(const std::filesystem::path& link, const std::filesystem::path& target) {
  ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
  IShellLinkW* shell_link = nullptr;
  ASSERT_TRUE(SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                         IID_IShellLinkW, reinterpret_cast<void**>(&shell_link))));
  shell_link->SetPath(target.c_str());
  IPersistFile* file = nullptr;
  const HRESULT hr = shell_link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file));
  if (SUCCEEDED(hr)) {
    EXPECT_TRUE(SUCCEEDED(file->Save(link.c_str(), TRUE)));
    file->Release();
  }
  shell_link->Release();
  CoUninitialize();
  ASSERT_TRUE(SUCCEEDED(hr));
}

// The batch file writes to what the save dialog answers: a shortcut is that file itself.
TEST(FileBoxE2ELink, SaveAnswersTheShortcutNotItsTarget) {
  auto dir = FreshWorkDir().make_preferred();
  std::filesystem::create_directories(dir / "daten");
  WriteBytes(dir / "daten" / "ziel.txt", "x");
  MakeShortcut(dir / "daten" / "verweis.lnk", dir / "daten" / "ziel.txt");
  ASSERT_TRUE(std::filesystem::exists(dir / "daten" / "verweis.lnk"));
  WriteBytes(dir / "p.txt", "Speichern\r\n\r\n" + (dir / "daten").string() + "\r\nAlle|*.*\r\n");
  Program kv(L"erg.txt FILESAVEBOX p.txt", dir);
  HWND box = kv.WaitForWindow(L"#32770");
  ASSERT_NE(box, nullptr);
  // Picked in the folder's list as the user does: a click into the list, the name typed, Enter.
  HWND view = ChildOfClass(box, L"SHELLDLL_DefView");
  HWND list = view ? ChildOfClass(view, L"SysListView32") : nullptr;
  ASSERT_NE(list, nullptr);
  RECT client;
  GetClientRect(list, &client);
  ClickAt(list, {client.right - 4, client.bottom - 4});
  TypeText(L"verweis");
  HWND field = FileNameField(box);
  ASSERT_NE(field, nullptr);
  EXPECT_TRUE(Eventually([&] { return EditText(field).starts_with(L"verweis"); }))
      << Utf8(EditText(field));
  PressKey(VK_RETURN);
  EXPECT_EQ(kv.WaitForExit(), 0u);
  EXPECT_EQ(ReadBytes(dir / "erg.txt"), (dir / "daten" / "verweis.lnk").string() + "\r\n");
}

TEST(FileBoxErrors, ThreeLinesAreErrorFiveWithoutDialog) {
  auto dir = FreshWorkDir().make_preferred();
  WriteBytes(dir / "p.txt", "Titel\r\nname\r\nC:\\\r\n");
  Program kv(L"erg.txt FILEOPENBOX p.txt", dir);
  HWND box = kv.WaitForWindow(L"#32770");
  ASSERT_NE(box, nullptr);
  const MessageBoxView view = ReadMessageBox(box);
  EXPECT_EQ(view.title, L"Kelvari");
  EXPECT_NE(view.text.find(L"'FILEOPENBOX' wurden"), std::wstring::npos);
  PressButton(box, L"OK");
  EXPECT_EQ(kv.WaitForExit(), 2u);
  EXPECT_FALSE(ReadBytes(dir / "erg.txt"));
}

// The static control of the folder dialog that shows `text`, or nullptr.
HWND StaticWithText(HWND dialog, const std::wstring& text) {
  for (HWND c : Children(dialog)) {
    if (ClassName(c) == L"Static" && Text(c) == text) return c;
  }
  return nullptr;
}

struct FolderCase {
  const wchar_t* choose;  // a folder on drive K: of the session; nullptr: cancel
  DWORD exit;
};

class FolderBoxE2E : public ::testing::TestWithParam<FolderCase> {};

TEST_P(FolderBoxE2E, ShowsThePromptAndAnswersTheFolder) {
  const FolderCase& c = GetParam();
  auto dir = FreshWorkDir().make_preferred();
  // On K: rather than on the work folder's drive Z: (all of "/"), whose tree the dialog
  // cannot always open in time.
  std::filesystem::create_directories(L"K:\\e2e ordner\\unter ordner");
  WriteBytes(dir / "p.txt", "; Kommentar\r\nBitte einen Ordner\r\n\r\nw\xE4hlen:\r\n");
  Program kv(L"erg.txt QueryFolderBox p.txt", dir);
  HWND box = kv.WaitForWindow(L"#32770");
  ASSERT_NE(box, nullptr);
  EXPECT_NE(StaticWithText(box, L"Bitte einen Ordner\r\n\r\nw\u00E4hlen:\r\n"), nullptr);
  std::string expected;
  if (c.choose) {
    expected = Utf8(c.choose);  // ASCII only
    ASSERT_TRUE(SelectBrowseFolder(kv, box, c.choose));
    Press(GetDlgItem(box, IDOK));
  } else {
    Press(GetDlgItem(box, IDCANCEL));
  }
  EXPECT_EQ(kv.WaitForExit(), c.exit);
  EXPECT_EQ(ReadBytes(dir / "erg.txt"), expected + "\r\n");
}

INSTANTIATE_TEST_SUITE_P(Choices, FolderBoxE2E,
                         ::testing::Values(FolderCase{L"K:\\e2e ordner\\unter ordner", 0},
                                           FolderCase{L"K:\\", 0}, FolderCase{nullptr, 1}));

}  // namespace
}  // namespace kvtest
