// Win32System: the button box, a modal dialog of the program's own: an icon and the text at
// the top, the batch file's buttons in a row at the bottom right. Every button is as wide as
// its caption needs, and the box as wide as its row; a row wider than the screen stands as a
// column instead, each caption broken into lines as it needs. It is laid out in pixels of the
// dialog's font at its monitor's DPI, and centred like every other box.
#include <windows.h>

#include <commctrl.h>
#include <algorithm>
#include <cstdlib>
#include <vector>

#include "core/prompt_text.h"
#include "win32/countdown_win32.h"
#include "win32/dialog_font_win32.h"
#include "win32/dialog_template_win32.h"
#include "win32/job_window_layout_win32.h"
#include "win32/message_icon_win32.h"
#include "win32/system_error_text_win32.h"
#include "win32/system_win32.h"
#include "win32/work_area_win32.h"

namespace kelvari {
namespace {

constexpr int kIconId = 100, kTextId = 101;
constexpr int kFirstButtonId = 1000;  // button i has the id kFirstButtonId + i
constexpr UINT kTextFlags = DT_WORDBREAK | DT_NOPREFIX | DT_EDITCONTROL | DT_EXPANDTABS;

struct ButtonBoxState {
  const ButtonBoxRequest& request;
  bool failed = false;
  UniqueFont font;  // the message font at the dialog's DPI, for every control
};

void Place(HWND dialog, int id, int x, int y, int width, int height) {
  ::SetWindowPos(::GetDlgItem(dialog, id), nullptr, x, y, width, height, SWP_NOZORDER);
}

// WM_INITDIALOG: fills in the texts, lays the box out and centres it.
void SetUpButtonBox(HWND dialog, ButtonBoxState& state) {
  const ButtonBoxRequest& request = state.request;
  ::SetWindowTextW(dialog, request.title.c_str());
  const std::wstring text = PromptForTextControl(request.text);
  ::SetDlgItemTextW(dialog, kTextId, text.c_str());
  const UINT dpi = std::max<UINT>(96, ::GetDpiForWindow(dialog));
  // The controls show and are measured in the same font: the message font at this DPI.
  const LOGFONTW message_font = MessageFontAt(dpi);
  state.font.reset(::CreateFontIndirectW(&message_font));
  const HFONT font = state.font.get();
  for (HWND child = ::GetWindow(dialog, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
    ::SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  }
  const RECT work = WorkAreaOf(dialog).value_or(RECT{0, 0, 1024, 768});
  const int margin = Scaled(11, dpi), gap = Scaled(7, dpi), pad = Scaled(20, dpi);
  const int line = TextSize(dialog, font, L"Ag", 1000, 0).cy;
  const int button_height = std::max<int>(Scaled(23, dpi), line + Scaled(10, dpi));
  const SIZE frame = OuterSize(dialog, 0, 0, dpi);
  const int most_inner = std::max<int>(
      Scaled(200, dpi), static_cast<int>(work.right - work.left) - frame.cx - 2 * margin);

  // The buttons: each as wide as its caption, access key marks not counted.
  std::vector<int> widths;
  int row = 0;
  for (const std::wstring& caption : request.captions) {
    const int need = TextSize(dialog, font, caption, most_inner, DT_SINGLELINE).cx + pad;
    widths.push_back(std::max<int>(Scaled(75, dpi), need));
    row += widths.back();
  }
  row += gap * static_cast<int>(widths.size() - 1);
  const bool column = row > most_inner;

  // The icon and the text.
  const wchar_t* icon_name = SystemIconFor(request.icon);
  const int icon_size = icon_name ? ::GetSystemMetricsForDpi(SM_CXICON, dpi) : 0;
  const int text_left = margin + (icon_name ? icon_size + margin : 0);
  const int text_most = std::min<int>(std::max<int>(Scaled(360, dpi), column ? 0 : row),
                                      most_inner - (text_left - margin));
  const SIZE text_size = TextSize(dialog, font, text, text_most, kTextFlags);
  const int text_height = std::min<int>(text_size.cy, (work.bottom - work.top) * 2 / 3);
  int inner = std::max<int>(text_left - margin + text_size.cx, column ? 0 : row);
  if (column) {
    inner = std::max<int>(
        inner, std::min<int>(*std::max_element(widths.begin(), widths.end()), most_inner));
  }
  inner = std::min<int>(inner, most_inner);

  if (icon_name) {
    ::SendDlgItemMessageW(dialog, kIconId, STM_SETICON,
                          reinterpret_cast<WPARAM>(::LoadIconW(nullptr, icon_name)), 0);
    Place(dialog, kIconId, margin, margin, icon_size, icon_size);
  }
  Place(dialog, kTextId, text_left, margin, margin + inner - text_left, text_height);
  int y = margin + std::max<int>(icon_size, text_height) + margin + Scaled(4, dpi);

  if (column) {
    for (std::size_t i = 0; i < request.captions.size(); ++i) {
      const int height = std::max<int>(
          button_height, TextSize(dialog, font, request.captions[i], inner - pad, DT_WORDBREAK).cy +
                             Scaled(10, dpi));
      Place(dialog, kFirstButtonId + static_cast<int>(i), margin, y, inner, height);
      y += height + gap;
    }
    y -= gap;
  } else {
    int x = margin + inner - row;
    for (std::size_t i = 0; i < request.captions.size(); ++i) {
      Place(dialog, kFirstButtonId + static_cast<int>(i), x, y, widths[i], button_height);
      x += widths[i] + gap;
    }
    y += button_height;
  }

  const SIZE outer = OuterSize(dialog, inner + 2 * margin, y + margin, dpi);
  const POINT at = CentredIn(work, outer.cx, outer.cy);
  ::SetWindowPos(dialog, nullptr, at.x, at.y, outer.cx, outer.cy, SWP_NOZORDER);

  // Without a cancel button the close box is off.
  if (!request.cancel_button) {
    ::EnableMenuItem(::GetSystemMenu(dialog, FALSE), SC_CLOSE, MF_BYCOMMAND | MF_GRAYED);
  }
  const int default_id = kFirstButtonId + request.default_button;
  ::SendMessageW(dialog, DM_SETDEFID, static_cast<WPARAM>(default_id), 0);
  ::SetFocus(::GetDlgItem(dialog, default_id));
}

INT_PTR CALLBACK ButtonBoxProc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
  try {
    if (message == WM_INITDIALOG) {
      ::SetWindowLongPtrW(dialog, DWLP_USER, lparam);
      SetUpButtonBox(dialog, *reinterpret_cast<ButtonBoxState*>(lparam));
      return FALSE;  // the focus is set
    }
    auto* state = reinterpret_cast<ButtonBoxState*>(::GetWindowLongPtrW(dialog, DWLP_USER));
    if (!state) return FALSE;
    const ButtonBoxRequest& request = state->request;
    if (message == WM_COMMAND) {
      const int id = LOWORD(wparam);
      if (id == IDCANCEL) {  // Escape and the close box
        if (request.cancel_button) ::EndDialog(dialog, kFirstButtonId + *request.cancel_button);
        return TRUE;
      }
      if (id == IDOK) {  // Enter without a button in focus
        ::EndDialog(dialog, kFirstButtonId + request.default_button);
        return TRUE;
      }
      const int count = static_cast<int>(request.captions.size());
      if (id >= kFirstButtonId && id < kFirstButtonId + count) {
        ::EndDialog(dialog, id);
        return TRUE;
      }
    }
    if (message == WM_CLOSE && !request.cancel_button) return TRUE;
  } catch (...) {
    if (auto* state = reinterpret_cast<ButtonBoxState*>(::GetWindowLongPtrW(dialog, DWLP_USER))) {
      state->failed = true;
    }
    ::EndDialog(dialog, -1);
    return TRUE;
  }
  return FALSE;
}

}  // namespace

Result<int> Win32System::ButtonBox(const ButtonBoxRequest& request) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
  ::InitCommonControlsEx(&controls);

