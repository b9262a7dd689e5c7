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

// The text of an edit control of another process: asked for with WM_GETTEXT, since
// GetWindowText only reads the caption that the system keeps for such windows.
std::wstring EditText(HWND field) {
  wchar_t text[1024] = {};
  SendMessageW(field, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text));
  return text;
}

struct FileCase {
  const wchar_t* command;
  const wchar_t* folder;  // below the work folder, holding vorhanden.txt and the chosen file
  const wchar_t* choose;  // nullptr: cancel
  // How a path that the ANSI code page cannot hold is answered: not at all, by a form that
  // the code page holds and that names the same file (its short form), or refused.
  enum { kWhole, kHeldForm, kRefused } answer;
  DWORD exit;
  const wchar_t* charset = nullptr;  // KVCHARSET, when set
  bool twin = false;                 // a neighbour has the same short name and is found by it first
};

// A name that neither the ANSI code page nor UTF-16 without surrogates can hold.
constexpr wchar_t kBeyondAnsi[] = L"Angebot \u0141ukasz \u4E2D \U0001F600.txt";

// The hash that Wine's short names carry ("ANGE~UG1.TXT": its three characters of five bits),
// as Wine computes it from the long name in a case-blind file system.
unsigned ShortNameHash(const std::wstring& name) {
  const auto low = [](wchar_t c) { return static_cast<unsigned>(towlower(c)); };
  unsigned hash = 0xBEEF;
  for (std::size_t i = 0; i + 1 < name.size(); ++i) {
    hash = ((hash << 3) ^ (hash >> 5) ^ low(name[i]) ^ (low(name[i + 1]) << 8)) & 0xFFFF;
  }
  hash = ((hash << 3) ^ (hash >> 5) ^ low(name.back())) & 0xFFFF;
  return hash & 0x7FFF;
}

std::string Ansi(const std::wstring& text) {
  char bytes[2048] = {};
  WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, bytes, 2048, nullptr, nullptr);
  return bytes;
}

std::wstring ShortForm(const std::filesystem::path& path) {
  wchar_t form[2048] = {};
  return GetShortPathNameW(path.c_str(), form, 2048) ? form : L"";
}

// Puts neighbours "Ange-N.txt" with the same short name beside `file` until that short name
// leads to one of them rather than to `file`.
void MakeShortNameTwin(const std::filesystem::path& file) {
  const std::wstring own = ShortForm(file);
  const unsigned hash = ShortNameHash(file.filename().wstring());
  int twins = 0;
  for (int n = 0; n < 10'000'000 && twins < 20; ++n) {
    const std::wstring name = L"Ange-" + std::to_wstring(n) + L".txt";
    if (ShortNameHash(name) != hash) continue;
    WriteBytes(file.parent_path() / name, "Nachbar");
    ++twins;
    ASSERT_EQ(ShortForm(file.parent_path() / name), own) << Utf8(name);
    wchar_t long_form[2048] = {};
    GetLongPathNameW(own.c_str(), long_form, 2048);
    if (_wcsicmp(file.c_str(), long_form) != 0) return;
  }
  FAIL() << "no neighbour is found first by " << Utf8(own);
}

