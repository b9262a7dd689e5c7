// Win32System: the list dialog, the program's main form shown as a modeless window with a
// frame, one of two lists, the prompt and the buttons "&OK" and "&Abbrechen", placed at their
// design positions in twips and converted with the DPI of the monitor the window is on.
#include <windows.h>

#include <commctrl.h>

#include <optional>

#include "win32/dialog_font_win32.h"
#include "win32/list_dialog_layout.h"
#include "core/prompt_text.h"
#include "win32/ui_win32.h"
#include "win32/countdown_win32.h"
#include "win32/system_win32.h"

namespace kelvari {
namespace {

// Control ids. 1 and 2 stay unused: the keyboard handling sends them for Enter and Escape,
// and this dialog has neither a default nor a cancel button.
constexpr int kFrameId = 100;
constexpr int kSingleListId = 200;  // List1(0)
constexpr int kMultiListId = 201;   // List1(1)
constexpr int kOkId = 300;          // Command1(0)
constexpr int kCancelId = 301;      // Command1(1)
constexpr int kLabelId = 400;
constexpr WORD kTimeRanOutId = 500;  // sent by the countdown when nobody answered

constexpr wchar_t kClassName[] = L"KelvariListe";

inline HWND NullWindow() {
  return nullptr;
}
using UniqueWindow = UniqueHandle<HWND, ::DestroyWindow, NullWindow>;

// The one list dialog of the process.
struct ListDialog {
  UniqueWindow form;
  HWND frame = nullptr, list = nullptr, other_list = nullptr, ok = nullptr, cancel = nullptr,
       label = nullptr;
  UniqueFont font;
  UINT dpi = 96;
  HWND focus = nullptr;  // the control that had the focus when the window was deactivated
  std::function<Step(int)> on_button;
  std::function<Step()> on_double_click;
  std::function<Step()> on_close;
  std::function<Step()> on_time_out;
  std::optional<Outcome> outcome;  // set by the action that ends the dialog
};
ListDialog dialog;

// Sizes the form and its controls for `dpi`. Without `suggested` the form is centred on the
// work area of its monitor; with it, the form keeps the top left corner the system suggests.
void LayOut(UINT dpi, const RECT* suggested) {
  dialog.dpi = dpi;
  const ListDialogDesign design;
  HWND form = dialog.form.get();

  RECT frame{0, 0, TwipsToPixels(design.client_width, static_cast<int>(dpi)),
             TwipsToPixels(design.client_height, static_cast<int>(dpi))};
  ::AdjustWindowRectExForDpi(&frame, static_cast<DWORD>(::GetWindowLongPtrW(form, GWL_STYLE)),
                             FALSE, static_cast<DWORD>(::GetWindowLongPtrW(form, GWL_EXSTYLE)),
                             dpi);
  const int width = frame.right - frame.left, height = frame.bottom - frame.top;
  const POINT at = suggested ? POINT{suggested->left, suggested->top}
                             : CentredIn(WorkAreaOf(form).value_or(RECT{}), width, height);
  ::SetWindowPos(form, nullptr, at.x, at.y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);

  LOGFONTW message_font = MessageFontAt(dpi);
  dialog.font.reset(::CreateFontIndirectW(&message_font));
  for (HWND control :
       {dialog.frame, dialog.list, dialog.other_list, dialog.ok, dialog.cancel, dialog.label}) {
    ::SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(dialog.font.get()), TRUE);
  }
  const int dots = static_cast<int>(dpi);
  PlaceControl(dialog.frame, design.frame, dots);
  PlaceControl(dialog.list, design.list, dots);
  PlaceControl(dialog.ok, design.ok, dots);
  PlaceControl(dialog.cancel, design.cancel, dots);
  PlaceControl(dialog.label, design.label, dots);
}

// Runs the action of a control unless the dialog has ended; an outcome ends the event loop
// once the message that brought the action has been dispatched.
void Serve(const std::function<Step()>& action) {
  if (dialog.outcome) return;
  try {
    dialog.outcome = action();
  } catch (...) {
    dialog.outcome =
        Outcome::Fault(L"Interner Fehler: Die Auswahl konnte nicht ausgewertet werden.");
  }
}

LRESULT CALLBACK FormProc(HWND form, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_COMMAND: {
      const int id = LOWORD(wparam), code = HIWORD(wparam);
      if (id == kOkId && code == BN_CLICKED && dialog.on_button) {
        Serve([] { return dialog.on_button(0); });
      } else if (id == kCancelId && code == BN_CLICKED && dialog.on_button) {
        Serve([] { return dialog.on_button(1); });
      } else if ((id == kSingleListId || id == kMultiListId) && code == LBN_DBLCLK &&
                 dialog.on_double_click) {
        Serve(dialog.on_double_click);
      } else if (id == kTimeRanOutId) {
        const auto& action = dialog.on_time_out ? dialog.on_time_out : dialog.on_close;
        if (action) Serve(action);
      }
      return 0;
    }
    case WM_CLOSE:
      if (dialog.on_close) Serve(dialog.on_close);
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wparam) == WA_INACTIVE) {
        dialog.focus = ::GetFocus();
      } else {
        ::SetFocus(dialog.focus && ::IsChild(form, dialog.focus) ? dialog.focus : dialog.list);
      }
      return 0;
    case WM_DPICHANGED:
      if (dialog.list) LayOut(HIWORD(wparam), reinterpret_cast<const RECT*>(lparam));
      return 0;
    default:
      return ::DefWindowProcW(form, message, wparam, lparam);
  }
}

