// The list dialog's window, its controls and the loop that serves it; Win32System's list
// dialog is the one ListDialogWindow of the process.
#include "win32/list_dialog_win32.h"

#include <commctrl.h>

#include "core/prompt_text.h"
#include "win32/child_controls_win32.h"
#include "win32/countdown_win32.h"
#include "win32/list_dialog_layout.h"
#include "win32/system_error_text_win32.h"
#include "win32/system_win32.h"
#include "win32/work_area_win32.h"

namespace kelvari {
namespace {

// Control ids. 1 and 2 stay unused: the keyboard handling sends them for Enter and Escape,
// and this dialog has neither a default nor a cancel button.
constexpr int kFrameId = 100;
constexpr int kSingleListId = 200;
constexpr int kMultiListId = 201;
constexpr int kOkId = 300;
constexpr int kCancelId = 301;
constexpr int kLabelId = 400;
constexpr WORD kTimeRanOutId = 500;  // sent by the countdown when nobody answered

constexpr wchar_t kClassName[] = L"KelvariListe";

IoStatus LastErrorStatus() {
  return IoStatus::Failed(SystemErrorText(::GetLastError()));
}

// Fills `list` with the entries: no redrawing meanwhile and storage reserved up front, so a
// list of 32,767 entries opens at once.
bool FillList(HWND list, const std::vector<std::wstring>& entries) {
  std::size_t bytes = 0;
  for (const auto& entry : entries) bytes += (entry.size() + 1) * sizeof(wchar_t);
  ::SendMessageW(list, WM_SETREDRAW, FALSE, 0);
  ::SendMessageW(list, LB_INITSTORAGE, entries.size(), static_cast<LPARAM>(bytes));
  bool filled = true;
  for (const auto& entry : entries) {
    const LRESULT at =
        ::SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
    if (at == LB_ERR || at == LB_ERRSPACE) {
      filled = false;
      break;
    }
  }
  ::SendMessageW(list, WM_SETREDRAW, TRUE, 0);
  return filled;
}

}  // namespace

ListDialogWindow::~ListDialogWindow() {
  // The window is destroyed after the members it reads: from here on its messages find no
  // dialog.
  if (window_) ::SetWindowLongPtrW(window_.get(), GWLP_USERDATA, 0);
}

// Sizes the window and its controls for `dpi`. Without `suggested` the window is centred on
// the work area of its monitor; with it, the window keeps the top left corner the system
// suggests.
void ListDialogWindow::LayOut(UINT dpi, const RECT* suggested) {
  const ListDialogDesign design;
  HWND window = window_.get();

  RECT frame{0, 0, TwipsToPixels(design.client_width, static_cast<int>(dpi)),
             TwipsToPixels(design.client_height, static_cast<int>(dpi))};
  ::AdjustWindowRectExForDpi(&frame, static_cast<DWORD>(::GetWindowLongPtrW(window, GWL_STYLE)),
                             FALSE, static_cast<DWORD>(::GetWindowLongPtrW(window, GWL_EXSTYLE)),
                             dpi);
  const int width = frame.right - frame.left, height = frame.bottom - frame.top;
  const POINT at = suggested ? POINT{suggested->left, suggested->top}
                             : CentredIn(WorkAreaOf(window).value_or(RECT{}), width, height);
  ::SetWindowPos(window, nullptr, at.x, at.y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);

  LOGFONTW message_font = MessageFontAt(dpi);
  font_.reset(::CreateFontIndirectW(&message_font));
  for (HWND control : {frame_, list_, other_list_, ok_, cancel_, label_}) {
    ::SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), TRUE);
  }
  const int dots = static_cast<int>(dpi);
  PlaceControl(frame_, design.frame, dots);
  PlaceControl(list_, design.list, dots);
  PlaceControl(ok_, design.ok, dots);
  PlaceControl(cancel_, design.cancel, dots);
  PlaceControl(label_, design.label, dots);
}

// Runs the action of a control unless the dialog has ended; an outcome ends the event loop
// once the message that brought the action has been dispatched.
void ListDialogWindow::RunAction(const std::function<Step()>& action) {
  if (outcome_) return;
  try {
    outcome_ = action();
  } catch (...) {
    outcome_ = Outcome::Fault(L"Interner Fehler: Die Auswahl konnte nicht ausgewertet werden.");
  }
}

