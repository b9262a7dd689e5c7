// A planted DLL for the search-order test: copied beside a copy of kelvari.exe under the name
// of a system DLL that the program loads. If the loader ever takes it from the program's
// folder, its DllMain leaves the file "planted-dll-loaded.txt" beside it and refuses to load.
#include <windows.h>

#include <cwchar>

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason != DLL_PROCESS_ATTACH) return TRUE;
  wchar_t path[MAX_PATH + 64] = {};
  const DWORD n = ::GetModuleFileNameW(instance, path, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return FALSE;
  wchar_t* slash = std::wcsrchr(path, L'\\');
  if (!slash) return FALSE;
  std::wcscpy(slash + 1, L"planted-dll-loaded.txt");
  HANDLE marker =
      ::CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (marker != INVALID_HANDLE_VALUE) {
    DWORD written = 0;
    ::WriteFile(marker, "geladen\r\n", 9, &written, nullptr);
    ::CloseHandle(marker);
  }
  return FALSE;
}
