// Win32System: the argument text, upper-casing, the ANSI code page and the end of the process.
// Only kernel32 is used here, so commands without a window never load a GUI library.
#include <windows.h>

#include "win32/handle_win32.h"
#include "win32/system_win32.h"
#include "core/word_splitter.h"

#include <climits>

namespace kelvari {

std::wstring Win32System::ArgumentText() {
  return ArgumentTextOf(::GetCommandLineW());
}

std::optional<std::wstring> Win32System::EnvironmentVariable(const std::wstring& name) {
  // A value is at most 32,767 characters; the size asked for includes the closing NUL.
  std::wstring value(256, L'\0');
  for (int attempt = 0; attempt < 3; ++attempt) {
    ::SetLastError(ERROR_SUCCESS);
    const DWORD n =
        ::GetEnvironmentVariableW(name.c_str(), value.data(), static_cast<DWORD>(value.size()));
    if (n == 0) {
      if (::GetLastError() == ERROR_ENVVAR_NOT_FOUND) return std::nullopt;
      return std::wstring();  // set, but empty
    }
    if (n < value.size()) {
      value.resize(n);
      return value;
    }
    value.assign(n, L'\0');  // grown meanwhile: asked again with the size it needs now
  }
  return std::nullopt;
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

namespace {

// The long form of the existing `path`, every part named as it stands in its folder; nullopt
// when the system gives none.
std::optional<std::wstring> LongForm(const std::wstring& path) {
  const DWORD n = ::GetLongPathNameW(path.c_str(), nullptr, 0);
  if (n == 0) return std::nullopt;
  std::wstring long_path(n, L'\0');
  const DWORD got = ::GetLongPathNameW(path.c_str(), long_path.data(), n);
  if (got == 0 || got >= n) return std::nullopt;
  long_path.resize(got);
  return long_path;
}

}  // namespace

std::optional<std::wstring> Win32System::ShortPath(const std::wstring& path) {
  if (path.empty() || path.find(L'\0') != std::wstring::npos) return std::nullopt;
  // A long path is asked for in its extended form and answered without that prefix.
  std::wstring asked = path;
  std::wstring prefix;
  if (path.size() >= MAX_PATH && path.rfind(L"\\\\?\\", 0) != 0) {
    if (path.rfind(L"\\\\", 0) == 0) {
      asked = L"\\\\?\\UNC\\" + path.substr(2);
      prefix = L"\\\\?\\UNC\\";
    } else if (path.size() > 2 && path[1] == L':' && path[2] == L'\\') {
      asked = L"\\\\?\\" + path;
      prefix = L"\\\\?\\";
    }
  }
  const DWORD n = ::GetShortPathNameW(asked.c_str(), nullptr, 0);
  if (n == 0) return std::nullopt;
  std::wstring short_path(n, L'\0');
  const DWORD got = ::GetShortPathNameW(asked.c_str(), short_path.data(), n);
  if (got == 0 || got >= n) return std::nullopt;
  short_path.resize(got);
  // A short name is made from the long one and need not be unique in its folder (Wine makes
  // it from a hash, and two names can give the same): it is only an answer when it leads back
  // to this very entry, never to a neighbour.
  const std::optional<std::wstring> back = LongForm(short_path);
  const std::optional<std::wstring> own = LongForm(asked);
  if (!back || !own ||
      ::CompareStringOrdinal(back->c_str(), static_cast<int>(back->size()), own->c_str(),
                             static_cast<int>(own->size()), TRUE) != CSTR_EQUAL) {
    return std::nullopt;
  }
  if (!prefix.empty()) {
    if (short_path.rfind(prefix, 0) != 0) return std::nullopt;
    short_path = (prefix.size() > 4 ? L"\\\\" : L"") + short_path.substr(prefix.size());
  }
  return short_path;
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