LRESULT CALLBACK ListDialogWindow::WindowProc(HWND window, UINT message, WPARAM wparam,
                                              LPARAM lparam) noexcept {
  if (message == WM_NCCREATE) {
    const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lparam);
    ::SetWindowLongPtrW(window, GWLP_USERDATA,
                        reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
  }
  auto* dialog = reinterpret_cast<ListDialogWindow*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!dialog) return ::DefWindowProcW(window, message, wparam, lparam);
  return dialog->Handle(window, message, wparam, lparam);
}

LRESULT ListDialogWindow::Handle(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_COMMAND: {
      const int id = LOWORD(wparam), code = HIWORD(wparam);
      if (id == kOkId && code == BN_CLICKED && on_button_) {
        RunAction([this] { return on_button_(0); });
      } else if (id == kCancelId && code == BN_CLICKED && on_button_) {
        RunAction([this] { return on_button_(1); });
      } else if ((id == kSingleListId || id == kMultiListId) && code == LBN_DBLCLK &&
                 on_double_click_) {
        RunAction(on_double_click_);
      } else if (id == kMultiListId && code == LBN_SELCHANGE) {
        KeepRequiredSelected();
      } else if (id == kTimeRanOutId) {
        const auto& action = on_time_out_ ? on_time_out_ : on_close_;
        if (action) RunAction(action);
      }
      return 0;
    }
    case WM_CLOSE:
      if (on_close_) RunAction(on_close_);
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wparam) == WA_INACTIVE) {
        focus_ = ::GetFocus();
      } else {
        ::SetFocus(focus_ && ::IsChild(window, focus_) ? focus_ : list_);
      }
      return 0;
    case WM_DPICHANGED:
      if (list_) LayOut(HIWORD(wparam), reinterpret_cast<const RECT*>(lparam));
      return 0;
    default:
      return ::DefWindowProcW(window, message, wparam, lparam);
  }
}

HWND ListDialogWindow::AddControl(const wchar_t* control_class, const wchar_t* text, DWORD style,
                                  DWORD ex_style, int id) {
  return CreateControl(window_.get(), control_class, text, style, ex_style, id);
}

// Selects the entries at `positions` (in list order) and brings the first into view; Shift+click
// and the arrow keys go on from there.
void ListDialogWindow::Preselect(const std::vector<int>& positions) {
  if (positions.empty()) return;
  const auto first = static_cast<WPARAM>(positions.front());
  if ((::GetWindowLongPtrW(list_, GWL_STYLE) & LBS_EXTENDEDSEL) == 0) {
    ::SendMessageW(list_, LB_SETCURSEL, first, 0);
    return;
  }
  for (int position : positions) {
    ::SendMessageW(list_, LB_SETSEL, TRUE, static_cast<LPARAM>(position));
  }
  ::SendMessageW(list_, LB_SETANCHORINDEX, first, 0);
  ::SendMessageW(list_, LB_SETCARETINDEX, first, FALSE);
}

// A required entry that a click or a key has unselected is selected again at once. Shift+click
// and the arrow keys go on from where the user was, not from the entry selected again.
void ListDialogWindow::KeepRequiredSelected() {
  const LRESULT anchor = ::SendMessageW(list_, LB_GETANCHORINDEX, 0, 0);
  const LRESULT caret = ::SendMessageW(list_, LB_GETCARETINDEX, 0, 0);
  bool changed = false;
  for (int position : required_) {
    if (::SendMessageW(list_, LB_GETSEL, static_cast<WPARAM>(position), 0) <= 0) {
      ::SendMessageW(list_, LB_SETSEL, TRUE, static_cast<LPARAM>(position));
      changed = true;
    }
  }
  if (!changed) return;
  if (anchor != LB_ERR) ::SendMessageW(list_, LB_SETANCHORINDEX, static_cast<WPARAM>(anchor), 0);
  if (caret != LB_ERR) ::SendMessageW(list_, LB_SETCARETINDEX, static_cast<WPARAM>(caret), FALSE);
}

