// The list dialog's window, its controls and the modal loop that serves it; Win32System's
// list dialog is the one ListDialogWindow of the process.
#include "win32/list_dialog_win32.h"

#include <commctrl.h>

#include <algorithm>
#include <array>
#include <span>
#include <string>
#include <unordered_map>

#include "core/prompt_text.h"
#include "win32/child_controls_win32.h"
#include "win32/countdown_win32.h"
#include "win32/device_context_win32.h"
#include "win32/list_dialog_layout.h"
#include "win32/system_error_text_win32.h"
#include "win32/system_win32.h"
#include "win32/window_text_win32.h"
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

Status LastErrorStatus() {
  return Failure{SystemErrorText(::GetLastError())};
}

// Fills `list` with the entries: no redrawing meanwhile and storage reserved up front, so a
// list of 32,767 entries opens at once.
bool FillList(HWND list, std::span<const std::wstring> entries) {
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

void MoveTo(HWND control, const PixelRect& r) {
  ::SetWindowPos(control, nullptr, r.left, r.top, r.width, r.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

// The height that `control`'s text needs in `font` when its lines wrap at `width`, drawn as a
// left-aligned text control draws it.
int TextHeight(HWND control, HFONT font, int width) {
  const std::wstring text = WindowText(control);
  RECT need{0, 0, width, 0};
  const ScopedGetDC dc(control);
  const ScopedSelectObject selected(dc.get(), font);
  ::DrawTextW(dc.get(), text.c_str(), static_cast<int>(text.size()), &need,
              DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_EDITCONTROL | DT_EXPANDTABS);
  return need.bottom - need.top;
}

// The width of the widest entry of `list` in `font`: the sum of its characters' advance widths,
// each asked of the font once, so that 32,767 entries are measured at once.
int WidestEntry(HWND list, HFONT font) {
  const ScopedGetDC dc(list);
  const ScopedSelectObject selected(dc.get(), font);
  std::array<INT, 256> latin{};
  ::GetCharWidth32W(dc.get(), 0, 255, latin.data());
  std::unordered_map<wchar_t, INT> others;
  const auto width_of = [&](wchar_t c) {
    if (c < latin.size()) return latin[c];
    const auto [at, added] = others.try_emplace(c, 0);
    if (added) ::GetCharWidth32W(dc.get(), c, c, &at->second);
    return at->second;
  };
  const LRESULT count = ::SendMessageW(list, LB_GETCOUNT, 0, 0);
  std::wstring text;
  int widest = 0;
  for (LRESULT i = 0; i < count; ++i) {
    const LRESULT length = ::SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0);
    if (length <= 0) continue;
    text.resize(static_cast<std::size_t>(length) + 1);
    const LRESULT got = ::SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i),
                                       reinterpret_cast<LPARAM>(text.data()));
    int width = 0;
    for (LRESULT k = 0; k < got; ++k) width += width_of(text[static_cast<std::size_t>(k)]);
    widest = std::max(widest, width);
  }
  return widest;
}

bool IsDown(int key) {
  return (::GetKeyState(key) & 0x8000) != 0;
}

}  // namespace

ListDialogWindow::~ListDialogWindow() {
  // The window is destroyed after the members it reads: from here on its messages find no
  // dialog.
  if (window_) ::SetWindowLongPtrW(window_.get(), GWLP_USERDATA, 0);
}

