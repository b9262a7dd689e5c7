// The list dialog: a modal window with a frame, one of two lists (single or extended
// selection), the prompt and the buttons "&OK" and "&Abbrechen", placed at their design
// positions in twips and converted with the DPI of the monitor the window is on; a prompt
// longer than its place makes the window taller. The list scrolls sideways to its widest
// entry, and the extended list chooses scattered entries by keyboard too (Ctrl+arrow keys,
// Ctrl+Space, Shift+F8). RunUntilAnswered serves it until the user ends it; the window stays
// on the screen, no longer served, until the process ends.
#pragma once

#include <windows.h>

#include <exception>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/system.h"
#include "win32/dialog_font_win32.h"
#include "win32/unique_handle_win32.h"

namespace kelvari {

class Countdown;

class ListDialogWindow {
 public:
  ListDialogWindow() = default;
  ListDialogWindow(const ListDialogWindow&) = delete;
  ListDialogWindow& operator=(const ListDialogWindow&) = delete;
  ~ListDialogWindow();

  // Shows a refusal of the request's check in a box over the dialog.
  using Tell = std::function<void(const std::wstring& refusal)>;

  // Makes the window from `request` and shows it; once a process.
  Status Show(const ListDialogRequest& request, Tell tell);
  // Positions (from 0, in list order) of the selected entries of the list in use.
  std::vector<int> Selection() const;
  // Serves the window, counted down by `countdown`, until the user ends it, and tells how; as
  // closed when there is no window or the loop ends otherwise. An exception in a window's
  // callback ends the dialog and is thrown again from here.
  ListDialogAnswer RunUntilAnswered(Countdown& countdown);

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam,
                                     LPARAM lparam) noexcept;
  LRESULT Handle(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  void LayOut(UINT dpi, const RECT* suggested);
  void Confirm();
  void End(ListDialogAnswer::Ending ending);
  HWND AddControl(const wchar_t* control_class, const wchar_t* text, DWORD style, DWORD ex_style,
                  int id);
  void Preselect(const std::vector<int>& positions);
  static LRESULT CALLBACK ServeSelectionKeys(HWND list, UINT message, WPARAM wparam, LPARAM lparam,
                                             UINT_PTR, DWORD_PTR self) noexcept;
  bool MoveFocus(WPARAM key);
  void SwitchFocusedEntry();
  void SetEntrySelected(int position, bool selected);
  void KeepRequiredSelected();

  UniqueWindow window_;
  HWND frame_ = nullptr, list_ = nullptr, other_list_ = nullptr, ok_ = nullptr, cancel_ = nullptr,
       label_ = nullptr;
  UniqueFont font_;
  HWND focus_ = nullptr;   // the control that had the focus when the window was deactivated
  bool add_mode_ = false;  // Shift+F8: the keys move the focus, Space adds or removes
  std::function<std::optional<std::wstring>(const std::vector<int>&)> check_;
  Tell tell_;
  std::optional<ListDialogAnswer> answer_;  // set by the action that ends the dialog
  std::exception_ptr failure_;              // thrown in a callback; ends the dialog too

  // Positions of the multiple-selection list that stay selected whatever the user does.
  std::vector<int> required_;
};

}  // namespace kelvari
