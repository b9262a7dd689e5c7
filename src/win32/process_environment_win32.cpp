// Win32System: what the process is given: its argument text, its environment, the path of its
// own executable and the date. Only kernel32 is used here.
#include <windows.h>

#include "core/word_splitter.h"
#include "win32/system_win32.h"

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

std::wstring Win32System::ModulePath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n < path.size()) {
      path.resize(n);
      return path;
    }
    path.resize(path.size() * 2);  // a path longer than MAX_PATH
  }
}

int Win32System::CurrentYear() {
  SYSTEMTIME now{};
  ::GetLocalTime(&now);
  return now.wYear;
}

}  // namespace kelvari