// Sizes the window and its controls for `dpi`; a prompt longer than its place makes the
// dialog taller, as far as the work area allows. Without `suggested` the window is centred on
// the work area of its monitor; with it, the window keeps the top left corner the system
// suggests.
void ListDialogWindow::LayOut(UINT dpi, const RECT* suggested) {
  HWND window = window_.get();
  const int dots = static_cast<int>(dpi);
  LOGFONTW message_font = MessageFontAt(dpi);
  font_.reset(::CreateFontIndirectW(&message_font));
  for (HWND control : {frame_, list_, other_list_, ok_, cancel_, label_}) {
    ::SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), TRUE);
  }

  const auto outer_size = [window, dpi](const ListDialogPlaces& places) {
    return OuterSize(window, places.client_width, places.client_height, dpi);
  };
  const RECT work = WorkAreaOf(window).value_or(RECT{});
  const ListDialogPlaces designed = ListDialogPlacesAt(dots, 0);
  const int room = static_cast<int>(work.bottom - work.top) - outer_size(designed).cy;
  const int taller =
      std::min(TextHeight(label_, font_.get(), designed.label.width) - designed.label.height,
               std::max(0, room));
  const ListDialogPlaces places = ListDialogPlacesAt(dots, taller);

  const SIZE size = outer_size(places);
  const POINT at =
      suggested ? POINT{suggested->left, suggested->top} : CentredIn(work, size.cx, size.cy);
  ::SetWindowPos(window, nullptr, at.x, at.y, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
  MoveTo(frame_, places.frame);
  MoveTo(list_, places.list);
  MoveTo(ok_, places.ok);
  MoveTo(cancel_, places.cancel);
  MoveTo(label_, places.label);
  // Long entries can be read whole: the list scrolls sideways as far as its widest entry.
  const int extent = WidestEntry(list_, font_.get()) + 2 * ::GetSystemMetricsForDpi(SM_CXEDGE, dpi);
  ::SendMessageW(list_, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(extent), 0);
}

// "&OK" or a double click: the dialog ends with the selection, unless the check refuses it.
// Then the refusal is shown in a box over the dialog, for the user to choose again.
void ListDialogWindow::Confirm() {
  if (answer_) return;
  std::vector<int> selected = Selection();
  if (check_) {
    if (const auto refusal = check_(selected)) {
      tell_(*refusal);
      return;
    }
  }
  answer_ = ListDialogAnswer{ListDialogAnswer::Ending::kConfirmed, std::move(selected)};
}

// Ends the dialog as `ending` says, unless it has ended; the event loop stops once the message
// that brought it has been dispatched.
void ListDialogWindow::End(ListDialogAnswer::Ending ending) {
  if (answer_) return;
  answer_ = ListDialogAnswer{ending, Selection()};
}

LRESULT CALLBACK ListDialogWindow::WindowProc(HWND window, UINT message, WPARAM wparam,
                                              LPARAM lparam) noexcept {
  if (message == WM_NCCREATE) {
    const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lparam);
    ::SetWindowLongPtrW(window, GWLP_USERDATA,
                        reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
  }
  auto* dialog = reinterpret_cast<ListDialogWindow*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!dialog) return ::DefDlgProcW(window, message, wparam, lparam);
  try {
    return dialog->Handle(window, message, wparam, lparam);
  } catch (...) {
    if (!dialog->failure_) dialog->failure_ = std::current_exception();
    return 0;
  }
}

LRESULT ListDialogWindow::Handle(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_COMMAND: {
      const int id = LOWORD(wparam), code = HIWORD(wparam);
      const bool ok_clicked = id == kOkId && code == BN_CLICKED;
      const bool double_clicked = (id == kSingleListId || id == kMultiListId) && code == LBN_DBLCLK;
      if (ok_clicked || double_clicked) {
        Confirm();
      } else if (id == kCancelId && code == BN_CLICKED) {
        End(ListDialogAnswer::Ending::kCancelled);
      } else if (id == kMultiListId && code == LBN_SELCHANGE) {
        KeepRequiredSelected();
      } else if (id == kTimeRanOutId) {
        End(ListDialogAnswer::Ending::kTimeRanOut);
      }
      return 0;
    }
    case WM_CLOSE:
      End(ListDialogAnswer::Ending::kClosed);
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
      return ::DefDlgProcW(window, message, wparam, lparam);
  }
}

