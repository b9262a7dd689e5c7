// Win32System: the modal message box, and the one table between its request and the
// system's style bits and button codes.
#include <windows.h>

#include <string>

#include "win32/countdown_win32.h"
#include "win32/message_icon_win32.h"
#include "win32/system_error_text_win32.h"
#include "win32/system_win32.h"

namespace kelvari {
namespace {

// A box cannot show more than a screenful anyway, and laying out millions of characters would
// keep the user waiting for minutes: longer texts are shown shortened, ending in "…".
std::wstring Shortened(const std::wstring& text, std::size_t limit) {
  if (text.size() <= limit) return text;
  return text.substr(0, limit) + L"\u2026";
}

BOOL CALLBACK TakeVisibleWindow(HWND window, LPARAM found) {
  if (!::IsWindowVisible(window) || !::IsWindowEnabled(window)) return TRUE;
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}

// The program's own window on the screen (the list dialog), or nullptr when none is shown.
HWND VisibleProgramWindow() {
  HWND found = nullptr;
  ::EnumThreadWindows(::GetCurrentThreadId(), TakeVisibleWindow, reinterpret_cast<LPARAM>(&found));
  return found;
}

// The system's values of the request's choices.
struct ButtonsRow {
  MessageButtons buttons;
  UINT style;
};
const ButtonsRow kButtonSets[] = {
    {MessageButtons::kOk, MB_OK},
    {MessageButtons::kOkCancel, MB_OKCANCEL},
    {MessageButtons::kAbortRetryIgnore, MB_ABORTRETRYIGNORE},
    {MessageButtons::kYesNoCancel, MB_YESNOCANCEL},
    {MessageButtons::kYesNo, MB_YESNO},
    {MessageButtons::kRetryCancel, MB_RETRYCANCEL},
};
struct DefaultRow {
  DefaultButton button;
  UINT style;
};
const DefaultRow kDefaultButtons[] = {
    {DefaultButton::kFirst, MB_DEFBUTTON1},
    {DefaultButton::kSecond, MB_DEFBUTTON2},
    {DefaultButton::kThird, MB_DEFBUTTON3},
};
struct PressedRow {
  int code;
  PressedButton button;
};
const PressedRow kPressedButtons[] = {
    {IDOK, PressedButton::kOk},         {IDCANCEL, PressedButton::kCancel},
    {IDABORT, PressedButton::kAbort},   {IDRETRY, PressedButton::kRetry},
    {IDIGNORE, PressedButton::kIgnore}, {IDYES, PressedButton::kYes},
    {IDNO, PressedButton::kNo},
};

UINT MessageBoxStyleOf(const MessageRequest& request) {
  UINT style = MessageBoxIconStyle(request.icon);
  for (const ButtonsRow& row : kButtonSets) {
    if (row.buttons == request.buttons) style |= row.style;
  }
  for (const DefaultRow& row : kDefaultButtons) {
    if (row.button == request.default_button) style |= row.style;
  }
  if (request.comes_to_front) style |= MB_SETFOREGROUND;
  return style;
}

// The button of a code MessageBoxW returned; a failure for a code no button of the program's
// boxes gives.
Result<PressedButton> PressedButtonOf(int code) {
  for (const PressedRow& row : kPressedButtons) {
    if (row.code == code) return row.button;
  }
  return Failure{L"Unbekannte Antwort " + std::to_wstring(code) + L" des Meldungsfensters."};
}

}  // namespace

Result<PressedButton> Win32System::ShowMessage(const MessageRequest& request) {
  // A box over one of the program's windows is modal to it: while a fault is reported over the
  // list dialog, the dialog takes no clicks that could confirm again or cancel.
  const CountdownScope countdown(countdown_, WhenTimeRunsOut::kPressDefaultButton);
  const int code = ::MessageBoxW(VisibleProgramWindow(), Shortened(request.text, 8192).c_str(),
                                 Shortened(request.title, 512).c_str(), MessageBoxStyleOf(request));
  if (code == 0) return Failure{SystemErrorText(::GetLastError())};
  return PressedButtonOf(code);
}

}  // namespace kelvari
