// A stand-in for the browser and the mail program in the test prefix: registered as the shell's
// handler for .htm files, mailto: and http(s):, it appends its command line (UTF-8) as one line
// to recorder.log beside itself and ends. Started as "kv_shell_recorder --env NAME", it records
// the value of the environment variable NAME instead ("<undefined>" when it is not set), so that
// a batch file can show what it holds. The environment variable KV_RECORDER_LOG, when set, names
// another log file.
#include <windows.h>
// shellapi.h needs the types of windows.h.
#include <shellapi.h>

#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
  wchar_t self[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring log = self;
  log = log.substr(0, log.find_last_of(L'\\') + 1) + L"recorder.log";
  wchar_t other[MAX_PATH] = {};
  if (GetEnvironmentVariableW(L"KV_RECORDER_LOG", other, MAX_PATH) > 0) log = other;

  std::wstring line = GetCommandLineW();
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (argv && argc == 3 && std::wstring(argv[1]) == L"--env") {
    const DWORD size = GetEnvironmentVariableW(argv[2], nullptr, 0);
    if (size == 0 && GetLastError() == ERROR_ENVVAR_NOT_FOUND) {
      line = L"<undefined>";
    } else {
      line.assign(size, L'\0');
      line.resize(GetEnvironmentVariableW(argv[2], line.data(), size));
      line = L"[" + line + L"]";
    }
  }
  if (argv) LocalFree(argv);
  const int n = WideCharToMultiByte(CP_UTF8, 0, line.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(n > 0 ? n - 1 : 0), '\0');
  if (n > 1) WideCharToMultiByte(CP_UTF8, 0, line.c_str(), -1, bytes.data(), n, nullptr, nullptr);
  bytes += "\r\n";

  // Several handlers may start at once: retry while another one holds the log.
  for (int attempt = 0; attempt < 200; ++attempt) {
    HANDLE file = CreateFileW(log.c_str(), FILE_APPEND_DATA, 0, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
      DWORD written = 0;
      WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
      CloseHandle(file);
      return 0;
    }
    Sleep(10);
  }
  return 1;
}