IoStatus ListDialogWindow::Show(const ListDialogSetup& setup) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
  ::InitCommonControlsEx(&controls);
  const HINSTANCE instance = ::GetModuleHandleW(nullptr);

  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof window_class;
  window_class.lpfnWndProc = WindowProc;
  window_class.hInstance = instance;
  window_class.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  window_class.lpszClassName = kClassName;
  if (!::RegisterClassExW(&window_class)) return LastErrorStatus();

  // A fixed dialog frame: no resizing, no minimise or maximise box. Created hidden on the
  // primary monitor, whose DPI the layout then uses.
  window_.reset(::CreateWindowExW(WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT, kClassName,
                                  setup.title.c_str(), WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, 0, 1,
                                  1, nullptr, nullptr, instance, this));
  if (!window_) return LastErrorStatus();

  // Creation order is the tab order: the list, "&OK", "&Abbrechen", the prompt.
  frame_ = AddControl(WC_BUTTONW, L"", BS_GROUPBOX | WS_VISIBLE, 0, kFrameId);
  const DWORD list_style = WS_TABSTOP | WS_GROUP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
  HWND single = AddControl(WC_LISTBOXW, L"", list_style, WS_EX_CLIENTEDGE, kSingleListId);
  HWND multi =
      AddControl(WC_LISTBOXW, L"", list_style | LBS_EXTENDEDSEL, WS_EX_CLIENTEDGE, kMultiListId);
  ok_ =
      AddControl(WC_BUTTONW, L"&OK", BS_PUSHBUTTON | WS_TABSTOP | WS_GROUP | WS_VISIBLE, 0, kOkId);
  cancel_ =
      AddControl(WC_BUTTONW, L"&Abbrechen", BS_PUSHBUTTON | WS_TABSTOP | WS_VISIBLE, 0, kCancelId);
  label_ = AddControl(WC_STATICW, PromptForTextControl(setup.prompt).c_str(),
                      SS_LEFT | SS_NOPREFIX | SS_EDITCONTROL | WS_VISIBLE, 0, kLabelId);
  if (!frame_ || !single || !multi || !ok_ || !cancel_ || !label_) return LastErrorStatus();
  // The list in use takes the first list's place; the other one stays hidden, out of the way
  // of the mouse and the Tab key.
  list_ = setup.multi_select ? multi : single;
  other_list_ = setup.multi_select ? single : multi;
  ::ShowWindow(list_, SW_SHOWNA);

  LayOut(::GetDpiForWindow(window_.get()), nullptr);
  if (setup.entries && !FillList(list_, *setup.entries)) {
    return IoStatus::Failed(L"Die Liste kann nicht alle Eintr\u00E4ge aufnehmen.");
  }
  ::EnableWindow(ok_, setup.ok_enabled);
  Preselect(setup.preselected);
  if (setup.multi_select) required_ = setup.required;

  on_button_ = setup.on_button;
  on_double_click_ = setup.on_double_click;
  on_close_ = setup.on_close;
  on_time_out_ = setup.on_time_out;

  ::ShowWindow(window_.get(), SW_SHOW);
  ::SetForegroundWindow(window_.get());
  ::SetFocus(list_);
  return IoStatus::Ok();
}

std::vector<int> ListDialogWindow::Selection() const {
  std::vector<int> selected;
  if (!list_) return selected;
  if ((::GetWindowLongPtrW(list_, GWL_STYLE) & LBS_EXTENDEDSEL) == 0) {
    const LRESULT at = ::SendMessageW(list_, LB_GETCURSEL, 0, 0);
    if (at != LB_ERR) selected.push_back(static_cast<int>(at));
    return selected;
  }
  const LRESULT count = ::SendMessageW(list_, LB_GETSELCOUNT, 0, 0);
  if (count <= 0) return selected;
  selected.resize(static_cast<std::size_t>(count));
  const LRESULT got = ::SendMessageW(list_, LB_GETSELITEMS, static_cast<WPARAM>(count),
                                     reinterpret_cast<LPARAM>(selected.data()));
  selected.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
  return selected;
}

Outcome ListDialogWindow::RunUntilAnswered(Countdown& countdown) {
  // The window is on the screen already: the scope owns it from the start.
  const CountdownScope scope(countdown, WhenTimeRunsOut::kCommand, kTimeRanOutId, window_.get());
  MSG message;
  while (window_ && !outcome_ && ::GetMessageW(&message, nullptr, 0, 0) > 0) {
    // Tab, the access keys Alt+O and Alt+A, and the arrow keys of a dialog.
    if (::IsDialogMessageW(window_.get(), &message)) continue;
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
  return outcome_.value_or(Outcome::NoAnswer(kExitCancelled));
}

IoStatus Win32System::ShowListDialog(const ListDialogSetup& setup) {
  return list_dialog_.Show(setup);
}

std::vector<int> Win32System::ListDialogSelection() {
  return list_dialog_.Selection();
}

Outcome Win32System::RunEventLoop() {
  return list_dialog_.RunUntilAnswered(countdown_);
}

}  // namespace kelvari
