// The program's one door to the operating system.
//
// Everything the command logic needs from Windows (the argument text, files, message boxes,
// upper-casing, the ANSI code page) goes through this interface. It is made of roles, each for
// one job (text, files, the process, dialogs, the countdown, the windows of a long job, drives,
// sound); a part of the logic takes only the roles it uses. The Win32 build implements it in the
// *_win32.cpp files; unit tests use a scripted fake. The logic never sees a Windows handle or
// error number: failures come back as a Failure with the system's own text (core/failure.h).
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/dialog_requests.h"
#include "core/failure.h"
#include "core/long_job_requests.h"
#include "core/message_request.h"

namespace kelvari {

// The primary screen's size in twips and the twips of one pixel.
struct ScreenMetrics {
  float width_twips = 0;
  float height_twips = 0;
  float twips_per_pixel_x = 15;
  float twips_per_pixel_y = 15;
};

// Text in the system's ANSI code page. A character that the code page cannot hold exactly
// becomes the code page's default character, never a look-alike, and `exact` is then false.
struct AnsiText {
  std::string bytes;
  bool exact = true;
};

// Looks at the entry field's text when the user confirms the input box: a German message
// keeps the box open and is shown to the user; nullopt lets the box close with the text.
using InputCheck = std::function<std::optional<std::wstring>(const std::wstring& text)>;

// What the user did with the input box.
struct InputBoxAnswer {
  bool confirmed = false;  // false: the user cancelled
  std::wstring text;       // the entry field's text when confirmed
};

// The list dialog's request: what it shows, and the check of a selection the user confirms.
struct ListDialogRequest {
  std::wstring title;
  std::wstring prompt;  // lines joined by a single CR
  bool multi_select = false;
  std::span<const std::wstring> entries;  // read while the dialog is shown
  bool ok_enabled = true;
  // Positions (from 0, in list order, once each) selected when the dialog opens; the first of
  // them is in view.
  std::vector<int> preselected;
  // Positions (from 0, in list order, once each; multiple selection only) that stay selected
  // whatever the user does; they are among `preselected`.
  std::vector<int> required;
  // Looks at the selection (positions from 0, in list order) when the user confirms it with
  // "&OK" or a double click: a German message keeps the dialog open and is shown to the user
  // in a box over it; nullopt lets the dialog end with the selection.
  std::function<std::optional<std::wstring>(const std::vector<int>& selected)> check;
};

// How the list dialog ended, and the selection it ended with.
struct ListDialogAnswer {
  enum class Ending {
    kConfirmed,   // "&OK" or a double click, and the check let it end
    kCancelled,   // "&Abbrechen"
    kClosed,      // the title bar's close box or the system menu
    kTimeRanOut,  // KVTIMEOUT ran out with nobody there; the selection is unchecked
  };
  Ending ending = Ending::kClosed;
  std::vector<int> selected;  // positions from 0, in list order
};

// What the about box shows: its caption, its text, the captions and tooltips of its three
// buttons in tab order, and where it goes: centred on the work area like every window of the
// program, or into the upper-left corner of the screen.
struct AboutBoxView {
  std::wstring caption;
  std::wstring text;
  std::array<std::wstring, 3> button_captions;
  std::array<std::wstring, 3> button_tooltips;
  bool centred = true;
};

// The about box's handlers. `on_load` runs before the box is shown and tells what it shows;
// `on_button` runs for a click on a button (0 to 2, in tab order) and closes the box by
// returning true.
struct AboutBoxSetup {
  std::function<AboutBoxView()> on_load;
  std::function<bool(int button)> on_button;
};

// What a document handed to the shell is; it decides how the window of the program that shows
// it first appears.
enum class DocumentKind {
  kAddress,  // an e-mail or web address of the about box: a window of normal size
  kManual,   // the program's manual: as that program starts by default
};

// Texts in the system's ways: the user locale's upper-casing and the ANSI code page.
class Text {
 public:
  virtual ~Text() = default;

  // The user locale's upper-casing of the whole text; the result has the same length.
  virtual std::wstring UpperCase(std::wstring_view text) = 0;

  // Conversions between the program's wide strings and the system's ANSI code page.
  // ToAnsi never substitutes a similar character (no best fit) and tells whether every
  // character was held.
  virtual AnsiText ToAnsi(std::wstring_view text) = 0;
  virtual std::wstring FromAnsi(std::string_view bytes) = 0;
};

// Files and folders: reading, replacing in one step, kv.cmd's folders.
class Files {
 public:
  virtual ~Files() = default;