// Whether `box` comes to rest centred in the work area, like every other box of the program.
::testing::AssertionResult SettlesCentred(HWND box) {
  RECT work, rect{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  if (Eventually([&] {
        GetWindowRect(box, &rect);
        return std::abs((rect.left + rect.right) / 2 - (work.left + work.right) / 2) <= 4 &&
               std::abs((rect.top + rect.bottom) / 2 - (work.top + work.bottom) / 2) <= 4;
      })) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure()
         << rect.left << "," << rect.top << " " << rect.right << "," << rect.bottom;
}

class FileBoxE2E : public ::testing::TestWithParam<FileCase> {};

TEST_P(FileBoxE2E, ShowsTitleAndProposalAndAnswersThePath) {
  const FileCase& c = GetParam();
  auto dir = FreshWorkDir().make_preferred();
  const auto folder = dir / c.folder;
  std::filesystem::create_directories(folder);
  std::filesystem::create_directories(dir / "daten");
  WriteBytes(folder / "vorhanden.txt", "x");
  WriteBytes(folder / L"Bericht\uFF02 & mkdir X & \uFF02.txt", "x");
  WriteBytes(folder / kBeyondAnsi, "x");
  if (c.twin) {
    WriteBytes(folder / c.choose, "x");
    ASSERT_NO_FATAL_FAILURE(MakeShortNameTwin(folder / c.choose));
  }
  WriteBytes(dir / "p.txt", "; Dateiauswahl\r\nDatei w\xE4hlen\r\nvorschlag.txt\r\n" +
                                (dir / "daten").string() + "\r\nText (*.txt)|*.txt|Alle|*.*\r\n");
  WriteBytes(dir / "erg.txt", "ALT\r\n");
  std::optional<Environment> charset;
  if (c.charset) charset.emplace(L"KVCHARSET", c.charset);
  Program kv(std::wstring(L"erg.txt ") + c.command + L" p.txt", dir);
  HWND box = kv.WaitForWindow(L"#32770");
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(Text(box), L"Datei w\u00E4hlen");
  HWND field = FileNameField(box);
  ASSERT_NE(field, nullptr);
  EXPECT_EQ(EditText(field), L"vorschlag.txt");
  EXPECT_TRUE(SettlesCentred(box));
  EXPECT_EQ(ClassName(GetWindow(box, GW_OWNER)), L"KelvariMain");  // the program's hidden window
  const std::filesystem::path chosen = folder / (c.choose ? c.choose : L"");
  if (c.choose) {
    // A name in the dialog's folder, a full path in another one.
    const bool here = std::wstring(c.folder) == L"daten";
    SetWindowTextW(field, here ? c.choose : chosen.c_str());
    Press(GetDlgItem(box, IDOK));
  } else {
    Press(GetDlgItem(box, IDCANCEL));
  }
  if (c.answer == FileCase::kRefused) {
    HWND message = WaitForAnotherBox(kv, box);
    ASSERT_NE(message, nullptr);
    const MessageBoxView view = ReadMessageBox(message);
    EXPECT_EQ(view.title, L"Kelvari");
    EXPECT_EQ(view.icon_id, 32513);
    EXPECT_TRUE(view.text.starts_with(L"Der Pfad '" + chosen.wstring() + L"' enth\u00E4lt Zeichen"))
        << Utf8(view.text);
    PressButton(message, L"OK");
  }
  EXPECT_EQ(kv.WaitForExit(), c.exit);
  const auto result = ReadBytes(dir / "erg.txt");
  ASSERT_TRUE(result.has_value());
  // The result file is where the batch file expects it, whatever folder the dialog showed.
  switch (c.answer) {
    case FileCase::kWhole:
      if (!c.choose) {
        EXPECT_EQ(*result, "vorschlag.txt\r\n");
      } else {
        EXPECT_EQ(*result, (c.charset ? Utf8(chosen.wstring()) : chosen.string()) + "\r\n");
      }
      break;
    case FileCase::kRefused:
      EXPECT_EQ(*result, "ALT\r\n");
      break;
    case FileCase::kHeldForm: {
      ASSERT_TRUE(result->ends_with("\r\n"));
      const std::string line = result->substr(0, result->size() - 2);
      EXPECT_EQ(line.find_first_of("?*\""), std::string::npos) << line;
      // The line names the chosen file: its long form is the chosen path (a file to be saved
      // is made here, after the program has ended, to ask for it).
      const bool saved = _wcsicmp(c.command, L"FILESAVEBOX") == 0;
      EXPECT_EQ(std::filesystem::exists(chosen), !saved);  // nothing is created
      if (saved) WriteBytes(chosen, "neu");
      wchar_t wide[2048] = {}, long_form[2048] = {};
      ASSERT_GT(MultiByteToWideChar(CP_ACP, 0, line.c_str(), -1, wide, 2048), 0);
      ASSERT_GT(GetLongPathNameW(wide, long_form, 2048), 0u) << line;
      EXPECT_EQ(std::wstring(long_form), chosen.wstring()) << line;
      break;
    }
  }
  EXPECT_FALSE(std::filesystem::exists(dir / "daten" / "erg.txt"));
  EXPECT_FALSE(std::filesystem::exists(dir / "daten" / "neu.txt"));  // nothing is created
  EXPECT_FALSE(std::filesystem::exists(dir / "X"));
}

INSTANTIATE_TEST_SUITE_P(
    Commands, FileBoxE2E,
    ::testing::Values(
        FileCase{L"FILEOPENBOX", L"daten", L"vorhanden.txt", FileCase::kWhole, 0},
        FileCase{L"FILEOPENBOX", L"daten", nullptr, FileCase::kWhole, 1},
        FileCase{L"filesavebox", L"daten", L"neu.txt", FileCase::kWhole, 0},
        FileCase{L"FILESAVEBOX", L"daten", nullptr, FileCase::kWhole, 1},
        FileCase{L"FILEOPENBOX", L"daten", L"Bericht\uFF02 & mkdir X & \uFF02.txt",
                 FileCase::kHeldForm, 0},
        FileCase{L"FILEOPENBOX", L"Ordner \u4E2D\uFF0A", L"vorhanden.txt", FileCase::kHeldForm, 0},
        FileCase{L"FILESAVEBOX", L"Ordner \u4E2D\uFF0A", L"neu.txt", FileCase::kHeldForm, 0},
        FileCase{L"FILESAVEBOX", L"daten", L"neu \u4E2D.txt", FileCase::kRefused, 2},
        // In UTF-8 the path itself, whatever its characters.
        FileCase{L"FILEOPENBOX", L"daten", kBeyondAnsi, FileCase::kWhole, 0, L"UTF-8"},
        FileCase{L"FILESAVEBOX", L"Ordner \u4E2D\uFF0A", L"neu \u4E2D.txt", FileCase::kWhole, 0,
                 L"UTF8"},
        // A short form that leads to another file is no answer.
        FileCase{L"FILEOPENBOX", L"daten", L"Angebot\u4E2D.txt", FileCase::kRefused, 2, nullptr,
                 true}));

// The options of line 5: a typed name is checked, completed or picked in several, as asked.
struct FileOptionCase {
  const wchar_t* command;
  const char* options;  // line 5
  const wchar_t* typed;
  const wchar_t* question;  // a word of the dialog's own question; nullptr: none comes
  const wchar_t* reply;     // the button pressed in that question (the dialog then stays: cancel)
  std::string answer;       // relative to the folder, "<" and ">" for its full path
  DWORD exit;
};

class FileBoxOptionsE2E : public ::testing::TestWithParam<FileOptionCase> {};

TEST_P(FileBoxOptionsE2E, TheDialogChecksCompletesOrPicksSeveral) {
  const FileOptionCase& c = GetParam();
  auto dir = FreshWorkDir().make_preferred();
  const auto folder = dir / "daten";
  std::filesystem::create_directories(folder);
  WriteBytes(folder / "vorhanden.txt", "x");
  WriteBytes(folder / "zweite datei.txt", "x");
  WriteBytes(dir / "p.txt", "Datei\r\nvorschlag.txt\r\n" + folder.string() + "\r\nAlle|*.*\r\n" +
                                c.options + "\r\n");
  Program kv(std::wstring(L"erg.txt ") + c.command + L" p.txt", dir);
  HWND box = kv.WaitForWindow(L"#32770");
  ASSERT_NE(box, nullptr);
  HWND field = FileNameField(box);
  ASSERT_NE(field, nullptr);
  SetWindowTextW(field, c.typed);
  Press(GetDlgItem(box, IDOK));
  if (c.question) {
    HWND question = WaitForAnotherBox(kv, box);
    ASSERT_NE(question, nullptr);
    const MessageBoxView view = ReadMessageBox(question);
    EXPECT_NE(view.text.find(c.question), std::wstring::npos) << Utf8(view.text);
    PressButton(question, c.reply);
    if (c.exit == 1) {
      ASSERT_TRUE(Eventually([&] { return IsWindowEnabled(box) != FALSE; }));
      Press(GetDlgItem(box, IDCANCEL));
    }
  }
  EXPECT_EQ(kv.WaitForExit(), c.exit);
  std::string expected = c.answer;
  for (std::size_t at; (at = expected.find('<')) != std::string::npos;) {
    expected.replace(at, 1, folder.string() + "\\");
  }
  std::erase(expected, '>');
  EXPECT_EQ(ReadBytes(dir / "erg.txt"), expected + "\r\n");
  EXPECT_FALSE(std::filesystem::exists(folder / "fehlt.txt"));
  EXPECT_EQ(ReadBytes(folder / "vorhanden.txt"), "x");  // nothing is replaced
}

INSTANTIATE_TEST_SUITE_P(
    Options, FileBoxOptionsE2E,
    ::testing::Values(
        // Without the option a typed name that does not exist is answered, as always.
        FileOptionCase{L"FILEOPENBOX", "", L"fehlt.txt", nullptr, nullptr, "<fehlt.txt", 0},
        FileOptionCase{L"FILEOPENBOX", "OPTIONS: MUSTEXIST", L"fehlt.txt", L"existiert nicht",
                       L"OK", "vorschlag.txt", 1},
        FileOptionCase{L"FILEOPENBOX", "options: mustexist", L"vorhanden.txt", nullptr, nullptr,
                       "<vorhanden.txt", 0},
        FileOptionCase{L"FILEOPENBOX", "OPTIONS: MULTISELECT",
                       L"\"vorhanden.txt\" \"zweite datei.txt\"", nullptr, nullptr,
                       "\"<vorhanden.txt\" \"<zweite datei.txt\"", 0},
        FileOptionCase{L"FILEOPENBOX", "OPTIONS: MULTISELECT", L"vorhanden.txt", nullptr, nullptr,
                       "\"<vorhanden.txt\"", 0},
        FileOptionCase{L"FILESAVEBOX", "", L"vorhanden.txt", nullptr, nullptr, "<vorhanden.txt", 0},
        FileOptionCase{L"FILESAVEBOX", "OPTIONS: CONFIRMREPLACE", L"vorhanden.txt",
                       L"existiert bereits", L"Ja", "<vorhanden.txt", 0},
        FileOptionCase{L"FILESAVEBOX", "OPTIONS: CONFIRMREPLACE", L"vorhanden.txt",
                       L"existiert bereits", L"Nein", "vorschlag.txt", 1},
        FileOptionCase{L"FILESAVEBOX", "OPTIONS: EXTENSION=csv", L"neu", nullptr, nullptr,
                       "<neu.csv", 0},
        FileOptionCase{L"FILESAVEBOX", "OPTIONS: EXTENSION=csv", L"neu.txt", nullptr, nullptr,
                       "<neu.txt", 0}));

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
  bool held_form;         // answered by a form that the ANSI code page holds (the short form)
  DWORD exit;
};

