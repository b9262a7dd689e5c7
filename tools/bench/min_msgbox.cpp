// Yardstick for the benchmark: the least a Windows program can do to show a message box.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
  MessageBoxW(nullptr, L"Text", L"Titel", MB_OK);
  return 0;
}