// The extended list's keys for choosing entries that are not next to each other, served here
// alike on every system (Wine's list lacks them): Ctrl with an arrow key, Page Up, Page Down,
// Home or End moves the focus and leaves the selection as it is; Ctrl+Space adds the focused
// entry to the selection or takes it away. Shift+F8 switches add mode on and off, in which
// these keys do the same without Ctrl. Every other key and click is the list's own.
LRESULT CALLBACK ListDialogWindow::ServeSelectionKeys(HWND list, UINT message, WPARAM wparam,
                                                      LPARAM lparam, UINT_PTR,
                                                      DWORD_PTR self) noexcept {
  auto& dialog = *reinterpret_cast<ListDialogWindow*>(self);
  switch (message) {
    case WM_KEYDOWN: {
      const bool ctrl = IsDown(VK_CONTROL), shift = IsDown(VK_SHIFT);
      if (wparam == VK_F8 && shift && !ctrl) {
        dialog.add_mode_ = !dialog.add_mode_;
        return 0;
      }
      if (shift || !(ctrl || dialog.add_mode_)) break;  // ranges and single choices
      if (wparam == VK_SPACE) {
        dialog.SwitchFocusedEntry();
        return 0;
      }
      if (dialog.MoveFocus(wparam)) return 0;
      break;
    }
    case WM_CHAR:  // Space selects; its blank is no first letter to look an entry up by
      if (wparam == L' ') return 0;
      break;
    case WM_LBUTTONDOWN:
      dialog.add_mode_ = false;
      break;
    case WM_NCDESTROY:
      ::RemoveWindowSubclass(list, ServeSelectionKeys, 0);
      break;
    default:
      break;
  }
  return ::DefSubclassProc(list, message, wparam, lparam);
}

// Moves the focus of the list in use for `key` without changing the selection; false for a
// key that moves nothing.
bool ListDialogWindow::MoveFocus(WPARAM key) {
  const int count = static_cast<int>(::SendMessageW(list_, LB_GETCOUNT, 0, 0));
  const int focus = std::max(0, static_cast<int>(::SendMessageW(list_, LB_GETCARETINDEX, 0, 0)));
  RECT client{};
  ::GetClientRect(list_, &client);
  const int entry_height =
      std::max(1, static_cast<int>(::SendMessageW(list_, LB_GETITEMHEIGHT, 0, 0)));
  const int page = std::max(1, static_cast<int>(client.bottom) / entry_height - 1);
  int to = 0;
  switch (key) {
    case VK_UP:
      to = focus - 1;
      break;
    case VK_DOWN:
      to = focus + 1;
      break;
    case VK_PRIOR:
      to = focus - page;
      break;
    case VK_NEXT:
      to = focus + page;
      break;
    case VK_HOME:
      to = 0;
      break;
    case VK_END:
      to = count - 1;
      break;
    default:
      return false;
  }
  if (count > 0) {
    ::SendMessageW(list_, LB_SETCARETINDEX, static_cast<WPARAM>(std::clamp(to, 0, count - 1)),
                   FALSE);
  }
  return true;
}

// Adds the focused entry to the selection or takes it away; Shift+click and Shift with an
// arrow key go on from it.
void ListDialogWindow::SwitchFocusedEntry() {
  const LRESULT focus = ::SendMessageW(list_, LB_GETCARETINDEX, 0, 0);
  if (focus < 0 || focus >= ::SendMessageW(list_, LB_GETCOUNT, 0, 0)) return;
  const bool selected = ::SendMessageW(list_, LB_GETSEL, static_cast<WPARAM>(focus), 0) > 0;
  SetEntrySelected(static_cast<int>(focus), !selected);
  ::SendMessageW(list_, LB_SETANCHORINDEX, static_cast<WPARAM>(focus), 0);
  ::SendMessageW(list_, LB_SETCARETINDEX, static_cast<WPARAM>(focus), FALSE);
}

