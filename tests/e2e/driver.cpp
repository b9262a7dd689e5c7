#include "driver.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <thread>

namespace kvtest {
namespace {

std::wstring FromUtf8(const std::string& s) {
  if (s.empty()) return {};
  const int n = MultiByteToWideChar(CP_UTF8, 0, s.data(), static_cast<int>(s.size()), nullptr, 0);
  std::wstring w(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, s.data(), static_cast<int>(s.size()), w.data(), n);
  return w;
}

// A Unix path of the build as the path Wine shows for it on drive Z:.
std::wstring WinePath(const std::string& unix_path) {
  std::wstring w = L"Z:" + FromUtf8(unix_path);
  std::replace(w.begin(), w.end(), L'/', L'\\');
  return w;
}

std::wstring StripAmpersand(std::wstring s) {
  s.erase(std::remove(s.begin(), s.end(), L'&'), s.end());
  return s;
}

// The pixels of a window as they are on the screen.
std::vector<COLORREF> Capture(HWND window, int& width, int& height) {
  RECT r;
  GetWindowRect(window, &r);
  width = r.right - r.left;
  height = r.bottom - r.top;
  HDC screen = GetDC(nullptr);
  HDC mem = CreateCompatibleDC(screen);
  HBITMAP bmp = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ old = SelectObject(mem, bmp);
  BitBlt(mem, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
  std::vector<COLORREF> pixels;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) pixels.push_back(GetPixel(mem, x, y));
  }
  SelectObject(mem, old);
  DeleteObject(bmp);
  DeleteDC(mem);
  ReleaseDC(nullptr, screen);
  return pixels;
}

// Which of the system's message box icons an icon control shows: its pixels are compared with
// each stock icon drawn on the same background. -1 for an icon that is none of them.
int IdentifyIcon(HWND icon_control) {
  int w = 0, h = 0;
  const std::vector<COLORREF> shown = Capture(icon_control, w, h);
  if (shown.empty()) return -1;
  HDC screen = GetDC(nullptr);
  HDC mem = CreateCompatibleDC(screen);
  HBITMAP bmp = CreateCompatibleBitmap(screen, w, h);
  HGDIOBJ old = SelectObject(mem, bmp);
  int best = -1;
  for (int idi : {32513, 32514, 32515, 32516}) {  // hand, question, exclamation, asterisk
    HBRUSH bg = CreateSolidBrush(shown[0]);
    RECT all{0, 0, w, h};
    FillRect(mem, &all, bg);
    DeleteObject(bg);
    DrawIconEx(mem, 0, 0, LoadIconW(nullptr, MAKEINTRESOURCEW(idi)), w, h, 0, nullptr, DI_NORMAL);
    std::size_t same = 0;
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x)
        same += GetPixel(mem, x, y) == shown[static_cast<std::size_t>(y * w + x)];
    }
    if (same * 100 >= shown.size() * 97) best = idi;
  }
  SelectObject(mem, old);
  DeleteObject(bmp);
  DeleteDC(mem);
  ReleaseDC(nullptr, screen);
  return best;
}

}  // namespace

DisplayDpi::DisplayDpi(DWORD dpi) : set_(dpi != 0) {
  if (set_) {
    RegSetKeyValueW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"LogPixels", REG_DWORD, &dpi,
                    sizeof dpi);
  }
}

DisplayDpi::~DisplayDpi() {
  if (set_) RegDeleteKeyValueW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"LogPixels");
}

std::string Utf8(const std::wstring& w) {
  if (w.empty()) return {};
  const int n = WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), nullptr, 0,
                                    nullptr, nullptr);
  std::string s(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), s.data(), n, nullptr,
                      nullptr);
  return s;
}

std::wstring KelvariExe() {
  return WinePath(KELVARI_EXE_UNIX_PATH);
}

std::filesystem::path FreshWorkDir() {
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  std::filesystem::path dir = WinePath(KELVARI_E2E_WORK_UNIX_PATH);
  dir /= std::string(info->test_suite_name()) + "." + info->name();
  std::error_code ec;
  std::filesystem::remove_all(dir, ec);
  std::filesystem::create_directories(dir);
  return dir;
}

void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  ASSERT_TRUE(out.good()) << path;
}

std::optional<std::string> ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(in), {});
}

