// MMControl: the multimedia control of the main form, driven through its properties. Its
// commands are carried out with MCI command strings, each returning when it has completed;
// the device is opened for this program alone. A failure stays in Error() and is shown
// nowhere.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/system.h"

namespace kelvari {

class MMControl {
 public:
  explicit MMControl(System& system) : system_(system) {}
  MMControl(const MMControl&) = delete;
  MMControl& operator=(const MMControl&) = delete;
  ~MMControl();  // closes a device left open

  std::wstring DeviceType;
  std::wstring FileName;

  // Carries out a command, named in any case:
  //   "SOUND": opens FileName with DeviceType (when not open yet) and plays it from the start;
  //            it returns when the sound has ended, and at the latest kGraceMs
  //            after the sound's length has passed: a stalled device is then stopped
  //            (Error() kStalled) rather than holding the program for ever;
  //   "Close": closes the device.
  // Any other command sets Error() to kUnknownCommand.
  void Command(std::wstring_view command);

  // The MCI error code of the last command, 0 after a success.
  std::uint32_t Error() const { return error_; }

  static constexpr std::uint32_t kUnknownCommand = 0xFFFF0001;  // not an MCI code
  static constexpr std::uint32_t kUnusableName = 0xFFFF0002;    // not an MCI code
  static constexpr std::uint32_t kStalled = 0xFFFF0003;         // not an MCI code

  // While waiting, the device is asked every kPollMs whether it still plays.
  static constexpr int kPollMs = 20;
  static constexpr long long kGraceMs = 5000;

  // The alias under which the device is opened.
  static constexpr std::wstring_view kAlias = L"kelvari_mm";

 private:
  void Open();
  void Play();
  std::uint32_t Send(const std::wstring& command);
  std::uint32_t Send(const std::wstring& command, std::wstring& answer);
  void Close();

  System& system_;
  bool open_ = false;
  std::uint32_t error_ = 0;
};

}  // namespace kelvari