HWND AddControl(const wchar_t* control_class, const wchar_t* text, DWORD style, DWORD ex_style,
                int id) {
  return CreateControl(dialog.form.get(), control_class, text, style, ex_style, id);
}

IoStatus Failure() {
  return IoStatus::Failed(SystemErrorText(::GetLastError()));
}

// Fills `list` with the entries: no redrawing meanwhile and storage reserved up front, so a
// list of 32,767 entries opens at once.
bool Fill(HWND list, const std::vector<std::wstring>& entries) {
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

// Selects the entries at `positions` (in list order) and brings the first into view; Shift+click
// and the arrow keys go on from there.
void Preselect(const std::vector<int>& positions) {
  if (positions.empty()) return;
  const auto first = static_cast<WPARAM>(positions.front());
  if ((::GetWindowLongPtrW(dialog.list, GWL_STYLE) & LBS_EXTENDEDSEL) == 0) {
    ::SendMessageW(dialog.list, LB_SETCURSEL, first, 0);
    return;
  }
  for (int position : positions) {
    ::SendMessageW(dialog.list, LB_SETSEL, TRUE, static_cast<LPARAM>(position));
  }
  ::SendMessageW(dialog.list, LB_SETANCHORINDEX, first, 0);
  ::SendMessageW(dialog.list, LB_SETCARETINDEX, first, FALSE);
}

}  // namespace

