// Win32System: the input box, a modal dialog of the program's own in the classic layout.
// The prompt stands at the top left, "&OK" and "&Abbrechen" at the right (Alt+O, Alt+A), the
// entry field across the bottom. The dialog is laid out in dialog units of the message font,
// so it grows with the font and the DPI; a long prompt makes the dialog taller.
#include <windows.h>

#include <commctrl.h>
#include <algorithm>
#include <cstdlib>
#include <stdexcept>

#include "core/prompt_text.h"
#include "win32/countdown_win32.h"
#include "win32/device_context_win32.h"
#include "win32/dialog_font_win32.h"
#include "win32/dialog_template_win32.h"
#include "win32/system_error_text_win32.h"
#include "win32/system_win32.h"
#include "win32/window_text_win32.h"
#include "win32/work_area_win32.h"

namespace kelvari {
namespace {

constexpr int kPromptId = 100;
constexpr int kEntryId = 101;
constexpr WORD kTimeRanOutId = 102;  // sent by the countdown: "OK" without the check

// Layout in dialog units.
constexpr short kWidth = 262, kMargin = 7, kPromptWidth = 190, kPromptHeight = 44;
constexpr short kButtonWidth = 50, kButtonHeight = 14, kEntryHeight = 12;
constexpr short kEntryTop = kMargin + kPromptHeight + 8;
constexpr short kHeight = kEntryTop + kEntryHeight + kMargin;

// What one input box shows and answers; the dialog reaches it through its user data, the
// password field through its subclass's reference data.
struct InputBoxState {
  const std::wstring& title;
  const std::wstring& prompt;
  const std::wstring& proposal;
  const InputCheck& check;
  bool hidden;
  Countdown& countdown;
  std::wstring answer;
  bool failed = false;
  // True while the program itself reads or fills the entry field (window procedures run on the
  // dialog's own thread only, so a plain flag serves).
  bool own_read = false;
};

RECT RectInParent(HWND control) {
  RECT r;
  ::GetWindowRect(control, &r);
  ::MapWindowPoints(nullptr, ::GetParent(control), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

// Makes the prompt as tall as its text needs, moves the entry field down by as much, and
// centres the dialog on its monitor's work area.
void FitPromptAndCentre(HWND dialog) {
  HWND prompt = ::GetDlgItem(dialog, kPromptId);
  HWND entry = ::GetDlgItem(dialog, kEntryId);
  const RECT shown = RectInParent(prompt);
  const std::wstring text = WindowText(prompt);

  RECT need{0, 0, shown.right - shown.left, 0};
  {
    const ScopedGetDC dc(prompt);
    const ScopedSelectObject font(
        dc.get(), reinterpret_cast<HGDIOBJ>(::SendMessageW(prompt, WM_GETFONT, 0, 0)));
    ::DrawTextW(dc.get(), text.c_str(), static_cast<int>(text.size()), &need,
                DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_EDITCONTROL | DT_EXPANDTABS);
  }

  const RECT work = WorkAreaOf(dialog).value_or(RECT{});

  RECT frame;
  ::GetWindowRect(dialog, &frame);
  int grow = std::max(0L, need.bottom - (shown.bottom - shown.top));
  // Never taller than the screen: the prompt is then cut, the entry field stays in view.
  grow = std::min<int>(grow, std::max(0L, (work.bottom - work.top) - (frame.bottom - frame.top)));
  if (grow > 0) {
    ::SetWindowPos(prompt, nullptr, 0, 0, shown.right - shown.left, shown.bottom - shown.top + grow,
                   SWP_NOMOVE | SWP_NOZORDER);
    const RECT at = RectInParent(entry);
    ::SetWindowPos(entry, nullptr, at.left, at.top + grow, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    frame.bottom += grow;
  }
  ::SetWindowPos(dialog, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER);
  CentreOnWorkArea(dialog);
}

bool IsDown(int key) {
  return (::GetKeyState(key) & 0x8000) != 0;
}

// Marks the entry field's text as read by the program itself while it lives.
class OwnRead {
 public:
  explicit OwnRead(InputBoxState& state) : state_(state) { state_.own_read = true; }
  OwnRead(const OwnRead&) = delete;
  OwnRead& operator=(const OwnRead&) = delete;
  ~OwnRead() { state_.own_read = false; }

 private:
  InputBoxState& state_;
};

// The entry field's text as the program reads it.
std::wstring EntryText(HWND dialog, InputBoxState& state) {
  const OwnRead own(state);
  return WindowText(::GetDlgItem(dialog, kEntryId));
}

// The password field gives its text to the program's own code only: anyone else (another
// process or thread sending it a message) gets nothing, not even its length, can neither
// replace it nor turn its dots off.
// Copy and cut, also by Ctrl+Insert and Shift+Del, which the field would otherwise serve
// itself, put nothing on the clipboard.
LRESULT CALLBACK GuardPasswordField(HWND entry, UINT message, WPARAM wparam, LPARAM lparam,
                                    UINT_PTR, DWORD_PTR state) noexcept {
  switch (message) {
    case WM_COPY:
    case WM_CUT:
    case EM_SETPASSWORDCHAR:
      return 0;
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH:
    case EM_GETLINE:
    case EM_GETHANDLE:
    case EM_LINELENGTH:
    case WM_SETTEXT:
      if (!reinterpret_cast<const InputBoxState*>(state)->own_read) {
        if (message == WM_GETTEXT && wparam > 0 && lparam) *reinterpret_cast<wchar_t*>(lparam) = 0;
        return 0;
      }
      break;
    case WM_KEYDOWN:
      if ((wparam == VK_INSERT && IsDown(VK_CONTROL) && !IsDown(VK_SHIFT)) ||
          (wparam == VK_DELETE && IsDown(VK_SHIFT))) {
        return 0;
      }
      break;
    case WM_NCDESTROY:
      ::RemoveWindowSubclass(entry, GuardPasswordField, 0);
      break;
    default:
      break;
  }
  return ::DefSubclassProc(entry, message, wparam, lparam);
}

// WM_INITDIALOG: fills the box from `state` and puts the focus into the entry field.
void SetUpInputBox(HWND dialog, InputBoxState& state) {
  ::SetWindowTextW(dialog, state.title.c_str());
  ::SetDlgItemTextW(dialog, kPromptId, PromptForTextControl(state.prompt).c_str());
  HWND entry = ::GetDlgItem(dialog, kEntryId);
  if (state.hidden &&
      !::SetWindowSubclass(entry, GuardPasswordField, 0, reinterpret_cast<DWORD_PTR>(&state))) {
    throw std::runtime_error("password field unguarded");  // never shown unguarded
  }
  ::SendMessageW(entry, EM_SETLIMITTEXT, 0, 0);  // as much as the field can hold
  {
    const OwnRead own(state);  // the proposal is the program's own text
    ::SetWindowTextW(entry, state.proposal.c_str());
  }
  ::SendMessageW(entry, EM_SETSEL, 0, -1);
  FitPromptAndCentre(dialog);
  ::SetFocus(entry);
}

// "OK": the box ends with the text, unless the check refuses it. Then the refusal is shown in
// a box modal to the input box, for the user to correct the text. That box counts down too;
// when nobody closed it, nobody is there to correct the text either, and the input box ends as
// its own time running out does.
void ConfirmInputBox(HWND dialog, InputBoxState& state) {
  std::wstring text = EntryText(dialog, state);
  const auto refusal = state.check ? state.check(text) : std::nullopt;
  if (!refusal) {
    state.answer = std::move(text);
    ::EndDialog(dialog, IDOK);
    return;
  }
  bool ran_out = false;
  {
    const CountdownScope countdown(state.countdown, WhenTimeRunsOut::kPressDefaultButton);
    ::MessageBoxW(dialog, refusal->c_str(), L"Kelvari", MB_OK | MB_ICONSTOP);
    ran_out = countdown.RanOut();
  }
  if (ran_out) {
    ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(kTimeRanOutId, BN_CLICKED), 0);
  } else {
    ::SetFocus(::GetDlgItem(dialog, kEntryId));
  }
}

INT_PTR CALLBACK InputBoxProc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
  try {
    if (message == WM_INITDIALOG) {
      ::SetWindowLongPtrW(dialog, DWLP_USER, lparam);
      SetUpInputBox(dialog, *reinterpret_cast<InputBoxState*>(lparam));
      return FALSE;  // the focus is set
    }
    auto* state = reinterpret_cast<InputBoxState*>(::GetWindowLongPtrW(dialog, DWLP_USER));
    if (message == WM_COMMAND && state) {
      switch (LOWORD(wparam)) {
        case kTimeRanOutId:
          state->answer = EntryText(dialog, *state);
          ::EndDialog(dialog, IDOK);
          return TRUE;
        case IDOK:
          ConfirmInputBox(dialog, *state);
          return TRUE;
        case IDCANCEL:  // "Abbrechen", Escape and the close box
          ::EndDialog(dialog, IDCANCEL);
          return TRUE;
        default:
          break;
      }
    }
  } catch (...) {
    if (auto* state = reinterpret_cast<InputBoxState*>(::GetWindowLongPtrW(dialog, DWLP_USER))) {
      state->failed = true;
    }
    ::EndDialog(dialog, -1);
    return TRUE;
  }
  return FALSE;
}

}  // namespace

Result<InputBoxAnswer> Win32System::InputBox(const std::wstring& prompt, const std::wstring& title,
                                             const std::wstring& proposal, const InputCheck& check,
                                             bool hidden) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
  ::InitCommonControlsEx(&controls);

