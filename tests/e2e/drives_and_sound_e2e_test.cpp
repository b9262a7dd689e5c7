// CHECKDRIVE, CHECKLABEL and PLAY from the batch file's side, against the drives and the sound
// device of the Wine session (see wine-session.sh): K: a folder with files, L: an empty folder,
// M: a drive without a medium, N: a medium labelled "BackupÄ".
#include <gtest/gtest.h>

#include <cstdint>
#include <random>

#include "driver.h"

namespace kvtest {
namespace {

struct DriveCase {
  const wchar_t* args;
  const char* result;
};

class DriveCheckE2E : public ::testing::TestWithParam<DriveCase> {};

TEST_P(DriveCheckE2E, AnswersOkOrErrorWithoutAnyWindow) {
  const auto dir = FreshWorkDir();
  WriteBytes(dir / "erg.txt", "ALT UND L\xC4NGER\r\n");
  Program kv(std::wstring(L"erg.txt ") + GetParam().args, dir);
  EXPECT_EQ(kv.WaitForExit(), 0u);
  EXPECT_EQ(ReadBytes(dir / "erg.txt"), std::string(GetParam().result) + "\r\n");
}

INSTANTIATE_TEST_SUITE_P(
    Drives, DriveCheckE2E,
    ::testing::Values(
        DriveCase{L"CHECKDRIVE K:", "OK"}, DriveCase{L"checkdrive l", "OK"},
        DriveCase{L"CHECKDRIVE M:\\", "ERROR"}, DriveCase{L"CHECKDRIVE K:\\gibt\\es\\nicht", "OK"},
        DriveCase{L"CHECKDRIVE c:\\windows", "OK"}, DriveCase{L"CHECKDRIVE Q:", "ERROR"},
        DriveCase{L"CHECKLABEL N: backup\u00E4", "OK"},
        DriveCase{L"CHECKLABEL n BACKUP\u00C4 weitere W\u00F6rter", "OK"},
        DriveCase{L"CHECKLABEL N: BACKUPA", "ERROR"}, DriveCase{L"CHECKLABEL N: Backup", "ERROR"},
        DriveCase{L"CHECKLABEL M: backup\u00E4", "ERROR"},
        DriveCase{L"CHECKLABEL Q: backup\u00E4", "ERROR"}));

TEST(DriveCheckErrors, TooFewWordsIsErrorNine) {
  const auto dir = FreshWorkDir();
  Program kv(L"erg.txt CheckLabel K:", dir);
  HWND box = kv.WaitForWindow(L"#32770");
  ASSERT_NE(box, nullptr);
  const MessageBoxView view = ReadMessageBox(box);
  EXPECT_EQ(view.text,
            L"Ausf\u00FChrungsfehler:\r\rF\u00FCr das Kommando 'CheckLabel' wurden "
            L"zu wenig Parameter \u00FCbergeben.");
  PressButton(box, L"OK");
  EXPECT_EQ(kv.WaitForExit(), 2u);
  EXPECT_FALSE(ReadBytes(dir / "erg.txt"));
}

// A mono 16-bit wave file of noise, so that the captured samples can only be these.
std::string WaveFile(std::string& samples) {
  std::mt19937 noise(4711);
  samples.clear();
  for (int i = 0; i < 11025; ++i) {
    const auto v = static_cast<std::uint16_t>(noise());
    samples.push_back(static_cast<char>(v & 0xFF));
    samples.push_back(static_cast<char>(v >> 8));
  }
  return WaveFileOf(samples);
}

TEST(PlayE2E, PlaysTheWaveFileToTheDeviceAndWritesNoResult) {
  const auto dir = FreshWorkDir();
  std::string samples;
  WriteBytes(dir / "ton mit blank.wav", WaveFile(samples));
  WriteBytes(dir / "p.txt", "; Klang\r\n  ton mit blank.wav  \r\nzweite Zeile\r\n");
  WriteBytes(dir / "erg.txt", "ALT\r\n");
  const auto capture = WineSessionFile("sound-capture.raw");
  std::filesystem::remove(capture);
  Program kv(L"erg.txt PLAY p.txt", dir);
  EXPECT_EQ(kv.WaitForExit(), 0u);
  EXPECT_TRUE(kv.Windows().empty());
  EXPECT_EQ(ReadBytes(dir / "erg.txt"), "ALT\r\n");
  const auto played = ReadBytes(capture);
  ASSERT_TRUE(played);
  EXPECT_NE(played->find(samples), std::string::npos) << "captured " << played->size() << " bytes";
}

TEST(PlayE2E, AMissingOrBrokenFileEndsQuietly) {
  for (const char* name : {"fehlt.wav", "kaputt.wav"}) {
    const auto dir = FreshWorkDir();
    WriteBytes(dir / "kaputt.wav", "RIFF kein Klang");
    WriteBytes(dir / "p.txt", std::string(name) + "\r\n");
    Program kv(L"erg.txt play p.txt", dir);
    EXPECT_EQ(kv.WaitForExit(), 0u) << name;
    EXPECT_TRUE(kv.Windows().empty());
    EXPECT_FALSE(ReadBytes(dir / "erg.txt")) << name;
  }
}

}  // namespace
}  // namespace kvtest
