// Win32System: PLAY's sound, through the command strings of the multimedia interface (winmm)
// that WavePlayer sends, and the pauses between them.
#include <windows.h>
// mmsystem.h needs the types of windows.h.
#include <mmsystem.h>

#include <string>

#include "win32/system_win32.h"
#include "win32/wave_player_logic.h"

namespace kelvari {
namespace {

class WinmmChannel final : public MciChannel {
 public:
  std::uint32_t Send(const std::wstring& command, std::wstring& answer) override {
    wchar_t text[256] = {};
    const MCIERROR error = ::mciSendStringW(command.c_str(), text, 256, /*hwndCallback=*/nullptr);
    answer = text;
    return error;
  }

  std::wstring ErrorText(std::uint32_t error) override {
    wchar_t text[MAXERRORLENGTH] = {};
    if (!::mciGetErrorStringW(error, text, MAXERRORLENGTH) || text[0] == L'\0') {
      return L"MCI-Fehler " + std::to_wstring(error);
    }
    return text;
  }

  void Pause(int milliseconds) override {
    ::Sleep(static_cast<DWORD>(milliseconds < 0 ? 0 : milliseconds));
  }
};

}  // namespace

Status Win32System::PlayWaveToEnd(const std::wstring& file) {
  WinmmChannel mci;
  WavePlayer player(mci, file);
  const Status played = player.Play();
  const Status closed = player.Close();
  return played.ok() ? closed : played;
}

}  // namespace kelvari