IoStatus Win32System::ShowListDialog(const ListDialogSetup& setup) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
  ::InitCommonControlsEx(&controls);
  const HINSTANCE instance = ::GetModuleHandleW(nullptr);

  WNDCLASSEXW form_class{};
  form_class.cbSize = sizeof form_class;
  form_class.lpfnWndProc = FormProc;
  form_class.hInstance = instance;
  form_class.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  form_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  form_class.lpszClassName = kClassName;
  if (!::RegisterClassExW(&form_class)) return Failure();

  // A fixed dialog frame: no resizing, no minimise or maximise box. Created hidden on the
  // primary monitor, whose DPI the layout then uses.
  dialog.form.reset(::CreateWindowExW(WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT, kClassName,
                                      setup.title.c_str(), WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, 0,
                                      1, 1, nullptr, nullptr, instance, nullptr));
  if (!dialog.form) return Failure();

  // Creation order is the tab order: the list, "&OK", "&Abbrechen", the prompt.
  dialog.frame = AddControl(WC_BUTTONW, L"", BS_GROUPBOX | WS_VISIBLE, 0, kFrameId);
  const DWORD list_style = WS_TABSTOP | WS_GROUP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
  HWND single = AddControl(WC_LISTBOXW, L"", list_style, WS_EX_CLIENTEDGE, kSingleListId);
  HWND multi =
      AddControl(WC_LISTBOXW, L"", list_style | LBS_EXTENDEDSEL, WS_EX_CLIENTEDGE, kMultiListId);
  dialog.ok =
      AddControl(WC_BUTTONW, L"&OK", BS_PUSHBUTTON | WS_TABSTOP | WS_GROUP | WS_VISIBLE, 0, kOkId);
  dialog.cancel =
      AddControl(WC_BUTTONW, L"&Abbrechen", BS_PUSHBUTTON | WS_TABSTOP | WS_VISIBLE, 0, kCancelId);
  dialog.label = AddControl(WC_STATICW, PromptForTextControl(setup.prompt).c_str(),
                            SS_LEFT | SS_NOPREFIX | SS_EDITCONTROL | WS_VISIBLE, 0, kLabelId);
  if (!dialog.frame || !single || !multi || !dialog.ok || !dialog.cancel || !dialog.label) {
    return Failure();
  }
  // The list in use takes the place of List1(0); the other one stays hidden, out of the way
  // of the mouse and the Tab key.
  dialog.list = setup.multi_select ? multi : single;
  dialog.other_list = setup.multi_select ? single : multi;
  ::ShowWindow(dialog.list, SW_SHOWNA);

  LayOut(::GetDpiForWindow(dialog.form.get()), nullptr);
  if (setup.entries && !Fill(dialog.list, *setup.entries)) {
    return IoStatus::Failed(L"Die Liste kann nicht alle Eintr\u00E4ge aufnehmen.");
  }
  ::EnableWindow(dialog.ok, setup.ok_enabled);
  Preselect(setup.preselected);

  dialog.on_button = setup.on_button;
  dialog.on_double_click = setup.on_double_click;
  dialog.on_close = setup.on_close;
  dialog.on_time_out = setup.on_time_out;

  ::ShowWindow(dialog.form.get(), SW_SHOW);
  ::SetForegroundWindow(dialog.form.get());
  ::SetFocus(dialog.list);
  return IoStatus::Ok();
}

std::vector<int> Win32System::ListDialogSelection() {
  std::vector<int> selected;
  if (!dialog.list) return selected;
  if ((::GetWindowLongPtrW(dialog.list, GWL_STYLE) & LBS_EXTENDEDSEL) == 0) {
    const LRESULT at = ::SendMessageW(dialog.list, LB_GETCURSEL, 0, 0);
    if (at != LB_ERR) selected.push_back(static_cast<int>(at));
    return selected;
  }
  const LRESULT count = ::SendMessageW(dialog.list, LB_GETSELCOUNT, 0, 0);
  if (count <= 0) return selected;
  selected.resize(static_cast<std::size_t>(count));
  const LRESULT got = ::SendMessageW(dialog.list, LB_GETSELITEMS, static_cast<WPARAM>(count),
                                     reinterpret_cast<LPARAM>(selected.data()));
  selected.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
  return selected;
}

Outcome Win32System::RunEventLoop() {
  const CountdownScope countdown(WhenTimeRunsOut::kCommand, kTimeRanOutId);
  MSG message;
  while (dialog.form && !dialog.outcome && ::GetMessageW(&message, nullptr, 0, 0) > 0) {
    // Tab, the access keys Alt+O and Alt+A, and the arrow keys of a dialog.
    if (::IsDialogMessageW(dialog.form.get(), &message)) continue;
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
  return dialog.outcome.value_or(Outcome::NoAnswer(kExitCancelled));
}

}  // namespace kelvari
