// Win32System: upper-casing in the user's locale and the conversions to and from the ANSI code
// page. Only kernel32 is used here, so commands without a window never load a GUI library.
#include <windows.h>

#include <climits>

#include "win32/system_win32.h"

namespace kelvari {

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

AnsiText Win32System::ToAnsi(std::wstring_view text) {
  AnsiText ansi;
  if (text.empty()) return ansi;
  if (text.size() > INT_MAX / 4) {  // more than any answer can be: refused, not cut
    ansi.exact = false;
    return ansi;
  }
  const int length = static_cast<int>(text.size());
  // A system whose ANSI code page is UTF-8 holds every character; only a lone surrogate fails,
  // and that code page takes neither the best-fit flag nor the default-character report.
  const bool utf8 = ::GetACP() == CP_UTF8;
  DWORD flags = utf8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
  BOOL used_default = FALSE;
  BOOL* report = utf8 ? nullptr : &used_default;
  int n = ::WideCharToMultiByte(CP_ACP, flags, text.data(), length, nullptr, 0, nullptr, report);
  if (n <= 0 && utf8) {
    flags = 0;
    ansi.exact = false;
    n = ::WideCharToMultiByte(CP_ACP, flags, text.data(), length, nullptr, 0, nullptr, nullptr);
  }
  if (n <= 0) {
    ansi.exact = false;
    return ansi;
  }
  ansi.bytes.assign(static_cast<std::size_t>(n), '\0');
  ::WideCharToMultiByte(CP_ACP, flags, text.data(), length, ansi.bytes.data(), n, nullptr, report);
  if (used_default) ansi.exact = false;
  return ansi;
}

std::wstring Win32System::FromAnsi(std::string_view bytes) {
  if (bytes.empty() || bytes.size() > INT_MAX) return {};
  const int n =
      ::MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
  std::wstring text(static_cast<std::size_t>(n), L'\0');
  ::MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), text.data(), n);
  return text;
}

}  // namespace kelvari