// A folder whose path is longer than the 260 characters of the old path buffer.
const std::wstring kDeepFolder = [] {
  std::wstring path = L"K:\\e2e tief";
  for (wchar_t part = L'1'; part <= L'5'; ++part) path += L"\\" + std::wstring(60, L't') + part;
  return path;
}();

class FolderBoxE2E : public ::testing::TestWithParam<FolderCase> {};

TEST_P(FolderBoxE2E, ShowsThePromptAndAnswersTheFolder) {
  const FolderCase& c = GetParam();
  auto dir = FreshWorkDir().make_preferred();
  // On K: rather than on the work folder's drive Z: (all of "/"), whose tree the dialog
  // cannot always open in time. The extended form makes the deep folder too.
  std::filesystem::create_directories(L"K:\\e2e ordner\\unter ordner");
  if (c.choose) {
    const std::wstring path = c.choose;
    std::size_t slash = 2;
    do {
      slash = path.find(L'\\', slash + 1);
      CreateDirectoryW((L"\\\\?\\" + path.substr(0, slash)).c_str(), nullptr);
    } while (slash != std::wstring::npos);
  }
  WriteBytes(dir / "p.txt", "; Kommentar\r\nBitte einen Ordner\r\n\r\nw\xE4hlen:\r\n");
  Program kv(L"erg.txt QueryFolderBox p.txt", dir);
  HWND box = kv.WaitForWindow(L"#32770");
  ASSERT_NE(box, nullptr);
  EXPECT_NE(StaticWithText(box, L"Bitte einen Ordner\r\n\r\nw\u00E4hlen:\r\n"), nullptr);
  EXPECT_TRUE(SettlesCentred(box));
  EXPECT_EQ(ClassName(GetWindow(box, GW_OWNER)), L"KelvariMain");  // the program's hidden window
  if (c.choose) {
    ASSERT_TRUE(SelectBrowseFolder(kv, box, c.choose));
    Press(GetDlgItem(box, IDOK));
  } else {
    Press(GetDlgItem(box, IDCANCEL));
  }
  EXPECT_EQ(kv.WaitForExit(), c.exit);
  const auto result = ReadBytes(dir / "erg.txt");
  ASSERT_TRUE(result.has_value());
  if (!c.held_form) {
    EXPECT_EQ(*result, Utf8(c.choose ? c.choose : L"") + "\r\n");  // ASCII only
    return;
  }
  // The line names the chosen folder: its long form is the chosen path.
  ASSERT_TRUE(result->ends_with("\r\n"));
  const std::string line = result->substr(0, result->size() - 2);
  EXPECT_EQ(line.find_first_of("?*\""), std::string::npos) << line;
  wchar_t wide[2048] = {}, long_form[2048] = {};
  ASSERT_GT(MultiByteToWideChar(CP_ACP, 0, line.c_str(), -1, wide, 2048), 0);
  ASSERT_GT(GetLongPathNameW(wide, long_form, 2048), 0u) << line;
  EXPECT_EQ(std::wstring(long_form), c.choose) << line;
}