  // The dialog manager scales the font from 96 DPI to the DPI of the dialog's monitor.
  const LOGFONTW font = MessageFontAt(96);
  const WORD points = static_cast<WORD>(std::max(1, ::MulDiv(std::abs(font.lfHeight), 72, 96)));
  DialogTemplate dialog(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFOREGROUND, 0,
                        kWidth, kHeight, font, points);
  dialog.AddControl(DialogTemplate::kStatic, SS_LEFT | SS_NOPREFIX | SS_EDITCONTROL, 0, kMargin,
                    kMargin, kPromptWidth, kPromptHeight, kPromptId);
  // A hidden field shows a mark for each character and gives nothing to the clipboard.
  const DWORD entry_style = ES_AUTOHSCROLL | WS_TABSTOP | WS_GROUP | (hidden ? ES_PASSWORD : 0);
  dialog.AddControl(DialogTemplate::kEdit, entry_style, WS_EX_CLIENTEDGE, kMargin, kEntryTop,
                    kWidth - 2 * kMargin, kEntryHeight, kEntryId);
  dialog.AddControl(DialogTemplate::kButton, BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP, 0,
                    kWidth - kMargin - kButtonWidth, kMargin, kButtonWidth, kButtonHeight, IDOK,
                    L"&OK");
  dialog.AddControl(DialogTemplate::kButton, BS_PUSHBUTTON | WS_TABSTOP, 0,
                    kWidth - kMargin - kButtonWidth, kMargin + kButtonHeight + 4, kButtonWidth,
                    kButtonHeight, IDCANCEL, L"&Abbrechen");

  InputBoxState state{title, prompt, proposal, check, hidden, countdown_, {}, false, false};
  const CountdownScope countdown(countdown_, WhenTimeRunsOut::kCommand, kTimeRanOutId);
  const INT_PTR pressed =
      ::DialogBoxIndirectParamW(::GetModuleHandleW(nullptr), dialog.get(), nullptr, InputBoxProc,
                                reinterpret_cast<LPARAM>(&state));
  if (pressed == IDOK) return InputBoxAnswer{true, std::move(state.answer)};
  if (pressed == IDCANCEL) return InputBoxAnswer{};
  return Failure{state.failed ? L"Interner Fehler im Eingabefenster."
                              : SystemErrorText(::GetLastError())};
}

}  // namespace kelvari
