// WavePlayer: plays one wave file through the command strings of the multimedia interface
// (MCI) for PLAY. Each step is a command string that returns when it has completed; the device
// is opened for this program alone. Pure logic without a Windows header: the strings go out
// through an MciChannel, which sound_win32.cpp hands to winmm and a unit test to a fake.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "core/failure.h"

namespace kelvari {

// Where the command strings go.
class MciChannel {
 public:
  virtual ~MciChannel() = default;
  // Sends one command string without a notify window; returns the MCI error code, 0 for
  // success, and puts the command's answer (e.g. of "status ... mode") into `answer`.
  virtual std::uint32_t Send(const std::wstring& command, std::wstring& answer) = 0;
  // The system's description of an MCI error code.
  virtual std::wstring ErrorText(std::uint32_t error) = 0;
  // Lets `milliseconds` pass.
  virtual void Pause(int milliseconds) = 0;
};

class WavePlayer {
 public:
  WavePlayer(MciChannel& mci, std::wstring file) : mci_(mci), file_(std::move(file)) {}
  WavePlayer(const WavePlayer&) = delete;
  WavePlayer& operator=(const WavePlayer&) = delete;
  ~WavePlayer();  // closes a device left open

  // Opens the file as "WaveAudio" (when not open yet) and plays it from the start. Returns when
  // the sound has ended, and at the latest kGraceMs after the sound's length has passed: a
  // stalled device is then stopped, and that is a failure too, rather than holding the program
  // for ever. Fails without sending anything for a name that cannot go into a command string.
  Status Play();
  // Closes the device when it is open.
  Status Close();

  // While waiting, the device is asked every kPollMs whether it still plays.
  static constexpr int kPollMs = 20;
  static constexpr long long kGraceMs = 5000;

  // The alias under which the device is opened.
  static constexpr std::wstring_view kAlias = L"kelvari_mm";

 private:
  Status Open();
  Status PlayOpenDevice();
  std::uint32_t Send(const std::wstring& command);
  std::uint32_t Send(const std::wstring& command, std::wstring& answer);
  // Done for error code 0, else the system's description of the code.
  Status StatusOf(std::uint32_t error);

  MciChannel& mci_;
  std::wstring file_;
  bool open_ = false;
};

}  // namespace kelvari