  // The short (8.3) form of the path of an existing file or folder; nullopt when the entry
  // does not exist, the system gives no short form, or that form leads to another entry.
  virtual std::optional<std::wstring> ShortPath(const std::wstring& path) = 0;

  // True when `path` names an existing file without the hidden or system attribute (read-only
  // and archive files count; folders do not). A relative path is taken from the current folder.
  virtual bool IsNormalFile(const std::wstring& path) = 0;

  // True when `path` names a device rather than a file: CON, NUL, COM1, LPT1 and the like,
  // also with an extension or a folder before them ("nul.txt", "C:\x\lpt1"), and CONIN$ or
  // CONOUT$.
  virtual bool NamesDevice(const std::wstring& path) = 0;

  // The whole content of the file. A file of 2 GiB or more is refused, like one that cannot be
  // read.
  virtual Result<std::string> ReadWholeFile(const std::wstring& path) = 0;

  // Replaces the content of the file at `path` by `bytes` in one step, creating it when
  // missing. On failure the old file is unchanged (or still absent), nothing else is left
  // behind, and the status gives the reason of the step that failed.
  virtual Status ReplaceFileContent(const std::wstring& path, std::string_view bytes) = 0;

  // True when `path` is a folder of its own: not a link, junction or other reparse point.
  virtual bool IsPlainFolder(const std::wstring& path) = 0;
  // The plain folders (see IsPlainFolder) in `base` whose names match `pattern` (wildcards *
  // and ?), as `base` + "\\" + the folder's name.
  virtual std::vector<std::wstring> PlainFoldersIn(const std::wstring& base,
                                                   const std::wstring& pattern) = 0;
  // Deletes the files in the plain folder `folder` whose names `own` accepts, and then the
  // folder when nothing else is left in it. A folder that is a link is not entered, and no
  // link in it is followed: a link is at most removed itself. Reports nothing.
  virtual void RemoveOwnFiles(const std::wstring& folder,
                              const std::function<bool(const std::wstring& name)>& own) = 0;
};

// This process and its surroundings: its arguments and own path, the environment, the date,
// and the process that started it.
class Process {
 public:
  virtual ~Process() = default;

  // The command-line text that follows the program's own name.
  virtual std::wstring ArgumentText() = 0;

  // The full path of the program's own executable file.
  virtual std::wstring ModulePath() = 0;

  // The value of the environment variable `name`; nullopt when it is not set.
  virtual std::optional<std::wstring> EnvironmentVariable(const std::wstring& name) = 0;

  // The year of the system date, four digits.
  virtual int CurrentYear() = 0;

  // From now on, watches the process that started this one (kv.cmd's cmd). ParentHasEnded
  // then tells whether it has ended since; also when it had ended already, or could not be
  // watched, since then nobody may be waiting for an answer.
  virtual void WatchParent() = 0;
  virtual bool ParentHasEnded() = 0;

  // A text that names the watched process (see WatchParent) for as long as the system keeps
  // it apart from every other process; empty when none is watched. RecordedProcessHasEnded
  // tells, also in another process, whether the process a record names has ended; true for a
  // text that names none.
  virtual std::wstring ParentRecord() = 0;
  virtual bool RecordedProcessHasEnded(const std::wstring& record) = 0;
};

// The program's windows: message boxes, the dialogs, and the shell's "Open". The system
// chooses the window each belongs to: the program's own window that is up (the about box while
// it stands), or else its hidden main window.
class Dialogs {
 public:
  virtual ~Dialogs() = default;

  // Shows a modal message box and tells which button was pressed, or why the box could not be
  // shown (no desktop). While one of the program's windows is on the screen, the box is modal
  // to it. When its time runs out (see StartCountdown) it ends as its default button would.
  virtual Result<PressedButton> ShowMessage(const MessageRequest& request) = 0;

  // Hands `target` (a document's path or an address) to the shell's "Open" verb in the ANSI
  // code page, a path the code page cannot hold by its short form; the outcome is not reported.
  virtual void OpenDocument(DocumentKind kind, const std::wstring& target) = 0;

  // The size of the primary screen.
  virtual ScreenMetrics Screen() = 0;