INSTANTIATE_TEST_SUITE_P(
    Choices, FolderBoxE2E,
    ::testing::Values(FolderCase{L"K:\\e2e ordner\\unter ordner", false, 0},
                      FolderCase{L"K:\\", false, 0}, FolderCase{nullptr, false, 1},
                      FolderCase{kDeepFolder.c_str(), false, 0},
                      FolderCase{L"K:\\e2e ordner\\\u4E2D\uFF02 & \uFF0A", true, 0}));

// FOLDERBOX: its own title, the start folder selected (a proposed one in the path field), a
// button for a new folder and a field to type a path into; a typed folder that does not exist
// is made only on the user's word.
struct FolderBoxCase {
  const wchar_t* start;   // line 2
  const wchar_t* typed;   // typed into the path field; nullptr: what it shows is confirmed
  const wchar_t* reply;   // the answer to the question whether to make it; nullptr: none comes
  const wchar_t* answer;  // nullptr: the dialog stays and is then cancelled
};

class FolderBoxWithOptionsE2E : public ::testing::TestWithParam<FolderBoxCase> {};

TEST_P(FolderBoxWithOptionsE2E, ShowsTitleStartFolderAndTakesATypedPath) {
  const FolderBoxCase& c = GetParam();
  auto dir = FreshWorkDir().make_preferred();
  std::filesystem::remove_all(L"K:\\e2e start");
  std::filesystem::create_directories(L"K:\\e2e start\\unter ordner");
  WriteBytes(dir / "p.txt",
             "Sicherung w\xE4hlen\r\n" + Ansi(c.start) + "\r\nBitte den Ordner\r\nw\xE4hlen:\r\n");
  Program kv(L"erg.txt FOLDERBOX p.txt", dir);
  HWND box = kv.WaitForWindow(L"#32770");
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(Text(box), L"Sicherung w\u00E4hlen");
  EXPECT_NE(StaticWithText(box, L"Bitte den Ordner\r\nw\u00E4hlen:"), nullptr);
  // The shell's button for a new folder, with a caption that fits it (the shell's own is cut
  // off under Wine).
  HWND new_folder = GetDlgItem(box, 0x3746);
  ASSERT_TRUE(new_folder && IsWindowVisible(new_folder));
  EXPECT_EQ(Text(new_folder), L"&Neuer Ordner");
  EXPECT_TRUE(SettlesCentred(box));
  EXPECT_EQ(ClassName(GetWindow(box, GW_OWNER)), L"KelvariMain");  // the program's hidden window
  HWND field = ChildOfClass(box, L"Edit");
  ASSERT_NE(field, nullptr);
  const std::wstring shown = std::filesystem::exists(c.start)
                                 ? std::filesystem::path(c.start).filename().wstring()
                                 : std::wstring(c.start);
  EXPECT_TRUE(Eventually([&] { return EditText(field) == shown; })) << Utf8(EditText(field));
  if (c.typed) SetWindowTextW(field, c.typed);
  Press(GetDlgItem(box, IDOK));
  if (c.reply) {
    HWND question = WaitForAnotherBox(kv, box);
    ASSERT_NE(question, nullptr);
    const MessageBoxView view = ReadMessageBox(question);
    EXPECT_EQ(view.title, L"Kelvari");
    EXPECT_NE(view.text.find(L"existiert nicht.\rSoll er angelegt werden?"), std::wstring::npos)
        << Utf8(view.text);
    PressButton(question, c.reply);
  }
  if (!c.answer) {
    ASSERT_TRUE(Eventually([&] { return IsWindowEnabled(box) != FALSE; }));
    Press(GetDlgItem(box, IDCANCEL));
  }
  EXPECT_EQ(kv.WaitForExit(), c.answer ? 0u : 1u);
  EXPECT_EQ(ReadBytes(dir / "erg.txt"), Utf8(c.answer ? c.answer : L"") + "\r\n");
  EXPECT_EQ(std::filesystem::exists(L"K:\\e2e start\\neu"), c.answer && c.reply);
}

INSTANTIATE_TEST_SUITE_P(
    Choices, FolderBoxWithOptionsE2E,
    ::testing::Values(
        FolderBoxCase{L"K:\\e2e start\\unter ordner", nullptr, nullptr,
                      L"K:\\e2e start\\unter ordner"},
        FolderBoxCase{L"K:\\e2e start\\unter ordner", L"K:\\e2e start", nullptr, L"K:\\e2e start"},
        FolderBoxCase{L"K:\\e2e start\\unter ordner", L"K:\\e2e start\\neu", L"Nein", nullptr},
        FolderBoxCase{L"K:\\e2e start\\unter ordner", L"K:\\e2e start\\neu", L"Ja",
                      L"K:\\e2e start\\neu"},
        // A proposed folder stands in the path field; confirmed, it is made on the user's word.
        FolderBoxCase{L"K:\\e2e start\\neu", nullptr, L"Ja", L"K:\\e2e start\\neu"}));

}  // namespace
}  // namespace kvtest
