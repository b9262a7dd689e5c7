#include "commands/wave_player.h"

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
  return sound_.SendMciCommand(command, answer);
}

WavePlayer::~WavePlayer() {
  Close();
}

void WavePlayer::Play() {
  if (!open_) Open();
  if (open_) PlayOpenDevice();
}

void WavePlayer::Open() {
  // The name goes into the command in quotes; a quote of its own could end it and smuggle
  // in further command words, and no file name holds one. Control characters neither.
  if (file_.empty() || file_.find_first_of(L"\"\r\n\t") != std::wstring::npos) {
    error_ = kUnusableName;
    return;
  }
  std::wstring command = L"open \"" + file_ + L"\" type WaveAudio";
  command += L" alias " + std::wstring(kAlias) + L" wait";
  error_ = Send(command);
  open_ = error_ == 0;
}

void WavePlayer::PlayOpenDevice() {
  const std::wstring alias(kAlias);
  std::wstring answer;
  Send(L"set " + alias + L" time format milliseconds");
  const long long length =
      Send(L"status " + alias + L" length", answer) == 0 ? LengthMs(answer) : -1;
  if (length < 0) {
    // Without a known length there is no sensible limit: let the device wait.
    error_ = Send(L"play " + alias + L" from 0 wait");
    return;
  }
  error_ = Send(L"play " + alias + L" from 0");
  if (error_ != 0) return;
  for (long long waited = 0; waited <= length + kGraceMs; waited += kPollMs) {
    if (Send(L"status " + alias + L" mode", answer) != 0 || answer != L"playing") return;
    sound_.Pause(kPollMs);
  }
  Send(L"stop " + alias);
  error_ = kStalled;
}

void WavePlayer::Close() {
  if (!open_) return;
  error_ = Send(L"close " + std::wstring(kAlias) + L" wait");
  open_ = false;
}

}  // namespace kelvari
