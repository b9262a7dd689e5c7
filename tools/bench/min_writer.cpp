// Yardstick for the benchmark: the least a Windows program can do to answer a batch file,
// writing one line to the file named by its first argument.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
  const wchar_t* p = GetCommandLineW();
  // Skip the program's own name; the rest up to the next blank is the file.
  if (*p == L'"') {
    for (++p; *p && *p != L'"'; ++p) {
    }
    if (*p) ++p;
  } else {
    while (*p && *p != L' ') ++p;
  }
  while (*p == L' ') ++p;
  wchar_t path[MAX_PATH] = {};
  for (int i = 0; *p && *p != L' ' && i < MAX_PATH - 1; ++i) path[i] = *p++;
  HANDLE f = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (f == INVALID_HANDLE_VALUE) return 2;
  DWORD written;
  WriteFile(f, "OK\r\n", 4, &written, nullptr);
  CloseHandle(f);
  return 0;
}
