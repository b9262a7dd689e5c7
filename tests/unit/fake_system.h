// A scripted stand-in for the operating system, one fake for each role of System: files live
// in a map, message box answers come from a queue, and every box shown is recorded. A test of
// a part that needs one role uses only that role's fake.
#pragma once

#include <algorithm>
#include <cwctype>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/system.h"

namespace kelvari::testing {

// What the user does in the list dialog: makes `selection` (when given), then ends the
// dialog as `ending` says; kConfirmed stands for "&OK" and a double click alike.
struct ListUserAction {
  ListDialogAnswer::Ending ending = ListDialogAnswer::Ending::kConfirmed;
  std::optional<std::vector<int>> selection;
};

// Thrown when the user leaves the list dialog open: the run stops where the program waits.
struct ListDialogLeftOpen {};

struct FakeFile {
  std::string bytes;
  bool hidden = false;
  bool folder = false;
  bool unwritable = false;  // stands for read-only, locked or a missing folder
};

// Text: Latin-1 upper-casing and code page 1252.
class FakeText : public virtual Text {
 public:
  // Latin-1 upper-casing, enough for German words (ß stays as it is, like the system's).
  std::wstring UpperCase(std::wstring_view text) override {
    std::wstring upper(text);
    for (auto& c : upper) {
      if ((c >= L'a' && c <= L'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7)) c = c - 32;
    }
    return upper;
  }

  // Code page 1252 (bytes 0x80 to 0x9F as Windows maps them); other characters become '?'
  // and make the text inexact.
  static constexpr wchar_t kCp1252High[32] = {
      0x20AC, 0x81,   0x201A, 0x192,  0x201E, 0x2026, 0x2020, 0x2021, 0x2C6,  0x2030, 0x160,
      0x2039, 0x152,  0x8D,   0x17D,  0x8F,   0x90,   0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
      0x2013, 0x2014, 0x2DC,  0x2122, 0x161,  0x203A, 0x153,  0x9D,   0x17E,  0x178};
  AnsiText ToAnsi(std::wstring_view text) override {
    AnsiText ansi;
    for (wchar_t c : text) {
      int byte = c < 0x80 || (c >= 0xA0 && c < 0x100) ? static_cast<int>(c) : -1;
      for (int i = 0; i < 32 && byte < 0; ++i) {
        if (kCp1252High[i] == c) byte = 0x80 + i;
      }
      if (byte < 0) ansi.exact = false;
      ansi.bytes.push_back(static_cast<char>(byte < 0 ? '?' : byte));
    }
    return ansi;
  }
  std::wstring FromAnsi(std::string_view bytes) override {
    std::wstring text;
    for (char c : bytes) {
      const auto byte = static_cast<unsigned char>(c);
      text.push_back(byte >= 0x80 && byte < 0xA0 ? kCp1252High[byte - 0x80] : byte);
    }
    return text;
  }
};

// Files: they live in a map.
class FakeFiles : public virtual Files {
 public:
  std::map<std::wstring, FakeFile> files;

  // Short (8.3) forms of existing paths; a path not in the map has none.
  std::map<std::wstring, std::wstring> short_paths;
  std::optional<std::wstring> ShortPath(const std::wstring& path) override {
    auto it = short_paths.find(path);
    if (it == short_paths.end()) return std::nullopt;
    return it->second;
  }

  bool IsNormalFile(const std::wstring& path) override {
    auto it = files.find(path);
    return it != files.end() && !it->second.hidden && !it->second.folder;
  }
  // Devices by name, as the test sets them.
  std::vector<std::wstring> devices;
  bool NamesDevice(const std::wstring& path) override {
    return std::find(devices.begin(), devices.end(), path) != devices.end();
  }
  Result<std::string> ReadWholeFile(const std::wstring& path) override {
    auto it = files.find(path);
    if (it == files.end()) return Failure{L"Datei nicht gefunden"};
    return it->second.bytes;
  }
  Status ReplaceFileContent(const std::wstring& path, std::string_view bytes) override {
    auto it = files.find(path);
    if (it != files.end() && (it->second.unwritable || it->second.folder)) {
      return Failure{L"Zugriff verweigert"};
    }
    files[path].bytes = std::string(bytes);
    return Done{};
  }

  // Folders are entries with `folder` set; `linked` ones stand for links to a folder.
  std::vector<std::wstring> linked_folders;
  bool IsPlainFolder(const std::wstring& path) override {
    auto it = files.find(path);
    return it != files.end() && it->second.folder &&
           std::find(linked_folders.begin(), linked_folders.end(), path) == linked_folders.end();
  }
  // The plain folders right in `base` (the pattern is not applied); the base asked for is
  // recorded.
  std::wstring searched_base;
  std::vector<std::wstring> PlainFoldersIn(const std::wstring& base, const std::wstring&) override {
    searched_base = base;
    std::vector<std::wstring> found;
    for (const auto& [path, file] : files) {
      if (path.starts_with(base + L"\\") &&
          path.find(L'\\', base.size() + 1) == std::wstring::npos && IsPlainFolder(path)) {
        found.push_back(path);
      }
    }
    return found;
  }
  // Removes the folder's own files (entries right in it that `own` accepts), then the folder
  // when nothing is left in it.
  std::vector<std::wstring> removed_folders;
  void RemoveOwnFiles(const std::wstring& folder,
                      const std::function<bool(const std::wstring&)>& own) override {
    if (!IsPlainFolder(folder)) return;
    std::erase_if(files, [&](const auto& f) {
      return f.first.starts_with(folder + L"\\") && !f.second.folder &&
             f.first.find(L'\\', folder.size() + 1) == std::wstring::npos &&
             own(f.first.substr(folder.size() + 1));
    });
    for (const auto& [path, file] : files) {
      if (path.starts_with(folder + L"\\")) return;
    }
    files.erase(folder);
    removed_folders.push_back(folder);
  }
};

// The process: its argument text, own path, environment, date and parent, as the test sets them.
class FakeProcess : public virtual Process {
 public:
  std::wstring argument_text;
  std::wstring ArgumentText() override { return argument_text; }

  std::wstring module_path = L"C:\\Tools\\kelvari.exe";
  std::wstring ModulePath() override { return module_path; }

  int year = 2025;
  int CurrentYear() override { return year; }

  std::map<std::wstring, std::wstring> environment;
  std::optional<std::wstring> EnvironmentVariable(const std::wstring& name) override {
    auto it = environment.find(name);
    if (it == environment.end()) return std::nullopt;
    return it->second;
  }

  bool parent_watched = false;
  bool parent_ended = false;  // the state the watch finds when asked
  void WatchParent() override { parent_watched = true; }
  bool ParentHasEnded() override { return parent_watched && parent_ended; }

  // The record of the watched cmd, and the records of processes that have ended.
  std::wstring parent_record = L"100 5";
  std::vector<std::wstring> ended_records;
  std::wstring ParentRecord() override { return parent_watched ? parent_record : L""; }
  bool RecordedProcessHasEnded(const std::wstring& record) override {
    return record.empty() ||
           std::find(ended_records.begin(), ended_records.end(), record) != ended_records.end();
  }
};

// The program's windows: message box answers come from a queue, every box shown is recorded,
// and each dialog answers as scripted.
class FakeDialogs : public virtual Dialogs {
 public:
  // The buttons the user presses, in order (a Failure: the box cannot be shown); "OK" when
  // none is left.
  std::deque<Result<PressedButton>> box_answers;
  std::vector<MessageRequest> boxes;

  Result<PressedButton> ShowMessage(const MessageRequest& request) override {
    boxes.push_back(request);
    if (box_answers.empty()) return PressedButton::kOk;
    Result<PressedButton> answer = box_answers.front();
    box_answers.pop_front();
    return answer;
  }

  // The windows the program asked for that would make its hidden main window (a dialog or a
  // document to open, when none of its windows is up).
  int main_window_created = 0;

  struct ShellCall {
    DocumentKind kind;
    std::wstring target;
  };
  std::vector<ShellCall> shell_calls;
  void OpenDocument(DocumentKind kind, const std::wstring& target) override {
    if (!about_box_up) ++main_window_created;
    shell_calls.push_back({kind, target});
  }

  ScreenMetrics screen{19200, 15360, 15, 15};  // 1280 x 1024 pixels
  ScreenMetrics Screen() override { return screen; }

  // The about box: the buttons the user clicks in order (a click on Close, or the end of the
  // list, closes it), a copy of it as it was shown, and whether it stands now.
  std::vector<int> info_clicks;
  std::vector<AboutBoxView> shown_info;
  bool about_box_up = false;
  bool info_shows = true;  // false: the box cannot be shown (no desktop)
  Status ShowAboutBox(const AboutBoxSetup& setup) override {
    if (!info_shows) return Failure{L"kein Desktop"};
    shown_info.push_back(setup.on_load());
    about_box_up = true;
    for (int index : info_clicks) {
      if (setup.on_button(index)) break;
    }
    about_box_up = false;
    return Done{};
  }
  // The input box: what it was shown with, and the answer the user gives. Each text of
  // `input_box_tries` is confirmed in turn; one that the check refuses shows its message (in
  // `boxes`) and the next is tried; when all are refused the user cancels.
  struct InputBoxCall {
    std::wstring prompt, title, proposal;
    bool hidden;
  };
  std::vector<InputBoxCall> input_boxes;
  Result<InputBoxAnswer> input_box_answer;  // a cancel unless set
  std::vector<std::wstring> input_box_tries;
  Result<InputBoxAnswer> InputBox(const std::wstring& prompt, const std::wstring& title,
                                  const std::wstring& proposal, const InputCheck& check,
                                  bool hidden) override {
    input_boxes.push_back({prompt, title, proposal, hidden});
    if (input_box_tries.empty()) return input_box_answer;
    for (const std::wstring& text : input_box_tries) {
      if (const auto refusal = check(text)) {
        boxes.push_back({.text = *refusal, .title = L"Kelvari", .icon = MessageIcon::kStop});
        continue;
      }
      return InputBoxAnswer{true, text};
    }
    return InputBoxAnswer{};
  }

  // The list dialog: its requests with a copy of the entries it showed, and what the user
  // does in it, in order (see ListUserAction). The dialog starts with the preselection; an
  // action that is not served (the dialog has ended) stays in `list_actions`. When the actions
  // run out while the dialog is shown, the user leaves it open: ListDialogLeftOpen ends the run
  // where the program would wait.
  std::vector<ListDialogRequest> list_dialogs;  // without their entries and check
  std::vector<std::wstring> list_entries_shown;
  Status list_dialog_status;
  std::deque<ListUserAction> list_actions;
  Result<ListDialogAnswer> ShowListDialog(const ListDialogRequest& request) override {
    list_dialogs.push_back(request);
    list_dialogs.back().entries = {};  // they, and the check, serve only while it is shown
    list_dialogs.back().check = nullptr;
    list_entries_shown.assign(request.entries.begin(), request.entries.end());
    if (!list_dialog_status.ok()) return list_dialog_status.failure();
    std::vector<int> selection = request.preselected;
    while (!list_actions.empty()) {
      const ListUserAction action = list_actions.front();
      list_actions.pop_front();
      if (action.selection) selection = *action.selection;
      if (action.ending != ListDialogAnswer::Ending::kConfirmed) {
        return ListDialogAnswer{action.ending, selection};
      }
      if (const auto refusal = request.check(selection)) {
        boxes.push_back({.text = *refusal, .title = L"Kelvari", .icon = MessageIcon::kStop});
        continue;
      }
      return ListDialogAnswer{action.ending, selection};
    }
    throw ListDialogLeftOpen{};
  }

  std::vector<FileDialogRequest> file_dialogs;                // every showing, in order
  std::deque<Result<FileDialogChoice>> file_dialog_outcomes;  // empty: the user cancels
  Result<FileDialogChoice> ShowFileDialog(const FileDialogRequest& request) override {
    ++main_window_created;
    file_dialogs.push_back(request);
    if (file_dialog_outcomes.empty()) return FileDialogChoice{};
    Result<FileDialogChoice> outcome = file_dialog_outcomes.front();
    file_dialog_outcomes.pop_front();
    return outcome;
  }

  // The folder-browse dialog: what it was shown with and the folder the user chooses.
  int browse_dialogs = 0;
  std::wstring browse_prompt;
  std::optional<std::wstring> browse_choice;  // the chosen folder's path; nullopt: cancel
  bool browse_path_whole = true;              // false: the system cannot give the path whole
  std::vector<FolderDialogRequest> browse_requests;
  Result<BrowsedFolder> BrowseForFolder(const FolderDialogRequest& request) override {
    ++main_window_created;
    ++browse_dialogs;
    browse_requests.push_back(request);
    browse_prompt = request.prompt;
    if (!browse_choice) return BrowsedFolder{};
    if (!browse_path_whole) return BrowsedFolder{true, std::nullopt};
    return BrowsedFolder{true, *browse_choice};
  }

  // The button boxes shown, and the button the user presses in each (index, or -1: the box
  // could not be shown).
  std::vector<ButtonBoxRequest> button_boxes;
  std::deque<int> button_presses;
  Result<int> ButtonBox(const ButtonBoxRequest& request) override {
    button_boxes.push_back(request);
    const int pressed = button_presses.empty() ? request.default_button : button_presses.front();
    if (!button_presses.empty()) button_presses.pop_front();
    if (pressed < 0) return Failure{L"keine Anzeige"};
    return pressed;
  }
};

// The countdown: the seconds each start asked for, and whether a window ran out of time (set
// by a test: the user was not there).
class FakeTimeLimit : public virtual TimeLimit {
 public:
  std::vector<int> countdowns;
  bool countdown_ran_out = false;
  void StartCountdown(int seconds) override { countdowns.push_back(seconds); }
  bool CountdownRanOut() override { return countdown_ran_out; }
};

// The windows of a long job: the progress window of the caller as a record, the notices shown.
class FakeJobWindows : public virtual JobWindows {
 public:
  std::optional<ProgressWindowRequest> progress;  // the caller's progress window, if it stands
  bool progress_cancelled = false;                // the user cancelled it
  int percent = 0;
  std::vector<NoticeRequest> notices;
  bool windows_fail = false;  // no window can be opened

  Status OpenProgressWindow(const ProgressWindowRequest& request) override {
    if (windows_fail) return Failure{L"kein Desktop"};
    progress = request;
    progress_cancelled = false;
    percent = 0;
    return Done{};
  }
  ProgressWindowState UpdateProgressWindow(int to,
                                           const std::optional<std::wstring>& text) override {
    if (!progress) return ProgressWindowState::kNone;
    if (progress_cancelled) {
      progress.reset();
      return ProgressWindowState::kCancelled;
    }
    percent = to;
    if (text) progress->text = *text;
    return ProgressWindowState::kStands;
  }
  ProgressWindowState CloseProgressWindow() override {
    if (!progress) return ProgressWindowState::kNone;
    const bool cancelled = progress_cancelled;
    progress.reset();
    return cancelled ? ProgressWindowState::kCancelled : ProgressWindowState::kStands;
  }
  Status ShowNotice(const NoticeRequest& request) override {
    if (windows_fail) return Failure{L"kein Desktop"};
    notices.push_back(request);
    return Done{};
  }
};

// Drives: which can be read, and their labels.
class FakeDrives : public virtual Drives {
 public:
  // Drives by root ("K:\\"): readable roots, and labels of the media that can be read.
  std::map<std::wstring, bool> listable;
  std::map<std::wstring, std::wstring> labels;
  std::vector<std::wstring> drive_queries;
  bool CanListFolder(const std::wstring& folder) override {
    drive_queries.push_back(folder);
    auto it = listable.find(folder);
    return it != listable.end() && it->second;
  }
  std::optional<std::wstring> VolumeLabel(const std::wstring& root) override {
    drive_queries.push_back(root);
    auto it = labels.find(root);
    if (it == labels.end()) return std::nullopt;
    return it->second;
  }
};

// Sound: every wave file asked for, and whether playing fails.
class FakeSound : public virtual Sound {
 public:
  std::vector<std::wstring> played;  // every wave file asked for, in order
  bool sound_fails = false;          // no file can be played
  Status PlayWaveToEnd(const std::wstring& file) override {
    played.push_back(file);
    if (sound_fails) return Failure{L"Die Datei kann nicht abgespielt werden."};
    return Done{};
  }
};

// The whole system.
class FakeSystem : public System,
                   public FakeText,
                   public FakeFiles,
                   public FakeProcess,
                   public FakeDialogs,
                   public FakeTimeLimit,
                   public FakeDrives,
                   public FakeSound,
                   public FakeJobWindows {};

}  // namespace kelvari::testing
