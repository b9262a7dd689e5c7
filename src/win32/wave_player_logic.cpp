#include "win32/wave_player_logic.h"

#include <cwchar>

namespace kelvari {
namespace {

// The sound's length in milliseconds from the answer of "status ... length"; -1 when the
// answer is no number.
long long LengthMs(const std::wstring& answer) {
  if (answer.empty()) return -1;
  wchar_t* end = nullptr;
  const long long length = std::wcstoll(answer.c_str(), &end, 10);
  return (end && *end == L'\0' && length >= 0) ? length : -1;
}

}  // namespace

std::uint32_t WavePlayer::Send(const std::wstring& command) {
  std::wstring answer;
  return Send(command, answer);
}

std::uint32_t WavePlayer::Send(const std::wstring& command, std::wstring& answer) {
  return mci_.Send(command, answer);
}

Status WavePlayer::StatusOf(std::uint32_t error) {
  if (error == 0) return Done{};
  return Failure{mci_.ErrorText(error)};
}

WavePlayer::~WavePlayer() {
  (void)Close();
}

Status WavePlayer::Play() {
  if (!open_) {
    Status opened = Open();
    if (!opened.ok()) return opened;
  }
  return PlayOpenDevice();
}

Status WavePlayer::Open() {
  // The name goes into the command in quotes; a quote of its own could end it and smuggle
  // in further command words, and no file name holds one. Control characters neither.
  if (file_.empty() || file_.find_first_of(L"\"\r\n\t") != std::wstring::npos) {
    return Failure{L"Der Name '" + file_ + L"' kann keine Wave-Datei bezeichnen."};
  }
  std::wstring command = L"open \"" + file_ + L"\" type WaveAudio";
  command += L" alias " + std::wstring(kAlias) + L" wait";
  const std::uint32_t error = Send(command);
  open_ = error == 0;
  return StatusOf(error);
}

Status WavePlayer::PlayOpenDevice() {
  const std::wstring alias(kAlias);
  std::wstring answer;
  Send(L"set " + alias + L" time format milliseconds");
  const long long length =
      Send(L"status " + alias + L" length", answer) == 0 ? LengthMs(answer) : -1;
  if (length < 0) {
    // Without a known length there is no sensible limit: let the device wait.
    return StatusOf(Send(L"play " + alias + L" from 0 wait"));
  }
  const std::uint32_t error = Send(L"play " + alias + L" from 0");
  if (error != 0) return StatusOf(error);
  for (long long waited = 0; waited <= length + kGraceMs; waited += kPollMs) {
    if (Send(L"status " + alias + L" mode", answer) != 0 || answer != L"playing") return Done{};
    mci_.Pause(kPollMs);
  }
  Send(L"stop " + alias);
  return Failure{L"Die Wiedergabe stand still und wurde angehalten."};
}

Status WavePlayer::Close() {
  if (!open_) return Done{};
  open_ = false;
  return StatusOf(Send(L"close " + std::wstring(kAlias) + L" wait"));
}

}  // namespace kelvari