Program::Program(const std::wstring& argument_text, const std::filesystem::path& cwd)
    : Program(L"\"" + KelvariExe() + L"\" " + argument_text, cwd, true) {}

Program::Program(const std::wstring& command_line, const std::filesystem::path& cwd, bool,
                 DWORD creation_flags) {
  STARTUPINFOW si{};
  si.cb = sizeof si;
  std::wstring cmd = command_line;
  const std::wstring dir = cwd.wstring();
  // Under Wine a new process now and then dies while it is being set up (it cannot reserve its
  // address space, say), before any of its own code runs; CreateProcessW then fails with
  // ERROR_INTERNAL_ERROR. That is the test machine's fault, not the program's: start it again.
  for (int attempt = 1;; ++attempt) {
    if (CreateProcessW(nullptr, cmd.data(), nullptr, nullptr, FALSE, creation_flags, nullptr,
                       dir.c_str(), &si, &info_))
      return;
    const DWORD error = GetLastError();
    if (error != ERROR_INTERNAL_ERROR || attempt == 3) {
      ADD_FAILURE() << "CreateProcessW failed: " << error;
      info_ = {};
      return;
    }
    Sleep(200);
    cmd = command_line;
  }
}

Program::~Program() {
  if (!info_.hProcess) return;
  if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) {
    TerminateProcess(info_.hProcess, 99);
    WaitForSingleObject(info_.hProcess, 5000);
  }
  CloseHandle(info_.hThread);
  CloseHandle(info_.hProcess);
}

