// Win32System: the argument text, upper-casing, the ANSI code page and the end of the process.
// Only kernel32 is used here, so commands without a window never load a GUI library.
#include <windows.h>

#include "frontend/handle_win32.h"
#include "frontend/system_win32.h"
#include "frontend/word_list.h"

#include <climits>

namespace kelvari {

std::wstring Win32System::ArgumentText() {
  return ArgumentTextOf(::GetCommandLineW());
}

std::wstring Win32System::UpperCase(std::wstring_view text) {
  if (text.empty()) return {};
  if (text.size() > INT_MAX) return std::wstring(text);
  std::wstring upper(text.size(), L'\0');
  // LCMAP_UPPERCASE maps character by character, so the length never changes.
  const int n = ::LCMapStringEx(LOCALE_NAME_USER_DEFAULT, LCMAP_UPPERCASE, text.data(),
                                static_cast<int>(text.size()), upper.data(),
                                static_cast<int>(upper.size()), nullptr, nullptr, 0);
  if (n != static_cast<int>(text.size())) return std::wstring(text);
  return upper;
}

std::string Win32System::ToAnsi(std::wstring_view text) {
  if (text.empty() || text.size() > INT_MAX / 2) return {};
  const int n = ::WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()),
                                      nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(n), '\0');
  ::WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), bytes.data(), n,
                        nullptr, nullptr);
  return bytes;
}

std::wstring Win32System::FromAnsi(std::string_view bytes) {
  if (bytes.empty() || bytes.size() > INT_MAX) return {};
  const int n =
      ::MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
  std::wstring text(static_cast<std::size_t>(n), L'\0');
  ::MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), text.data(), n);
  return text;
}

void Win32System::EndProcess(int code) {
  ::ExitProcess(static_cast<UINT>(code));
}

std::wstring SystemErrorText(DWORD error) {
  wchar_t* buffer = nullptr;
  const DWORD n = ::FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      /*lpSource=*/nullptr, error, /*dwLanguageId=*/0, reinterpret_cast<wchar_t*>(&buffer), 0,
      /*Arguments=*/nullptr);
  std::wstring text = n ? std::wstring(buffer, n) : std::wstring();
  if (buffer) ::LocalFree(buffer);
  while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' ')) {
    text.pop_back();
  }
  if (text.empty()) text = L"Systemfehler " + std::to_wstring(error);
  return text;
}

}  // namespace kelvari