  // Shows the about box modally: runs its load handler, serves its buttons through its click
  // handler, and returns when it has been closed, or fails when it could not be shown.
  virtual Status ShowAboutBox(const AboutBoxSetup& setup) = 0;
  // Shows the modal input box: `proposal` stands selected in the entry field, which hides
  // what it holds when `hidden` (a password). "OK" closes it only when `check` has nothing to
  // say about the text; otherwise its message is shown. When its time runs out (see
  // TimeLimit) it closes with the field's text, unchecked. A failure: the box could not be
  // shown.
  virtual Result<InputBoxAnswer> InputBox(const std::wstring& prompt, const std::wstring& title,
                                          const std::wstring& proposal, const InputCheck& check,
                                          bool hidden) = 0;

  // Shows the list dialog modally and tells how it ended; a failure when it could not be
  // shown. The dialog stays on the screen, no longer served, until the process ends, so that a
  // box about its answer is modal to it.
  virtual Result<ListDialogAnswer> ShowListDialog(const ListDialogRequest& request) = 0;

  // Shows the file-open or file-save dialog once, modal, centred, and tells what the user chose;
  // a failure when it could not be shown or could not give the chosen path whole.
  virtual Result<FileDialogChoice> ShowFileDialog(const FileDialogRequest& request) = 0;

  // Shows the shell's folder-browse dialog modally, centred, as `request` says, and tells which
  // folder the user chose. Only file-system folders can be confirmed. In the plain form the
  // prompt is shown in the ANSI code page (a character it lacks shows as its default
  // character). A failure: the dialog could not be shown.
  virtual Result<BrowsedFolder> BrowseForFolder(const FolderDialogRequest& request) = 0;

  // Shows the modal box with the batch file's own buttons, centred, and tells which button was
  // pressed (its index), or why the box could not be shown. When its time runs out (see
  // TimeLimit) it ends as its default button would.
  virtual Result<int> ButtonBox(const ButtonBoxRequest& request) = 0;
};

// The time a window may wait for a user, for the whole process (KVTIMEOUT).
class TimeLimit {
 public:
  virtual ~TimeLimit() = default;

  // From now on every window the program shows closes itself when `seconds` have passed
  // without a key or a click, showing the time left behind its title: a message box as Enter
  // would, the input box as "OK" would, the list dialog as kTimeRanOut, every other
  // window as its cancel does. The first key
  // or click in any window stops the countdown for the rest of the process.
  virtual void StartCountdown(int seconds) = 0;
  // True when a window has been closed because its time ran out.
  virtual bool CountdownRanOut() = 0;
};

// The windows that stand while the batch file goes on: they belong to a process of their own,
// so the call that opens one returns at once.
class JobWindows {
 public:
  virtual ~JobWindows() = default;

  // Opens the progress window of the process that started this one (the batch file's cmd) and
  // returns once it stands; a progress window of that process that stood already is closed
  // first. The window closes itself when that process ends.
  virtual Status OpenProgressWindow(const ProgressWindowRequest& request) = 0;
  // Moves the bar of the caller's progress window to `percent` and, when given, replaces its
  // text. Never takes the focus.
  virtual ProgressWindowState UpdateProgressWindow(int percent,
                                                   const std::optional<std::wstring>& text) = 0;
  // Closes the caller's progress window; kStands when it stood until now.
  virtual ProgressWindowState CloseProgressWindow() = 0;

  // Shows a notice that takes no focus and outlives this process; returns once it stands.
  virtual Status ShowNotice(const NoticeRequest& request) = 0;
};

// Drive checks.
class Drives {
 public:
  virtual ~Drives() = default;

  // True when the first entry of `folder` (e.g. "K:\") can be looked up, whatever its
  // attributes; also true for a readable folder that holds nothing. Never shows a window.
  virtual bool CanListFolder(const std::wstring& folder) = 0;
  // The volume label of the drive with root `root`, empty when the medium has none; nullopt
  // when it cannot be read (no such drive, no medium). Never shows a window.
  virtual std::optional<std::wstring> VolumeLabel(const std::wstring& root) = 0;
};

// Sound.
class Sound {
 public:
  virtual ~Sound() = default;

  // Plays the wave file `file` once, from its start to its end, and returns when the sound has
  // ended; a sound that stalls is stopped a few seconds after its length has passed. Shows no
  // window, not even for a file that is missing or no sound. Fails, with the system's
  // description, when the file cannot be played or the sound had to be stopped.
  virtual Status PlayWaveToEnd(const std::wstring& file) = 0;
};

// All of the above. The roles are inherited virtually, so a fake can be put together from
// fakes of single roles.
class System : public virtual Text,
               public virtual Files,
               public virtual Process,
               public virtual Dialogs,
               public virtual TimeLimit,
               public virtual Drives,
               public virtual Sound,
               public virtual JobWindows {};

}  // namespace kelvari
