// The list dialog: a modeless window with a frame, one of two lists (single or extended
// selection), the prompt and the buttons "&OK" and "&Abbrechen", placed at their design
// positions in twips and converted with the DPI of the monitor the window is on; a prompt
// longer than its place makes the window taller. The list scrolls sideways to its widest
// entry, and the extended list chooses scattered entries by keyboard too (Ctrl+arrow keys,
// Ctrl+Space, Shift+F8). Its actions run from RunUntilAnswered, which ends with the outcome
// the first of them gives.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
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

  // Makes the window from `setup` and shows it; once a process.
  Status Show(const ListDialogSetup& setup);
  // Positions (from 0, in list order) of the selected entries of the list in use.
  std::vector<int> Selection() const;
  // Serves the window, counted down by `countdown`, until an action gives an outcome; a
  // cancel when there is no window or the loop ends otherwise.
  Outcome RunUntilAnswered(Countdown& countdown);

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam,
                                     LPARAM lparam) noexcept;
  LRESULT Handle(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  void LayOut(UINT dpi, const RECT* suggested);
  void RunAction(const std::function<Step()>& action);
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
  std::function<Step(int)> on_button_;
  std::function<Step()> on_double_click_;
  std::function<Step()> on_close_;
  std::function<Step()> on_time_out_;
  std::optional<Outcome> outcome_;  // set by the action that ends the dialog

  // Positions of the multiple-selection list that stay selected whatever the user does.
  std::vector<int> required_;
};

}  // namespace kelvari