  // The dialog manager scales the font from 96 DPI to the DPI of the dialog's monitor; the
  // controls are placed in pixels when it starts.
  const LOGFONTW font = MessageFontAt(96);
  const WORD points =
      static_cast<WORD>(std::max<int>(1, ::MulDiv(std::abs(font.lfHeight), 72, 96)));
  DialogTemplate dialog(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFOREGROUND, 0,
                        100, 50, font, points);
  dialog.AddControl(DialogTemplate::kStatic, SS_ICON, 0, 0, 0, 0, 0, kIconId);
  dialog.AddControl(DialogTemplate::kStatic, SS_LEFT | SS_NOPREFIX | SS_EDITCONTROL, 0, 0, 0, 1, 1,
                    kTextId);
  for (std::size_t i = 0; i < request.captions.size(); ++i) {
    const bool first = i == 0;
    const bool is_default = static_cast<int>(i) == request.default_button;
    dialog.AddControl(DialogTemplate::kButton,
                      (is_default ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | BS_MULTILINE | WS_TABSTOP |
                          (first ? WS_GROUP : 0),
                      0, 0, 0, 1, 1, static_cast<DWORD>(kFirstButtonId) + static_cast<DWORD>(i),
                      request.captions[i]);
  }

  ButtonBoxState state{request, false, {}};
  const CountdownScope countdown(countdown_, WhenTimeRunsOut::kCommand,
                                 static_cast<WORD>(kFirstButtonId + request.default_button));
  const INT_PTR pressed =
      ::DialogBoxIndirectParamW(::GetModuleHandleW(nullptr), dialog.get(), nullptr, ButtonBoxProc,
                                reinterpret_cast<LPARAM>(&state));
  const int count = static_cast<int>(request.captions.size());
  if (pressed >= kFirstButtonId && pressed < kFirstButtonId + count) {
    return static_cast<int>(pressed) - kFirstButtonId;
  }
  return Failure{state.failed ? L"Interner Fehler im Fenster." : SystemErrorText(::GetLastError())};
}

}  // namespace kelvari
