#include <gtest/gtest.h>

#include "commands/wave_player.h"
#include "run_program.h"

namespace kelvari {
namespace {

using testing::CrLf;
using testing::FakeSystem;

TEST(WavePlayer, SoundOpensPlaysAndCloseCloses) {
  struct Case {
    const wchar_t* file;
    std::map<std::wstring, std::uint32_t> errors;
    std::vector<std::wstring> commands;
  };
  const Case cases[] = {
      {L"C:\\T\u00F6ne\\ding dong.wav",
       {},
       {L"open \"C:\\T\u00F6ne\\ding dong.wav\" type WaveAudio alias kelvari_mm wait",
        L"set kelvari_mm time format milliseconds", L"play kelvari_mm from 0",
        L"close kelvari_mm wait"}},
      {L"fehlt.wav",
       {{L"open", 275}},
       {L"open \"fehlt.wav\" type WaveAudio alias kelvari_mm wait"}},
      {L"x.wav",
       {{L"play", 320}},
       {L"open \"x.wav\" type WaveAudio alias kelvari_mm wait",
        L"set kelvari_mm time format milliseconds", L"play kelvari_mm from 0",
        L"close kelvari_mm wait"}},
      {L"x.wav\" alias b", {}, {}},  // a quote never reaches the command
      {L"", {}, {}},
  };
  for (const Case& c : cases) {
    FakeSystem sys;
    sys.mci_errors = c.errors;
    {
      WavePlayer player(sys, c.file);
      player.Play();
      EXPECT_EQ(player.Error() != 0, !c.errors.empty() || c.commands.empty());
      player.Close();
    }
    EXPECT_EQ(sys.mci_commands, c.commands) << ::testing::PrintToString(c.file);
  }
}

TEST(WavePlayer, AnOpenDeviceLeftBehindIsClosed) {
  FakeSystem sys;
  {
    WavePlayer player(sys, L"a.wav");
    player.Play();
  }
  const std::vector<std::wstring> expected = {
      L"open \"a.wav\" type WaveAudio alias kelvari_mm wait",
      L"set kelvari_mm time format milliseconds", L"play kelvari_mm from 0",
      L"close kelvari_mm wait"};
  EXPECT_EQ(sys.mci_commands, expected);
}

TEST(WavePlayer, WaitEndsWithTheSoundAndAStalledDeviceIsStopped) {
  struct Case {
    const wchar_t* length;
    int playing_polls;
    int paused_ms;
    std::uint32_t error;
    std::wstring last_play;
  };
  const Case cases[] = {
      {L"500", 3, 3 * WavePlayer::kPollMs, 0, L"play kelvari_mm from 0"},
      {L"500", 0, 0, 0, L"play kelvari_mm from 0"},
      {L"500", 1000000, 5500 + WavePlayer::kPollMs, WavePlayer::kStalled, L"stop kelvari_mm"},
      {L"", 1000000, 0, 0, L"play kelvari_mm from 0 wait"},  // length unknown: the device waits
      {L"viel", 1000000, 0, 0, L"play kelvari_mm from 0 wait"},
  };
  for (const Case& c : cases) {
    FakeSystem sys;
    sys.mci_length = c.length;
    sys.mci_playing_polls = c.playing_polls;
    WavePlayer player(sys, L"a.wav");
    player.Play();
    EXPECT_EQ(player.Error(), c.error) << ::testing::PrintToString(c.length);
    EXPECT_EQ(sys.paused_ms, c.paused_ms) << ::testing::PrintToString(c.length);
    EXPECT_EQ(sys.mci_commands.back(), c.last_play);
  }
}

TEST(Play, PlaysLineOneAndEndsWithoutResultOrMessage) {
  for (const std::uint32_t open_error : {0u, 275u}) {
    FakeSystem sys;
    sys.argument_text = L"e.txt play p.txt";
    sys.files[L"p.txt"].bytes = CrLf({"; Klang", "  C:\\Klang mit Blank.wav ", "weitere Zeile"});
    sys.files[L"e.txt"].bytes = "ALT\r\n";
    if (open_error) sys.mci_errors[L"open"] = open_error;
    EXPECT_EQ(testing::RunProgram(sys), kExitAnswered);
    ASSERT_FALSE(sys.mci_commands.empty());
    EXPECT_EQ(sys.mci_commands[0],
              L"open \"C:\\Klang mit Blank.wav\" type WaveAudio alias kelvari_mm wait");
    EXPECT_EQ(sys.mci_commands.size(), open_error ? 1u : 4u);
    EXPECT_EQ(sys.files[L"e.txt"].bytes, "ALT\r\n");
    EXPECT_TRUE(sys.boxes.empty());
    EXPECT_EQ(sys.main_window_created, 0);
  }
}

TEST(Play, AnEmptyParameterFileIsErrorFive) {
  FakeSystem sys;
  sys.argument_text = L"e.txt PLAY p.txt";
  sys.files[L"p.txt"].bytes = "";
  EXPECT_EQ(testing::RunProgram(sys), kExitFailed);
  EXPECT_TRUE(sys.mci_commands.empty());
  EXPECT_EQ(sys.boxes.size(), 1u);
}

}  // namespace
}  // namespace kelvari
