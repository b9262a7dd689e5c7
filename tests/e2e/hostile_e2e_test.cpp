// Hostile input at the front end: devices and wildcards as file names, long paths, huge and
// binary parameter files, a command line at the system's limit, many calls at once. Each ends
// with an answer or a clear message, never a crash, a hang or a lost file.
#include <gtest/gtest.h>

#include <cstring>
#include <iterator>
#include <memory>
#include <vector>

#include "driver.h"

namespace kvtest {
namespace {

const std::string kYesNo = "Titel\r\nJN\r\nWeiter?\r\n";

TEST(Hostile, DevicesAsResultFile) {
  const auto dir = FreshWorkDir();
  WriteBytes(dir / "p.txt", kYesNo);
  for (const wchar_t* nul : {L"NUL", L"NUL:", L"nul.txt"}) {
    Program kv(std::wstring(nul) + L" MESSAGEBOX p.txt", dir);  // the answer is swallowed
    HWND box = kv.WaitForWindow(L"#32770");
    ASSERT_NE(box, nullptr);
    PressButton(box, L"Ja");
    EXPECT_EQ(kv.WaitForExit(), 0u) << Utf8(nul);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 1) << Utf8(nul);
  }
  for (const wchar_t* device : {L"CON", L"COM1", L"LPT1", L"com1.txt"}) {
    Program kv(std::wstring(device) + L" MESSAGEBOX p.txt", dir);
    HWND box = kv.WaitForWindow(L"#32770");
    ASSERT_NE(box, nullptr);
    PressButton(box, L"Ja");
    HWND fault = WaitForAnotherBox(kv, box);
    ASSERT_NE(fault, nullptr) << Utf8(device);
    EXPECT_NE(ReadMessageBox(fault).text.find(L"Die Ergebnisdatei '" + std::wstring(device) + L"'"),
              std::wstring::npos);
    PressButton(fault, L"OK");
    EXPECT_EQ(kv.WaitForExit(), 2u) << Utf8(device);
  }
}

TEST(Hostile, DevicesAndWildcardsAsParameterFile) {
  const auto dir = FreshWorkDir();
  WriteBytes(dir / "p1.txt", kYesNo);
  for (const wchar_t* name :
       {L"CON", L"NUL", L"COM1", L"LPT1", L"CONIN$", L"nul.txt", L"p*.txt", L"p?.txt", L"*"}) {
    const BoxCall run = OneBoxThenOk(std::wstring(L"erg.txt MESSAGEBOX ") + name, dir);
    const std::wstring& text = run.box.text;
    // A device is named as such; a wildcard is not found (error 4) or found but not readable.
    if (std::wstring(name).find_first_of(L"*?") == std::wstring::npos) {
      EXPECT_EQ(text, std::wstring(L"Die Parameterdatei '") + name +
                          L"' konnte nicht gelesen werden:\rDer Name bezeichnet ein Ger\u00E4t "
                          L"und keine Datei.");
    } else {
      EXPECT_TRUE(text.find(L"konnte nicht gefunden werden") != std::wstring::npos ||
                  text.find(L"konnte nicht gelesen werden") != std::wstring::npos)
          << Utf8(name) << ": " << Utf8(text);
    }
    EXPECT_EQ(run.exit, 2u) << Utf8(name);
    EXPECT_FALSE(run.result.has_value());
  }
}

TEST(Hostile, PathsLongerThanMaxPath) {
  const auto dir = FreshWorkDir();
  std::filesystem::path deep = dir;
  for (int i = 0; i < 6; ++i) deep /= std::string(50, static_cast<char>('a' + i));
  std::filesystem::create_directories(deep);
  WriteBytes(deep / "p.txt", kYesNo);
  const std::wstring long_dir = deep.wstring();
  ASSERT_GT(long_dir.size(), 300u);
  Program kv(long_dir + L"\\erg.txt MESSAGEBOX " + long_dir + L"\\p.txt", dir);
  HWND box = kv.WaitForWindow(L"#32770");
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(ReadMessageBox(box).text, L"Weiter?");
  PressButton(box, L"Nein");
  EXPECT_EQ(kv.WaitForExit(), 0u);
  EXPECT_EQ(ReadBytes(deep / "erg.txt"), "NEIN\r\n");

  // A short relative path from a deep current folder: its full path is what is long.
  const std::filesystem::path half = dir / "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa" /
                                     "bbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbb";
  const std::wstring rest = deep.lexically_relative(half).wstring();
  ASSERT_LT(rest.size() + 8, 248u);
  ASSERT_GT(half.wstring().size() + rest.size() + 9, 260u);
  Program relative(rest + L"\\erg2.txt MESSAGEBOX " + rest + L"\\p.txt", half);
  box = relative.WaitForWindow(L"#32770");
  ASSERT_NE(box, nullptr);
  PressButton(box, L"Ja");
  EXPECT_EQ(relative.WaitForExit(), 0u);
  EXPECT_EQ(ReadBytes(deep / "erg2.txt"), "JA\r\n");
}

TEST(Hostile, BinaryHugeAndNulFilledParameterFiles) {
  const auto dir = FreshWorkDir();
  std::string binary;
  for (int i = 0; i < 100000; ++i) binary.push_back(static_cast<char>((i * 131 + 7) % 256));
  WriteBytes(dir / "binaer.bin", binary);
  WriteBytes(dir / "nul.bin", std::string(1 << 20, '\0'));
  WriteBytes(dir / "undef.txt", "T\x81\r\n\x8D\x8F\x90\x9D\r\nText \x81\r\n");
  std::string huge;
  huge.reserve(100u << 20);
  huge += kYesNo;
  while (huge.size() < (100u << 20)) huge += "; ein Kommentar, der nicht z\xE4hlt\r\n";
  WriteBytes(dir / "gross.txt", huge);
  for (const char* name : {"binaer.bin", "nul.bin", "undef.txt", "gross.txt"}) {
    Program kv(L"erg.txt MESSAGEBOX " + std::wstring(name, name + std::strlen(name)), dir);
    HWND box = kv.WaitForWindow(L"#32770", 60000);
    ASSERT_NE(box, nullptr) << name;
    // Whatever the box says, pressing its first button ends the program with a defined code.
    const MessageBoxView view = ReadMessageBox(box);
    ASSERT_FALSE(view.buttons.empty());
    PressButton(box, view.buttons.front());
    const auto exit = kv.WaitForExit(60000);
    ASSERT_TRUE(exit.has_value()) << name;
    EXPECT_TRUE(*exit == 0 || *exit == 2) << name;
    if (*exit == 2) {
      EXPECT_FALSE(ReadBytes(dir / "erg.txt").has_value()) << name;
    }
    std::filesystem::remove(dir / "erg.txt");
  }
}

TEST(Hostile, ALineOfTenMillionCharacters) {
  const auto dir = FreshWorkDir();
  WriteBytes(dir / "p.txt",
             std::string(10'000'000, 't') + "\r\nJN\r\n" + std::string(10'000'000, 'x') + "\r\n");
  Program kv(L"erg.txt MESSAGEBOX p.txt", dir);
  HWND box = kv.WaitForWindow(L"#32770", 60000);
  ASSERT_NE(box, nullptr);
  // The box shows the start of the text, shortened, and the user can still answer.
  const MessageBoxView view = ReadMessageBox(box);
  EXPECT_EQ(view.text.substr(0, 100), std::wstring(100, L'x'));
  EXPECT_EQ(view.text.back(), L'\u2026');
  PressButton(box, L"Ja");
  EXPECT_EQ(kv.WaitForExit(60000), 0u);
  EXPECT_EQ(ReadBytes(dir / "erg.txt"), "JA\r\n");
}

TEST(Hostile, ACommandLineAtTheSystemLimit) {
  const auto dir = FreshWorkDir();
  WriteBytes(dir / "p.txt", kYesNo);
  std::wstring args = L"erg.txt MESSAGEBOX p.txt";
  const std::size_t room = 32767 - 1 - (KelvariExe().size() + 3);
  while (args.size() + 2 <= room) args += L" w";
  Program kv(args, dir);
  HWND box = kv.WaitForWindow(L"#32770");
  ASSERT_NE(box, nullptr);
  PressButton(box, L"Ja");
  EXPECT_EQ(kv.WaitForExit(), 0u);
  EXPECT_EQ(ReadBytes(dir / "erg.txt"), "JA\r\n");
}

TEST(Hostile, FiftyCallsAtOnceEachAnswerInItsOwnFile) {
  const auto dir = FreshWorkDir();
  constexpr int kCalls = 50;
  std::vector<std::unique_ptr<Program>> calls;
  for (int i = 0; i < kCalls; ++i) {
    WriteBytes(dir / ("p" + std::to_string(i) + ".txt"),
               "Frage " + std::to_string(i) + "\r\nJN\r\nText\r\n");
    calls.push_back(std::make_unique<Program>(
        L"erg" + std::to_wstring(i) + L".txt MESSAGEBOX p" + std::to_wstring(i) + L".txt", dir));
  }
  for (int i = 0; i < kCalls; ++i) {
    HWND box = calls[static_cast<std::size_t>(i)]->WaitForWindow(L"#32770", 60000);
    ASSERT_NE(box, nullptr) << i;
    ASSERT_EQ(Text(box), L"Frage " + std::to_wstring(i));
    PressButton(box, i % 2 ? L"Ja" : L"Nein");
  }
  for (int i = 0; i < kCalls; ++i) {
    EXPECT_EQ(calls[static_cast<std::size_t>(i)]->WaitForExit(60000), 0u) << i;
    EXPECT_EQ(ReadBytes(dir / ("erg" + std::to_string(i) + ".txt")),
              std::string(i % 2 ? "JA" : "NEIN") + "\r\n");
  }
}

// Temporary files of this program in `dir`.
std::vector<std::string> TemporaryFiles(const std::filesystem::path& dir) {
  std::vector<std::string> found;
  for (const auto& entry : std::filesystem::directory_iterator(dir)) {
    const std::string name = entry.path().filename().string();
    if (name.starts_with("~kelvari-")) found.push_back(name);
  }
  return found;
}

// Fifty calls answering into one result file at once wait out each other's short hold on it:
// every one succeeds, and the file holds one whole line.
TEST(Hostile, FiftyCallsAtOnceIntoOneResultFile) {
  const auto dir = FreshWorkDir();
  WriteBytes(dir / "p.txt", kYesNo);
  std::vector<std::unique_ptr<Program>> calls;
  std::vector<HWND> yes;
  for (int i = 0; i < 50; ++i) {
    calls.push_back(std::make_unique<Program>(L"erg.txt MESSAGEBOX p.txt", dir));
  }
  for (const auto& call : calls) {
    HWND box = call->WaitForWindow(L"#32770");
    ASSERT_NE(box, nullptr);
    yes.push_back(ChildByText(box, L"Ja"));
  }
  for (HWND button : yes) PostMessageW(button, BM_CLICK, 0, 0);  // all at once
  for (std::size_t i = 0; i < calls.size(); ++i) {
    EXPECT_EQ(calls[i]->WaitForExit(60000), 0u) << i;
  }
  EXPECT_EQ(ReadBytes(dir / "erg.txt"), "JA\r\n");
  EXPECT_TRUE(TemporaryFiles(dir).empty());
}

// A call killed while it wrote left its temporary file (its answer: perhaps a password). The
// next call that writes into the folder removes it; one of a running process stays.
TEST(Hostile, TemporaryFilesOfEndedCallsAreRemovedByTheNext) {
  const auto dir = FreshWorkDir();
  Program ended(L"erg.txt CHECKDRIVE C", dir);
  ASSERT_EQ(ended.WaitForExit(), 0u);
  const std::string left = "~kelvari-" + std::to_string(ended.pid()) + "-0.tmp";
  const std::string running = "~kelvari-" + std::to_string(GetCurrentProcessId()) + "-0.tmp";
  WriteBytes(dir / left, "geheim\r\n");
  WriteBytes(dir / running, "in Arbeit\r\n");
  Program next(L"erg.txt CHECKDRIVE C", dir);
  EXPECT_EQ(next.WaitForExit(), 0u);
  EXPECT_EQ(TemporaryFiles(dir), std::vector<std::string>{running});
}

}  // namespace
}  // namespace kvtest
