// WavePlayer: plays one wave file through the multimedia interface (MCI) for PLAY. Each step
// is an MCI command string that returns when it has completed; the device is opened for this
// program alone. A failure stays in Error() and is shown nowhere.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "core/system.h"

namespace kelvari {

class WavePlayer {
 public:
  WavePlayer(Sound& sound, std::wstring file) : sound_(sound), file_(std::move(file)) {}
  WavePlayer(const WavePlayer&) = delete;
  WavePlayer& operator=(const WavePlayer&) = delete;
  ~WavePlayer();  // closes a device left open

  // Opens the file as "WaveAudio" (when not open yet) and plays it from the start. Returns when
  // the sound has ended, and at the latest kGraceMs after the sound's length has passed: a
  // stalled device is then stopped (Error() kStalled) rather than holding the program for ever.
  void Play();
  // Closes the device when it is open.
  void Close();

  // The MCI error code of the last command, 0 after a success.
  std::uint32_t Error() const { return error_; }

  static constexpr std::uint32_t kUnusableName = 0xFFFF0002;  // not an MCI code
  static constexpr std::uint32_t kStalled = 0xFFFF0003;       // not an MCI code

  // While waiting, the device is asked every kPollMs whether it still plays.
  static constexpr int kPollMs = 20;
  static constexpr long long kGraceMs = 5000;

  // The alias under which the device is opened.
  static constexpr std::wstring_view kAlias = L"kelvari_mm";

 private:
  void Open();
  void PlayOpenDevice();
  std::uint32_t Send(const std::wstring& command);
  std::uint32_t Send(const std::wstring& command, std::wstring& answer);

  Sound& sound_;
  std::wstring file_;
  bool open_ = false;
  std::uint32_t error_ = 0;
};

}  // namespace kelvari