std::vector<HWND> Program::Windows() const {
  struct Search {
    DWORD pid;
    std::vector<HWND> found;
  } search{info_.dwProcessId, {}};
  EnumWindows(
      [](HWND w, LPARAM p) -> BOOL {
        auto* s = reinterpret_cast<Search*>(p);
        DWORD pid = 0;
        GetWindowThreadProcessId(w, &pid);
        if (pid == s->pid && IsWindowVisible(w)) s->found.push_back(w);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND Program::WaitForWindow(const wchar_t* window_class, int timeout_ms) {
  const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout_ms);
  while (std::chrono::steady_clock::now() < until) {
    for (HWND w : Windows()) {
      if (window_class && ClassName(w) != window_class) continue;
      // Wait until the window's thread has handled the messages of its creation.
      DWORD_PTR ignored;
      SendMessageTimeoutW(w, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &ignored);
      return w;
    }
    if (info_.hProcess && WaitForSingleObject(info_.hProcess, 0) != WAIT_TIMEOUT) return nullptr;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return nullptr;
}

std::optional<DWORD> Program::WaitForExit(int timeout_ms) {
  if (!info_.hProcess) return std::nullopt;
  if (WaitForSingleObject(info_.hProcess, static_cast<DWORD>(timeout_ms)) != WAIT_OBJECT_0) {
    return std::nullopt;
  }
  DWORD code = 0;
  GetExitCodeProcess(info_.hProcess, &code);
  return code;
}

std::wstring Text(HWND window) {
  const int n = GetWindowTextLengthW(window);
  std::wstring text(static_cast<std::size_t>(n) + 1, L'\0');
  const int got = GetWindowTextW(window, text.data(), n + 1);
  text.resize(static_cast<std::size_t>(got));
  return text;
}

std::wstring ClassName(HWND window) {
  wchar_t name[256] = {};
  GetClassNameW(window, name, 256);
  return name;
}

std::vector<HWND> Children(HWND window) {
  std::vector<HWND> found;
  for (HWND c = GetWindow(window, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) found.push_back(c);
  return found;
}

HWND ChildByText(HWND parent, const std::wstring& text) {
  for (HWND c : Children(parent)) {
    if (StripAmpersand(Text(c)) == text) return c;
  }
  return nullptr;
}

HWND WaitForAnotherBox(Program& program, HWND besides, int timeout_ms) {
  for (int waited = 0; waited < timeout_ms; waited += 20) {
    for (HWND w : program.Windows()) {
      if (w != besides && ClassName(w) == L"#32770") return w;
    }
    if (program.WaitForExit(0)) return nullptr;
    Sleep(20);
  }
  return nullptr;
}

std::string WaveFileOf(const std::string& samples) {
  auto u32 = [](std::uint32_t v) {
    return std::string{static_cast<char>(v), static_cast<char>(v >> 8), static_cast<char>(v >> 16),
                       static_cast<char>(v >> 24)};
  };
  auto u16 = [](std::uint16_t v) {
    return std::string{static_cast<char>(v), static_cast<char>(v >> 8)};
  };
  return "RIFF" + u32(36 + static_cast<std::uint32_t>(samples.size())) + "WAVEfmt " + u32(16) +
         u16(1) + u16(1) + u32(22050) + u32(44100) + u16(2) + u16(16) + "data" +
         u32(static_cast<std::uint32_t>(samples.size())) + samples;
}

HWND FocusOf(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
  return info.hwndFocus;
}

void Press(HWND button) {
  PostMessageW(button, BM_CLICK, 0, 0);
}

MessageBoxView ReadMessageBox(HWND box) {
  MessageBoxView view;
  view.title = Text(box);
  std::vector<std::pair<LONG, std::wstring>> buttons;
  for (HWND c : Children(box)) {
    const std::wstring cls = ClassName(c);
    if (cls == L"Static" && GetDlgCtrlID(c) == 0xFFFF) view.text = Text(c);
    if (cls == L"Static" && (GetWindowLongW(c, GWL_STYLE) & SS_TYPEMASK) == SS_ICON &&
        IsWindowVisible(c) && SendMessageW(c, STM_GETICON, 0, 0)) {
      // The box may not have painted its icon yet: look again for a moment.
      for (int attempt = 0; attempt < 40 && view.icon_id <= 0; ++attempt) {
        if (attempt) Sleep(50);
        view.icon_id = IdentifyIcon(c);
      }
    }
    if (cls == L"Button" && IsWindowVisible(c)) {
      RECT r;
      GetWindowRect(c, &r);
      buttons.emplace_back(r.left, StripAmpersand(Text(c)));
      if ((GetWindowLongW(c, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON) {
        view.default_button = buttons.back().second;
      }
    }
  }
  std::sort(buttons.begin(), buttons.end());
  for (auto& b : buttons) view.buttons.push_back(b.second);
  return view;
}

void PressButton(HWND box, const std::wstring& caption) {
  HWND button = ChildByText(box, caption);
  ASSERT_NE(button, nullptr) << "no button " << Utf8(caption);
  Press(button);
}

BoxCall OneBoxThenOk(const std::wstring& args, const std::filesystem::path& dir) {
  BoxCall run;
  Call call(args, dir);
  HWND box = call.Window();
  EXPECT_NE(box, nullptr) << "no message box for " << Utf8(args);
  if (!box) return run;
  run.shown = true;
  run.box = ReadMessageBox(box);
  run.windows = call.kv.Windows().size();
  PressButton(box, L"OK");
  run.exit = call.kv.WaitForExit();
  run.result = call.Result();
  return run;
}

std::filesystem::path WineSessionFile(const std::string& name) {
  return std::filesystem::path(WinePath(KELVARI_WINE_UNIX_DIR)) / name;
}

namespace {

// A block of memory in another process, for messages whose data the receiver reads from its
// own address space.
class RemoteMemory {
 public:
  RemoteMemory(HANDLE process, SIZE_T bytes)
      : process_(process),
        base_(VirtualAllocEx(process, nullptr, bytes, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE)) {}
  RemoteMemory(const RemoteMemory&) = delete;
  RemoteMemory& operator=(const RemoteMemory&) = delete;
  ~RemoteMemory() {
    if (base_ && !keep_) VirtualFreeEx(process_, base_, 0, MEM_RELEASE);
  }
  char* get() const { return static_cast<char*>(base_); }
  bool Write(SIZE_T offset, const void* data, SIZE_T bytes) const {
    SIZE_T done = 0;
    return base_ && WriteProcessMemory(process_, get() + offset, data, bytes, &done) &&
           done == bytes;
  }
  bool Read(SIZE_T offset, void* data, SIZE_T bytes) const {
    SIZE_T done = 0;
    return base_ && ReadProcessMemory(process_, get() + offset, data, bytes, &done) &&
           done == bytes;
  }
  // A message that timed out may still be read by the receiver later: then the block stays.
  void Keep() { keep_ = true; }

 private:
  HANDLE process_;
  void* base_;
  bool keep_ = false;
};

// The label of the item selected in tree view `tree` of `program`.
std::wstring SelectedTreeLabel(const Program& program, HWND tree) {
  const auto item = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
  if (!item) return {};
  constexpr int kChars = 512;
  RemoteMemory remote(program.process(), sizeof(TVITEMW) + kChars * sizeof(wchar_t));
  TVITEMW query{};
  query.mask = TVIF_HANDLE | TVIF_TEXT;
  query.hItem = item;
  query.pszText = reinterpret_cast<LPWSTR>(remote.get() + sizeof(TVITEMW));
  query.cchTextMax = kChars;
  if (!remote.Write(0, &query, sizeof query)) return {};
  DWORD_PTR answer = 0;
  if (!SendMessageTimeoutW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(remote.get()),
                           SMTO_ABORTIFHUNG, 10000, &answer)) {
    remote.Keep();
    return {};
  }
  std::wstring label(kChars, L'\0');
  if (!remote.Read(sizeof(TVITEMW), label.data(), kChars * sizeof(wchar_t))) return {};
  label.resize(std::min(label.find(L'\0'), label.size()));
  return label;
}

// Whether a tree label names `folder`: the drive for a drive's root ("... (K:)"), else the
// folder's own name.
bool LabelNames(const std::wstring& label, const std::wstring& folder) {
  if (folder.size() <= 3) return label.find(folder.substr(0, 2)) != std::wstring::npos;
  return label == folder.substr(folder.find_last_of(L'\\') + 1);
}

}  // namespace

HWND FileNameField(HWND dialog) {
  constexpr int kFileNameCombo = 0x47C;  // cmb13: the name field of the explorer-style dialog
  constexpr int kFileNameEdit = 0x480;   // edt1: the name field of older templates
  // Inside a ComboBoxEx and its combo box, or alone.
  HWND field = GetDlgItem(dialog, kFileNameCombo);
  if (!field) return GetDlgItem(dialog, kFileNameEdit);
  while (field && ClassName(field) != L"Edit") field = GetWindow(field, GW_CHILD);
  return field;
}

bool SelectBrowseFolder(const Program& program, HWND dialog, const std::wstring& folder) {
  HWND tree = ChildOfClass(dialog, L"SysTreeView32");
  // The dialog takes no path of MAX_PATH characters or more: its longest part that it takes
  // is selected, and the rest is walked down as the user's Right arrow key does (open the
  // item, go to its first child), checking each level's name.
  if (folder.size() >= MAX_PATH && tree) {
    const std::size_t cut = folder.rfind(L'\\', MAX_PATH - 2);
    if (!SelectBrowseFolder(program, dialog, folder.substr(0, cut))) return false;
    for (std::size_t at = cut; at != std::wstring::npos;) {
      const std::size_t next = folder.find(L'\\', at + 1);
      const std::wstring part = folder.substr(at + 1, next - at - 1);
      for (int key = 0; key < 2; ++key) PostMessageW(tree, WM_KEYDOWN, VK_RIGHT, 0);
      if (!Eventually([&] { return SelectedTreeLabel(program, tree) == part; })) {
        ADD_FAILURE() << "the folder dialog shows " << Utf8(SelectedTreeLabel(program, tree))
                      << " instead of " << Utf8(part);
        return false;
      }
      at = next;
    }
    return true;
  }
  const SIZE_T bytes = (folder.size() + 1) * sizeof(wchar_t);
  const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  // The dialog may still be filling its tree: ask again until the tree shows the folder.
  while (std::chrono::steady_clock::now() < until) {
    RemoteMemory path(program.process(), bytes);  // the dialog reads the path from its memory
    if (!path.Write(0, folder.c_str(), bytes)) return false;
    constexpr UINT kSetSelectionW = WM_USER + 103;  // BFFM_SETSELECTIONW
    DWORD_PTR answer = 0;
    if (!SendMessageTimeoutW(dialog, kSetSelectionW, TRUE, reinterpret_cast<LPARAM>(path.get()),
                             SMTO_ABORTIFHUNG, 10000, &answer)) {
      path.Keep();
      continue;
    }
    if (tree && LabelNames(SelectedTreeLabel(program, tree), folder)) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
  }
  ADD_FAILURE() << "the folder dialog shows " << Utf8(tree ? SelectedTreeLabel(program, tree) : L"")
                << " instead of " << Utf8(folder);
  return false;
}

}  // namespace kvtest
