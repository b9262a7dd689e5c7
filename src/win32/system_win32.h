// The Win32 implementation of System. Its methods live in the *_win32.cpp files of the
// subsystem that needs them; the state they keep between calls (the countdown, the list
// dialog, the hidden main window, the watch over the parent process) lives in its members.
// wWinMain makes the one object of a process.
#pragma once

#include <windows.h>

#include <optional>

#include "core/system.h"
#include "win32/countdown_win32.h"
#include "win32/list_dialog_win32.h"
#include "win32/unique_handle_win32.h"

namespace kelvari {

class Win32System final : public System {
 public:
  std::wstring ArgumentText() override;
  std::wstring UpperCase(std::wstring_view text) override;
  AnsiText ToAnsi(std::wstring_view text) override;
  std::wstring FromAnsi(std::string_view bytes) override;
  std::optional<std::wstring> ShortPath(const std::wstring& path) override;
  bool IsNormalFile(const std::wstring& path) override;
  bool NamesDevice(const std::wstring& path) override;
  Result<std::string> ReadWholeFile(const std::wstring& path) override;
  Status ReplaceFileContent(const std::wstring& path, std::string_view bytes) override;
  std::wstring ModulePath() override;
  std::optional<std::wstring> EnvironmentVariable(const std::wstring& name) override;
  void OpenDocument(DocumentKind kind, const std::wstring& target) override;
  int CurrentYear() override;
  void WatchParent() override;
  bool ParentHasEnded() override;
  std::wstring ParentRecord() override;
  bool RecordedProcessHasEnded(const std::wstring& record) override;
  bool IsPlainFolder(const std::wstring& path) override;
  std::vector<std::wstring> PlainFoldersIn(const std::wstring& base,
                                           const std::wstring& pattern) override;
  void RemoveOwnFiles(const std::wstring& folder,
                      const std::function<bool(const std::wstring& name)>& own) override;
  ScreenMetrics Screen() override;
  Status ShowAboutBox(const AboutBoxSetup& setup) override;
  Result<InputBoxAnswer> InputBox(const std::wstring& prompt, const std::wstring& title,
                                  const std::wstring& proposal, const InputCheck& check,
                                  bool hidden) override;
  Result<ListDialogAnswer> ShowListDialog(const ListDialogRequest& request) override;
  Result<FileDialogChoice> ShowFileDialog(const FileDialogRequest& request) override;
  Result<BrowsedFolder> BrowseForFolder(const FolderDialogRequest& request) override;
  void StartCountdown(int seconds) override;
  bool CountdownRanOut() override;
  bool CanListFolder(const std::wstring& folder) override;
  std::optional<std::wstring> VolumeLabel(const std::wstring& root) override;
  Status PlayWaveToEnd(const std::wstring& file) override;
  Result<PressedButton> ShowMessage(const MessageRequest& request) override;
  Result<int> ButtonBox(const ButtonBoxRequest& request) override;
  Status OpenProgressWindow(const ProgressWindowRequest& request) override;
  ProgressWindowState UpdateProgressWindow(int percent,
                                           const std::optional<std::wstring>& text) override;
  ProgressWindowState CloseProgressWindow() override;
  Status ShowNotice(const NoticeRequest& request) override;

 private:
  // The window that owns a dialog or a window of the shell the program opens: the program's own
  // window that is up (the about box while it stands), or else the hidden main window.
  HWND OwnerWindow();
  // The hidden main window, made on first use; it stands for the program in owner relations
  // and the shell.
  HWND MainWindow();

  Countdown countdown_;
  ListDialogWindow list_dialog_;
  std::optional<UniqueWindow> main_window_;  // made on first use
  bool watching_parent_ = false;
  UniqueKernelHandle parent_;  // empty when it was not found or could not be opened
};

}  // namespace kelvari
