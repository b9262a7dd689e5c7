// The program as a whole from the batch file's side: word splitting, dispatch, the error
// messages, the result file and the exit codes.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

#include "driver.h"

namespace kvtest {
namespace {

const std::wstring kHead = L"Ausf\u00FChrungsfehler:\r\r";

TEST(Program, EveryDispatchErrorToTheCharacter) {
  const auto dir = FreshWorkDir();
  WriteBytes(dir / "zwei.txt", "Titel\r\nJN\r\n");
  WriteBytes(dir / "leer.txt", "; nur ein Kommentar\r\n");
  const std::pair<std::wstring, std::wstring> cases[] = {
      {L"  erg.txt  ", L"Es wurde kein Kommando zur Ausf\u00FChrung angegeben."},
      {L"erg.txt MSGBOX p.txt", L"Das Kommando 'MSGBOX' ist nicht bekannt."},
      {L"erg.txt msgBox", L"Das Kommando 'msgBox' ist nicht bekannt."},
      {L"erg.txt \"MESSAGEBOX\" p.txt", L"Das Kommando '\"MESSAGEBOX\"' ist nicht bekannt."},
      {L"erg.txt MESSAGEBOX\tp.txt", L"Das Kommando 'MESSAGEBOX\tp.txt' ist nicht bekannt."},
      {L"erg.txt _error:os=nt mehr Worte", L"Kelvari ist unter Windows NT nicht lauff\u00E4hig!"},
      {L"erg.txt MESSAGEBOX", L"Der Name der Parameterdatei wurde nicht angegeben."},
      {L"erg.txt MessageBox fehlt.txt",
       L"Die Parameterdatei 'fehlt.txt' konnte nicht gefunden werden."},
      {L"erg.txt MESSAGEBOX .", L"Die Parameterdatei '.' konnte nicht gefunden werden."},
      {L"erg.txt MessageBox zwei.txt",
       L"F\u00FCr das Kommando 'MessageBox' wurden\rzu wenig Angaben in der Parameterdatei "
       L"gemacht."},
      {L"erg.txt MESSAGEBOX leer.txt",
       L"F\u00FCr das Kommando 'MESSAGEBOX' wurden\rzu wenig Angaben in der Parameterdatei "
       L"gemacht."},
  };
  for (const auto& [args, message] : cases) {
    const BoxCall run = OneBoxThenOk(args, dir);
    EXPECT_EQ(run.box.title, L"Kelvari") << Utf8(args);
    EXPECT_EQ(run.box.text, kHead + message) << Utf8(args);
    EXPECT_EQ(run.box.icon_id, 32513) << Utf8(args);
    EXPECT_EQ(run.box.buttons, std::vector<std::wstring>{L"OK"});
    EXPECT_EQ(run.exit, 2u) << Utf8(args);
    EXPECT_FALSE(run.result.has_value()) << Utf8(args);
  }
}

TEST(Program, InternalErrorForTheBatchFile) {
  const auto dir = FreshWorkDir();
  const std::wstring four_lines =
      L"Es ist nicht gen\u00FCgend Platz zum Anlegen der Umgebungsvariablen 'KVRESULT' "
      L"vorhanden\r > \u00C4ndern Sie die unter Windows 95 \u00FCber die Eigenschaften der "
      L"betreffenden Stapeldatei.\r > Unter Windows NT m\u00FCssen Sie ggf. die "
      L"Umgebungsvariable mit einem Dummy-Wert \u00FCber\r     die Systemeigenschaften "
      L"vorbelegen.";
  for (const wchar_t* one : {L"1", L"01", L"1.0"}) {
    EXPECT_EQ(OneBoxThenOk(std::wstring(L"erg.txt INTERNALERROR ") + one, dir).box.text,
              kHead + four_lines);
  }
  const BoxCall two = OneBoxThenOk(L"erg.txt internalerror 2", dir);
  EXPECT_EQ(two.box.text, kHead);
  EXPECT_EQ(two.exit, 2u);
  EXPECT_FALSE(two.result.has_value());
}

TEST(Program, AnUnknownCommandWordNamesItAsTyped) {
  const auto dir = FreshWorkDir();
  EXPECT_EQ(OneBoxThenOk(L"erg.txt \u00DCberpr\u00FCfen", dir).box.text,
            kHead + L"Das Kommando '\u00DCberpr\u00FCfen' ist nicht bekannt.");
}

TEST(Program, AResultFileThatCannotBeWrittenIsReportedAndKept) {
  const auto dir = FreshWorkDir();
  WriteBytes(dir / "p.txt", "T\r\n\r\nText\r\n");
  std::filesystem::create_directory(dir / "ordner");
  WriteBytes(dir / "alt.txt", "ALT\r\n");
  WriteBytes(dir / "nurlesen.txt", "ALT\r\n");
  ASSERT_TRUE(SetFileAttributesW((dir / "nurlesen.txt").c_str(), FILE_ATTRIBUTE_READONLY));
  // Another program holds alt.txt open without sharing it.
  HANDLE lock = CreateFileW((dir / "alt.txt").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(lock, INVALID_HANDLE_VALUE);
  const std::pair<std::wstring, std::wstring> cases[] = {
      {L"ordner", L"ordner"},   {L"fehlt\\erg.txt", L"fehlt\\erg.txt"},
      {L"alt.txt", L"alt.txt"}, {L"nurlesen.txt", L"nurlesen.txt"},
      {L"a|b.txt", L"a|b.txt"},
  };
  for (const auto& [path, named] : cases) {
    Program kv(path + L" MESSAGEBOX p.txt", dir);
    HWND box = kv.WaitForWindow(L"#32770");
    ASSERT_NE(box, nullptr);
    PressButton(box, L"OK");  // the question itself
    HWND fault = WaitForAnotherBox(kv, box);
    ASSERT_NE(fault, nullptr) << Utf8(path);
    const MessageBoxView view = ReadMessageBox(fault);
    EXPECT_EQ(view.title, L"Kelvari");
    const std::wstring start =
        L"Die Ergebnisdatei '" + named + L"' konnte nicht geschrieben werden:\r";
    EXPECT_EQ(view.text.substr(0, start.size()), start) << Utf8(view.text);
    EXPECT_GT(view.text.size(), start.size()) << "the reason is missing";
    EXPECT_EQ(view.icon_id, 32513);
    PressButton(fault, L"OK");
    EXPECT_EQ(kv.WaitForExit(), 2u);
  }
  CloseHandle(lock);
  EXPECT_EQ(ReadBytes(dir / "alt.txt"), "ALT\r\n");
  EXPECT_EQ(ReadBytes(dir / "nurlesen.txt"), "ALT\r\n");
  SetFileAttributesW((dir / "nurlesen.txt").c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_TRUE(std::filesystem::is_directory(dir / "ordner"));
  // Nothing but the files of the test is left behind.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 4);
}

// The system's text for `error`, as the program shows it.
std::wstring SystemText(DWORD error) {
  wchar_t text[512] = {};
  FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0,
                 text, 512, nullptr);
  std::wstring s = text;
  while (!s.empty() && (s.back() == L'\n' || s.back() == L'\r' || s.back() == L' ')) s.pop_back();
  return s;
}

// Fills the file system of `folder` up to the last byte with a file `name`.
void FillUp(const std::filesystem::path& folder, const char* name) {
  HANDLE file = CreateFileW((folder / name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  const std::string chunk(4096, 'f');
  DWORD written = 0;
  while (WriteFile(file, chunk.data(), 4096, &written, nullptr) && written == 4096) {
  }
  CloseHandle(file);
}

// On a full disk a long answer cannot be written: an old result file stays byte for byte, no
// new one appears, nothing else is left behind, and the message says that the disk is full.
TEST(Program, AFullDiskKeepsTheOldResultFile) {
  const std::filesystem::path disk = WineSessionFile("small-disk");
  ULARGE_INTEGER total{};
  if (!GetDiskFreeSpaceExW(disk.c_str(), nullptr, &total, nullptr) || total.QuadPart > (1u << 20)) {
    GTEST_SKIP() << "no small file system at " << disk.string()
                 << " (wine-session.sh mounts one when run as root)";
  }
  const auto dir = FreshWorkDir();
  // INPUTBOX confirms its proposal, an answer of 10,000 characters.
  WriteBytes(dir / "p.txt", "Eingabe\r\n" + std::string(10000, 'n') + "\r\nText\r\n");
  for (const bool old_file : {true, false}) {
    SCOPED_TRACE(old_file ? "old result file" : "no result file");
    for (const auto& entry : std::filesystem::directory_iterator(disk)) {
      std::filesystem::remove(entry.path());
    }
    if (old_file) WriteBytes(disk / "erg.txt", "ABBRECHEN\r\n");
    FillUp(disk, "voll.bin");
    const std::wstring result = (disk / "erg.txt").wstring();
    Program kv(result + L" INPUTBOX p.txt", dir);
    HWND box = kv.WaitForWindow(L"#32770");
    ASSERT_NE(box, nullptr);
    PressButton(box, L"OK");
    HWND fault = WaitForAnotherBox(kv, box);
    ASSERT_NE(fault, nullptr);
    EXPECT_EQ(ReadMessageBox(fault).text, L"Die Ergebnisdatei '" + result +
                                              L"' konnte nicht geschrieben werden:\r" +
                                              SystemText(ERROR_DISK_FULL));
    PressButton(fault, L"OK");
    EXPECT_EQ(kv.WaitForExit(), 2u);
    std::vector<std::string> left;
    for (const auto& entry : std::filesystem::directory_iterator(disk)) {
      left.push_back(entry.path().filename().string());
    }
    std::sort(left.begin(), left.end());
    const std::vector<std::string> expected = old_file
                                                  ? std::vector<std::string>{"erg.txt", "voll.bin"}
                                                  : std::vector<std::string>{"voll.bin"};
    EXPECT_EQ(left, expected);
    if (old_file) {
      EXPECT_EQ(ReadBytes(disk / "erg.txt"), "ABBRECHEN\r\n");
    }
  }
  for (const auto& entry : std::filesystem::directory_iterator(disk)) {
    std::filesystem::remove(entry.path());
  }
}

TEST(Program, ResultLineIsAnsiWithCrLfAndReplacesAnOldFile) {
  const auto dir = FreshWorkDir();
  WriteBytes(dir / "p.txt", "T\r\nJN\r\nText\r\n");
  WriteBytes(dir / "Erg Datei.txt", std::string(1000, 'x'));
  // Runs of blanks between the words, a relative result path in the current folder.
  Program kv(L"   Erg\u00E4.txt    MESSAGEBOX     p.txt   ", dir);
  HWND box = kv.WaitForWindow(L"#32770");
  ASSERT_NE(box, nullptr);
  PressButton(box, L"Ja");
  EXPECT_EQ(kv.WaitForExit(), 0u);
  EXPECT_EQ(ReadBytes(dir / L"Erg\u00E4.txt"), "JA\r\n");
}

}  // namespace
}  // namespace kvtest
