// A scripted user for the demonstration: runs a batch procedure, and answers every dialog that
// kelvari.exe shows meanwhile as a patient user would (the preselected button, the proposed
// text, a name typed into a file dialog that proposes none, the first list entry), saving a
// picture of each dialog first. Asked the same question a third time, the user gives up
// ("Abbrechen"), so a procedure that asks until a disk is inserted ends too.
//
//   kelvari_demo_user.exe PICTURE_FOLDER COMMAND_LINE...
#include <windows.h>
// tlhelp32.h needs the types of windows.h.
#include <tlhelp32.h>

#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "window_picture.h"

namespace {

std::wstring Text(HWND w) {
  std::wstring t(static_cast<std::size_t>(GetWindowTextLengthW(w)) + 1, L'\0');
  t.resize(static_cast<std::size_t>(GetWindowTextW(w, t.data(), static_cast<int>(t.size()))));
  return t;
}

std::wstring ClassOf(HWND w) {
  wchar_t name[128] = {};
  GetClassNameW(w, name, 128);
  return name;
}

std::wstring Plain(std::wstring t) {
  std::wstring out;
  for (wchar_t c : t) {
    if (c == L'&') continue;
    out += (c == L'\r' || c == L'\n') ? L' ' : c;
  }
  return out;
}

void Print(const std::wstring& line) {
  const int n = WideCharToMultiByte(CP_UTF8, 0, line.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string s(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, line.c_str(), -1, s.data(), n, nullptr, nullptr);
  std::printf("  [Benutzer] %s\n", s.c_str());
  std::fflush(stdout);
}

std::set<DWORD> KelvariProcesses() {
  std::set<DWORD> pids;
  HANDLE snap = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snap == INVALID_HANDLE_VALUE) return pids;
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof entry;
  for (BOOL ok = Process32FirstW(snap, &entry); ok; ok = Process32NextW(snap, &entry)) {
    if (_wcsicmp(entry.szExeFile, L"kelvari.exe") == 0) pids.insert(entry.th32ProcessID);
  }
  CloseHandle(snap);
  return pids;
}

std::vector<HWND> DialogsOf(const std::set<DWORD>& pids) {
  struct Search {
    const std::set<DWORD>* pids;
    std::vector<HWND> found;
  } search{&pids, {}};
  EnumWindows(
      [](HWND w, LPARAM p) -> BOOL {
        auto* s = reinterpret_cast<Search*>(p);
        DWORD pid = 0;
        GetWindowThreadProcessId(w, &pid);
        if (s->pids->count(pid) && IsWindowVisible(w)) s->found.push_back(w);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// Saves the window as it is on the screen as a BMP file.
void SavePicture(HWND w, const std::wstring& path) {
  const std::string bytes = kvtest::WindowPicture(w);
  FILE* out = _wfopen(path.c_str(), L"wb");
  if (!out) return;
  std::fwrite(bytes.data(), 1, bytes.size(), out);
  std::fclose(out);
}

HWND ButtonWithText(HWND dialog, const std::wstring& text) {
  for (HWND c = GetWindow(dialog, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
    if (ClassOf(c) == L"Button" && IsWindowVisible(c) && Plain(Text(c)) == text) return c;
  }
  return nullptr;
}

// Finds a descendant window of class `cls` that is visible.
HWND Descendant(HWND parent, const wchar_t* cls) {
  struct Search {
    const wchar_t* cls;
    HWND found;
  } search{cls, nullptr};
  EnumChildWindows(
      parent,
      [](HWND w, LPARAM p) -> BOOL {
        auto* s = reinterpret_cast<Search*>(p);
        if (ClassOf(w) == s->cls && IsWindowVisible(w)) {
          s->found = w;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// Answers one dialog as a patient user would; `asked` counts how often its title came.
void Answer(HWND dialog, int asked) {
  if (asked >= 3) {
    if (HWND cancel = ButtonWithText(dialog, L"Abbrechen")) {
      Print(L"gibt auf und dr\u00FCckt \u201EAbbrechen\u201C");
      PostMessageW(cancel, BM_CLICK, 0, 0);
      return;
    }
  }
  // The name field of a file dialog (cmb13): without a proposal the user types a name.
  HWND name = GetDlgItem(dialog, 0x47C);
  while (name && ClassOf(name) != L"Edit") name = GetWindow(name, GW_CHILD);
  // Asked by message: the text the system keeps for a window of another process is not the
  // text of an edit control.
  if (name && SendMessageW(name, WM_GETTEXTLENGTH, 0, 0) == 0) {
    SetWindowTextW(name, L"beispiel.txt");
    Print(L"tippt \u201Ebeispiel.txt\u201C");
  }
  if (HWND list = Descendant(dialog, L"ListBox")) {
    const LONG style = GetWindowLongW(list, GWL_STYLE);
    if (style & (LBS_EXTENDEDSEL | LBS_MULTIPLESEL)) {
      SendMessageW(list, LB_SETSEL, TRUE, 0);
    } else {
      SendMessageW(list, LB_SETCURSEL, 0, 0);
    }
    wchar_t entry[512] = {};
    if (SendMessageW(list, LB_GETTEXTLEN, 0, 0) < 512) {
      SendMessageW(list, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(entry));
    }
    Print(L"w\u00E4hlt den ersten Eintrag \u201E" + std::wstring(entry) +
          L"\u201C und dr\u00FCckt OK");
    struct Find {
      HWND ok;
    } f{nullptr};
    EnumChildWindows(
        dialog,
        [](HWND w, LPARAM p) -> BOOL {
          if (ClassOf(w) == L"Button" && Plain(Text(w)) == L"OK") {
            reinterpret_cast<Find*>(p)->ok = w;
            return FALSE;
          }
          return TRUE;
        },
        reinterpret_cast<LPARAM>(&f));
    if (f.ok) PostMessageW(f.ok, BM_CLICK, 0, 0);
    return;
  }
  // The preselected button of a message box or an input box.
  for (HWND c = GetWindow(dialog, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
    if (ClassOf(c) == L"Button" && IsWindowVisible(c) &&
        (GetWindowLongW(c, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON) {
      Print(L"dr\u00FCckt \u201E" + Plain(Text(c)) + L"\u201C");
      PostMessageW(c, BM_CLICK, 0, 0);
      return;
    }
  }
  if (HWND ok = ButtonWithText(dialog, L"OK")) {
    Print(L"dr\u00FCckt \u201EOK\u201C");
    PostMessageW(ok, BM_CLICK, 0, 0);
    return;
  }
  // Dialogs with an OK command of their own: confirm with it; any other window (the about
  // box) is closed with its close box.
  if (GetDlgItem(dialog, IDOK)) {
    Print(L"best\u00E4tigt den Dialog");
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    return;
  }
  Print(L"schlie\u00DFt das Fenster");
  PostMessageW(dialog, WM_CLOSE, 0, 0);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: kelvari_demo_user PICTURE_FOLDER COMMAND_LINE...\n");
    return 2;
  }
  const std::wstring pictures = argv[1];
  std::wstring command;
  for (int i = 2; i < argc; ++i) command += (i > 2 ? L" " : L"") + std::wstring(argv[i]);

  STARTUPINFOW si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si,
                      &pi)) {
    std::fprintf(stderr, "cannot start the procedure (%lu)\n", GetLastError());
    return 2;
  }
  std::set<HWND> answered;
  std::map<std::wstring, int> asked;
  int number = 0;
  while (WaitForSingleObject(pi.hProcess, 100) == WAIT_TIMEOUT) {
    for (HWND dialog : DialogsOf(KelvariProcesses())) {
      if (answered.count(dialog)) continue;
      Sleep(400);  // let it paint
      if (!IsWindowVisible(dialog)) continue;
      answered.insert(dialog);
      ++number;
      wchar_t name[32];
      swprintf(name, 32, L"\\%02d.bmp", number);
      SavePicture(dialog, pictures + name);
      Print(L"sieht den Dialog \u201E" + Plain(Text(dialog)) + L"\u201C");
      Answer(dialog, ++asked[Text(dialog)]);
    }
  }
  DWORD code = 0;
  GetExitCodeProcess(pi.hProcess, &code);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return static_cast<int>(code);
}
