// The end-to-end test driver: starts kelvari.exe as a batch file would, with an exact
// argument text, finds its windows, reads their texts and presses their buttons as a user
// would, and reads the files that the program leaves behind.
#pragma once

#include <windows.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace kvtest {

// The path of the kelvari.exe under test.
std::wstring KelvariExe();

// A fresh, empty folder for the running test.
std::filesystem::path FreshWorkDir();

void WriteBytes(const std::filesystem::path& path, const std::string& bytes);
// The file's bytes, or nullopt when it does not exist.
std::optional<std::string> ReadBytes(const std::filesystem::path& path);

// A running kelvari.exe. The destructor ends a process that is still running.
class Program {
 public:
  // Starts kelvari.exe with the command line `"<exe>" <argument_text>` in folder `cwd`.
  Program(const std::wstring& argument_text, const std::filesystem::path& cwd);
  // Starts any program with the exact command line `command_line` (with CreateProcess's
  // `creation_flags`, e.g. CREATE_NEW_CONSOLE).
  Program(const std::wstring& command_line, const std::filesystem::path& cwd, bool raw,
          DWORD creation_flags = 0);
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;
  ~Program();

  // Waits for a visible top-level window of the process (of `window_class`, when given).
  // Returns nullptr after the timeout or when the process has ended.
  HWND WaitForWindow(const wchar_t* window_class = nullptr, int timeout_ms = 60000);

  // Waits for the process to end and returns its exit code; nullopt after the timeout.
  std::optional<DWORD> WaitForExit(int timeout_ms = 60000);

  // True when the process has not ended within `ms`. This proves only "did not end at once":
  // on a slow machine it holds whatever the program does a moment later, so pair it with a
  // check of the state that must hold (the window still visible and enabled, say).
  bool StillRunningAfter(int ms) { return !WaitForExit(ms).has_value(); }

  // All visible top-level windows of the process right now.
  std::vector<HWND> Windows() const;

  DWORD pid() const { return info_.dwProcessId; }
  HANDLE process() const { return info_.hProcess; }

 private:
  PROCESS_INFORMATION info_{};
};

std::wstring Text(HWND window);
std::wstring ClassName(HWND window);
std::vector<HWND> Children(HWND window);
// The child whose text, without "&", is `text`; nullptr when there is none.
HWND ChildByText(HWND parent, const std::wstring& text);
// Waits for a second dialog of `program` beside `besides` (the fault box that follows a
// question, say). nullptr after `timeout_ms` or when the process has ended.
HWND WaitForAnotherBox(Program& program, HWND besides, int timeout_ms = 60000);

// A mono 16-bit 22,050 Hz wave file holding `samples` (little-endian 16-bit values).
std::string WaveFileOf(const std::string& samples);

// The control that has the keyboard focus in the thread of `window`.
HWND FocusOf(HWND window);
// Clicks a button the way the user's mouse does.
void Press(HWND button);

// What a standard message box shows.
struct MessageBoxView {
  std::wstring title;
  std::wstring text;
  std::vector<std::wstring> buttons;  // captions without "&", left to right
  std::wstring default_button;        // caption of the preselected button
  int icon_id = 0;                    // 0 without icon; else the IDI_ resource it shows
};
MessageBoxView ReadMessageBox(HWND box);
// Presses the button with `caption` in message box `box`.
void PressButton(HWND box, const std::wstring& caption);

// One call of kelvari.exe as a batch file makes it: `"<exe>" <args>` in folder `dir`, whose
// answer is read from dir\erg.txt.
class Call {
 public:
  Call(const std::wstring& args, std::filesystem::path folder)
      : dir(std::move(folder)), kv(args, dir) {}

  // The program's first visible window of `window_class` (a message box unless said
  // otherwise); nullptr when none came.
  HWND Window(const wchar_t* window_class = L"#32770") { return kv.WaitForWindow(window_class); }
  // The result file's bytes; nullopt when there is none.
  std::optional<std::string> Result() const { return ReadBytes(dir / "erg.txt"); }

