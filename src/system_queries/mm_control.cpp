#include "system_queries/mm_control.h"

namespace kelvari {

MMControl::~MMControl() {
  if (open_) Close();
}

void MMControl::Command(std::wstring_view command) {
  const std::wstring upper = system_.UpperCase(command);
  if (upper == L"SOUND") {
    if (!open_) Open();
    if (open_) Play();
  } else if (upper == L"CLOSE") {
    if (open_) Close();
  } else {
    error_ = kUnknownCommand;
  }
}

void MMControl::Open() {
  // The name goes into the command in quotes; a quote of its own could end it and smuggle
  // in further command words, and no file name holds one. Control characters neither.
  if (FileName.empty() || FileName.find_first_of(L"\"\r\n\t") != std::wstring::npos) {
    error_ = kUnusableName;
    return;
  }
  std::wstring command = L"open \"" + FileName + L"\"";
  if (!DeviceType.empty()) command += L" type " + DeviceType;
  command += L" alias " + std::wstring(kAlias);
  if (Shareable) command += L" shareable";
  if (Wait) command += L" wait";
  error_ = system_.SendMciCommand(command);
  open_ = error_ == 0;
}

void MMControl::Play() {
  std::wstring command = L"play " + std::wstring(kAlias) + L" from 0";
  if (Wait) command += L" wait";
  error_ = system_.SendMciCommand(command);
}

void MMControl::Close() {
  std::wstring command = L"close " + std::wstring(kAlias);
  if (Wait) command += L" wait";
  error_ = system_.SendMciCommand(command);
  open_ = false;
}

}  // namespace kelvari