// The one place where the dialog's own keys change whether an entry is selected. A required
// entry stays selected.
void ListDialogWindow::SetEntrySelected(int position, bool selected) {
  if (!selected && std::find(required_.begin(), required_.end(), position) != required_.end()) {
    return;
  }
  ::SendMessageW(list_, LB_SETSEL, selected ? TRUE : FALSE, position);
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

Status ListDialogWindow::Show(const ListDialogRequest& request, Tell tell) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
  ::InitCommonControlsEx(&controls);
  const HINSTANCE instance = ::GetModuleHandleW(nullptr);

  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof window_class;
  window_class.lpfnWndProc = WindowProc;
  // A dialog's window: served by the dialog manager's default procedure, so that the system,
  // and a screen reader asking it, takes it for a dialog.
  window_class.cbWndExtra = DLGWINDOWEXTRA;
  window_class.hInstance = instance;
  window_class.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  window_class.lpszClassName = kClassName;
  if (!::RegisterClassExW(&window_class)) return LastErrorStatus();

  // A fixed dialog frame: no resizing, no minimise or maximise box. Created hidden on the
  // primary monitor, whose DPI the layout then uses.
  window_.reset(::CreateWindowExW(WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT, kClassName,
                                  request.title.c_str(), WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, 0,
                                  1, 1, nullptr, nullptr, instance, this));
  if (!window_) return LastErrorStatus();

  // Creation order is the window order: the frame, the prompt, the list in use, "&OK",
  // "&Abbrechen", the other list. The tab stops are the list and the buttons; the prompt
  // standing right before the list gives the list its name for a screen reader.
  frame_ = AddControl(WC_BUTTONW, L"", BS_GROUPBOX | WS_VISIBLE, 0, kFrameId);
  label_ = AddControl(WC_STATICW, PromptForTextControl(request.prompt).c_str(),
                      SS_LEFT | SS_NOPREFIX | SS_EDITCONTROL | WS_VISIBLE, 0, kLabelId);
  const DWORD list_style =
      WS_TABSTOP | WS_GROUP | WS_VSCROLL | WS_HSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
  const auto add_list = [this, list_style](bool extended) {
    return AddControl(WC_LISTBOXW, L"", list_style | (extended ? LBS_EXTENDEDSEL : 0),
                      WS_EX_CLIENTEDGE, extended ? kMultiListId : kSingleListId);
  };
  list_ = add_list(request.multi_select);
  ok_ =
      AddControl(WC_BUTTONW, L"&OK", BS_PUSHBUTTON | WS_TABSTOP | WS_GROUP | WS_VISIBLE, 0, kOkId);
  cancel_ =
      AddControl(WC_BUTTONW, L"&Abbrechen", BS_PUSHBUTTON | WS_TABSTOP | WS_VISIBLE, 0, kCancelId);
  // The other list stays hidden, out of the way of the mouse and the Tab key.
  other_list_ = add_list(!request.multi_select);
  if (!frame_ || !label_ || !list_ || !ok_ || !cancel_ || !other_list_) return LastErrorStatus();
  if (request.multi_select &&
      !::SetWindowSubclass(list_, ServeSelectionKeys, 0, reinterpret_cast<DWORD_PTR>(this))) {
    return LastErrorStatus();
  }
  ::ShowWindow(list_, SW_SHOWNA);

  if (!FillList(list_, request.entries)) {
    return Failure{L"Die Liste kann nicht alle Eintr\u00E4ge aufnehmen."};
  }
  LayOut(::GetDpiForWindow(window_.get()), nullptr);
  ::EnableWindow(ok_, request.ok_enabled);
  Preselect(request.preselected);
  if (request.multi_select) required_ = request.required;

  check_ = request.check;
  tell_ = std::move(tell);

  ::ShowWindow(window_.get(), SW_SHOW);
  ::SetForegroundWindow(window_.get());
  ::SetFocus(list_);
  return Done{};
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

ListDialogAnswer ListDialogWindow::RunUntilAnswered(Countdown& countdown) {
  {
    // The window is on the screen already: the scope owns it from the start.
    const CountdownScope scope(countdown, WhenTimeRunsOut::kCommand, kTimeRanOutId, window_.get());
    MSG message;
    while (window_ && !answer_ && !failure_ && ::GetMessageW(&message, nullptr, 0, 0) > 0) {
      // Tab, the access keys Alt+O and Alt+A, and the arrow keys of a dialog.
      if (::IsDialogMessageW(window_.get(), &message)) continue;
      ::TranslateMessage(&message);
      ::DispatchMessageW(&message);
    }
  }
  // From here on the window serves nothing: the check and its box belong to this call.
  if (!answer_) answer_ = ListDialogAnswer{};
  check_ = nullptr;
  tell_ = nullptr;
  if (failure_) std::rethrow_exception(failure_);
  return *answer_;
}

Result<ListDialogAnswer> Win32System::ShowListDialog(const ListDialogRequest& request) {
  const Status shown = list_dialog_.Show(request, [this](const std::wstring& refusal) {
    // The dialog stays either way: a box that cannot be shown leaves the user at it.
    static_cast<void>(
        ShowMessage({.text = refusal, .title = L"Kelvari", .icon = MessageIcon::kStop}));
  });
  if (!shown.ok()) return shown.failure();
  return list_dialog_.RunUntilAnswered(countdown_);
}

}  // namespace kelvari
