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
  // Starts any program with the exact command line `command_line`.
  Program(const std::wstring& command_line, const std::filesystem::path& cwd, bool raw);
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;
  ~Program();

  // Waits for a visible top-level window of the process (of `window_class`, when given).
  // Returns nullptr after the timeout or when the process has ended.
  HWND WaitForWindow(const wchar_t* window_class = nullptr, int timeout_ms = 60000);

  // Waits for the process to end and returns its exit code; nullopt after the timeout.
  std::optional<DWORD> WaitForExit(int timeout_ms = 60000);

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
void ClickAt(HWND window, POINT client_point, bool double_click = false);
void PressKey(WORD virtual_key, bool with_alt = false, bool with_ctrl = false,
              bool with_shift = false);
void TypeText(const std::wstring& text);
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

// Wide text as UTF-8, for test messages.
std::string Utf8(const std::wstring& text);

}  // namespace kvtest