  const std::filesystem::path dir;
  Program kv;
};

// What a call that shows one message box gave: the box as the user saw it, how many windows
// the program showed with it, and after OK the exit code and the result file.
struct BoxCall {
  bool shown = false;
  MessageBoxView box;
  std::size_t windows = 0;
  std::optional<DWORD> exit;
  std::optional<std::string> result;
};
// Runs `args` in `dir`, reads the first message box, presses its OK and waits for the end.
// A call that shows no box fails the test.
BoxCall OneBoxThenOk(const std::wstring& args, const std::filesystem::path& dir);

// The text of a control that keeps its own text (an edit field), asked by WM_GETTEXT.
std::wstring ControlText(HWND control);

// List boxes of another process: entries, selected positions, extended selection style.
std::vector<std::wstring> ListEntries(HWND list);
std::vector<int> ListSelection(HWND list);
bool IsExtendedSelection(HWND list);
// A control's rectangle in its parent's client area.
RECT RectInParent(HWND control);
// The visible child of `parent` of class `control_class` (nth from 0 in z-order), or nullptr.
HWND ChildOfClass(HWND parent, const std::wstring& control_class, int nth = 0);

// Real input, as the user's mouse and keyboard make it (the window is brought to the front).
// Each returns once its input is queued (and the display had a moment): the program's thread
// takes it in order, after the input before it, but in its own time, so a test waits for the
// state that the input brings (Eventually) before it reads a window or sends it a message.
void ClickAt(HWND window, POINT client_point, bool double_click = false);
void PressKey(WORD virtual_key, bool with_alt = false, bool with_ctrl = false,
              bool with_shift = false);
void TypeText(const std::wstring& text);
// Turns the mouse wheel one notch over the middle of `window`.
void TurnWheel(HWND window);
// Moves the mouse to `screen` (screen coordinates) without a click.
void MoveMouseTo(POINT screen);
// Clicks the close box (the "X") at the right end of the title bar of top-level `window`.
void ClickCloseBox(HWND window);
// Presses (down) or releases a key without anything else, e.g. Ctrl around a click.
void HoldKey(WORD virtual_key, bool down);
// A file in the folder of the Wine session (KELVARI_WINE_DIR), e.g. the captured sound.
std::filesystem::path WineSessionFile(const std::string& name);

// The edit control of the name field of a file-open or file-save dialog.
HWND FileNameField(HWND dialog);

// Selects `folder` in the shell's folder-browse dialog `dialog` of `program`, as a click in
// its tree would. False when the dialog did not take it.
bool SelectBrowseFolder(const Program& program, HWND dialog, const std::wstring& folder);

// Asks `condition` until it holds (true) or `timeout_ms` has passed (false): for what a window
// shows after input that its thread handles in its own time.
template <class Condition>
bool Eventually(Condition condition, int timeout_ms = 10000) {
  for (int waited = 0; !condition(); waited += 20) {
    if (waited >= timeout_ms) return false;
    Sleep(20);
  }
  return true;
}

// Sets the display's DPI for the programs started while it lives (0: the prefix's own).
class DisplayDpi {
 public:
  explicit DisplayDpi(DWORD dpi);
  ~DisplayDpi();
  DisplayDpi(const DisplayDpi&) = delete;
  DisplayDpi& operator=(const DisplayDpi&) = delete;

 private:
  bool set_;
};

// Sets an environment variable for the programs started while it lives.
class Environment {
 public:
  Environment(const wchar_t* name, const std::wstring& value) : name_(name) {
    SetEnvironmentVariableW(name, value.c_str());
  }
  ~Environment() { SetEnvironmentVariableW(name_, nullptr); }
  Environment(const Environment&) = delete;
  Environment& operator=(const Environment&) = delete;

 private:
  const wchar_t* name_;
};

// Wide text as UTF-8, for test messages.
std::string Utf8(const std::wstring& text);

}  // namespace kvtest
