// The command strings that PLAY's WavePlayer (src/win32) sends to the multimedia interface.
#include "win32/wave_player_logic.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace kelvari {
namespace {

// The multimedia interface as a script: errors by command word, the sound's length, and how
// often "status ... mode" says "playing".
class FakeMci : public MciChannel {
 public:
  std::vector<std::wstring> commands;            // without the "status" queries
  std::map<std::wstring, std::uint32_t> errors;  // by command word ("open", "play")
  std::wstring length = L"500";                  // "status ... length"; empty: error
  int playing_polls = 3;                         // "status ... mode" says "playing" so often
  int paused_ms = 0;

  std::uint32_t Send(const std::wstring& command, std::wstring& answer) override {
    answer.clear();
    if (command.starts_with(L"status ")) {
      if (command.ends_with(L" length")) {
        answer = length;
        return length.empty() ? 263 : 0;
      }
      answer = playing_polls-- > 0 ? L"playing" : L"stopped";
      return 0;
    }
    commands.push_back(command);
    auto it = errors.find(command.substr(0, command.find(L' ')));
    return it == errors.end() ? 0 : it->second;
  }
  std::wstring ErrorText(std::uint32_t error) override {
    return L"MCI-Fehler " + std::to_wstring(error);
  }
  void Pause(int milliseconds) override { paused_ms += milliseconds; }
};

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
    FakeMci mci;
    mci.errors = c.errors;
    {
      WavePlayer player(mci, c.file);
      const Status played = player.Play();
      EXPECT_EQ(!played.ok(), !c.errors.empty() || c.commands.empty());
      for (const auto& [word, error] : c.errors) {
        EXPECT_EQ(played.reason(), L"MCI-Fehler " + std::to_wstring(error));
      }
      (void)player.Close();
    }
    EXPECT_EQ(mci.commands, c.commands) << ::testing::PrintToString(c.file);
  }
}

TEST(WavePlayer, AnOpenDeviceLeftBehindIsClosed) {
  FakeMci mci;
  {
    WavePlayer player(mci, L"a.wav");
    (void)player.Play();
  }
  const std::vector<std::wstring> expected = {
      L"open \"a.wav\" type WaveAudio alias kelvari_mm wait",
      L"set kelvari_mm time format milliseconds", L"play kelvari_mm from 0",
      L"close kelvari_mm wait"};
  EXPECT_EQ(mci.commands, expected);
}

TEST(WavePlayer, WaitEndsWithTheSoundAndAStalledDeviceIsStopped) {
  struct Case {
    const wchar_t* length;
    int playing_polls;
    int paused_ms;
    bool stalled;
    std::wstring last_play;
  };
  const Case cases[] = {
      {L"500", 3, 3 * WavePlayer::kPollMs, false, L"play kelvari_mm from 0"},
      {L"500", 0, 0, false, L"play kelvari_mm from 0"},
      {L"500", 1000000, 5500 + WavePlayer::kPollMs, true, L"stop kelvari_mm"},
      {L"", 1000000, 0, false, L"play kelvari_mm from 0 wait"},  // length unknown: the device waits
      {L"viel", 1000000, 0, false, L"play kelvari_mm from 0 wait"},
  };
  for (const Case& c : cases) {
    FakeMci mci;
    mci.length = c.length;
    mci.playing_polls = c.playing_polls;
    WavePlayer player(mci, L"a.wav");
    EXPECT_EQ(!player.Play().ok(), c.stalled) << ::testing::PrintToString(c.length);
    EXPECT_EQ(mci.paused_ms, c.paused_ms) << ::testing::PrintToString(c.length);
    EXPECT_EQ(mci.commands.back(), c.last_play);
  }
}

}  // namespace
}  // namespace kelvari
