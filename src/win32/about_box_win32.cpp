// Win32System: the about box as a modal dialog window, built from the about box's design and
// filled with what its load handler gives.
#include <windows.h>
// commctrl.h needs the types of windows.h.
#include <commctrl.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <exception>

#include "commands/about_box.h"
#include "win32/child_controls_win32.h"
#include "win32/countdown_win32.h"
#include "win32/device_context_win32.h"
#include "win32/dialog_font_win32.h"
#include "win32/system_error_text_win32.h"
#include "win32/system_win32.h"
#include "win32/unique_handle_win32.h"
#include "win32/work_area_win32.h"

namespace kelvari {
namespace {

constexpr int kFirstButtonId = 100;  // the three buttons, in tab order
constexpr int kLabelId = 200;
constexpr int kPictureId = 201;
constexpr int kLineId = 202;
constexpr int kIconId = 1;
constexpr int kPictureResourceId = 2;

using UniqueGdiObject = UniqueHandle<HGDIOBJ, ::DeleteObject, NullHandle>;

struct AboutBox {
  const AboutBoxSetup* setup = nullptr;
  std::array<std::wstring, 3> tooltips;  // kept while the tooltip control shows them
  UniqueGdiObject picture;
  UniqueGdiObject label_font;
  UniqueGdiObject button_font;
  int dpi = 96;
};

HWND AddControl(HWND dialog, const wchar_t* window_class, const std::wstring& text, DWORD style,
                const TwipsRect& r, int id, int dpi) {
  return CreateControl(dialog, window_class, text.c_str(), WS_VISIBLE | style, 0, id,
                       TwipsToPixels(r, dpi));
}

void AddTooltips(HWND dialog, std::array<std::wstring, 3>& tooltips) {
  HWND tip = ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                               WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, dialog, nullptr,
                               ::GetModuleHandleW(nullptr), nullptr);
  if (!tip) return;
  ::SendMessageW(tip, TTM_SETMAXTIPWIDTH, 0, 480);
  for (int i = 0; i < 3; ++i) {
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = dialog;
    tool.uId = reinterpret_cast<UINT_PTR>(::GetDlgItem(dialog, kFirstButtonId + i));
    tool.lpszText = tooltips[static_cast<std::size_t>(i)].data();
    ::SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  }
}

// Sizes the box to the design's client area at `dpi`, runs the load handler and puts the box
// where that handler says; returns what the box shows.
AboutBoxView LoadAndPlace(HWND dialog, const AboutBox& box, int dpi) {
  // The client area of the design, at the monitor's resolution.
  const SIZE outer =
      OuterSize(dialog, TwipsToPixels(about_box_design::kClientWidth, dpi),
                TwipsToPixels(about_box_design::kClientHeight, dpi), static_cast<UINT>(dpi));
  AboutBoxView view = box.setup->on_load();
  ::SetWindowPos(dialog, nullptr, 0, 0, outer.cx, outer.cy, SWP_NOZORDER | SWP_NOACTIVATE);
  if (view.centred) CentreOnWorkArea(dialog);
  return view;
}

// The program's icon in the title bar and the task switcher, in the sizes for `dpi`.
void SetProgramIcons(HWND dialog, int dpi) {
  const HINSTANCE instance = ::GetModuleHandleW(nullptr);
  for (int type : {ICON_BIG, ICON_SMALL}) {
    const int size = ::GetSystemMetricsForDpi(type == ICON_BIG ? SM_CXICON : SM_CXSMICON,
                                              static_cast<UINT>(dpi));
    HANDLE icon =
        ::LoadImageW(instance, MAKEINTRESOURCEW(kIconId), IMAGE_ICON, size, size, LR_SHARED);
    ::SendMessageW(dialog, WM_SETICON, static_cast<WPARAM>(type), reinterpret_cast<LPARAM>(icon));
  }
}

// True when `caption` fits inside `place` on one line (`one_line`) or with its lines wrapped as
// a multi-line button wraps them. At each side of the caption a button keeps its edge, the
// focus rectangle and some air (a default button a frame more): an edge and a twelfth of an
// inch here, since the measured width can be a pixel or two short of the drawn one.
bool CaptionFits(HDC dc, const std::wstring& caption, const PixelRect& place, int dpi,
                 bool one_line) {
  const int edge = ::GetSystemMetricsForDpi(SM_CXEDGE, static_cast<UINT>(dpi));
  const int side = (one_line ? 2 * edge : edge) + dpi / 12, above = edge + 1;
  RECT need{0, 0, place.width - 2 * side, 0};
  ::DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &need,
              DT_CALCRECT | DT_CENTER | (one_line ? DT_SINGLELINE : DT_WORDBREAK));
  return need.right <= place.width - 2 * side && need.bottom <= place.height - 2 * above;
}

// The buttons' places at `dpi`: where the design puts them, as large as their captions need in
// `font`. E-Mail and News grow to the right (News moving along, the gap between them kept);
// Close, the default button at the right, grows to the left into the free room until its
// caption stands on one line. A caption that still does not fit makes every button, and the
// box, taller.
std::array<PixelRect, 3> ButtonPlaces(HWND dialog, const std::array<std::wstring, 3>& captions,
                                      HFONT font, int dpi) {
  std::array<PixelRect, 3> places{};
  for (std::size_t i = 0; i < 3; ++i) {
    places[i] = TwipsToPixels(about_box_design::kButtons[i], dpi);
  }
  const ScopedGetDC dc(dialog);
  const ScopedSelectObject selected(dc.get(), font);
  const int step = std::max(1, dpi / 24);
  const int gap = places[kNewsButton].left - (places[kMailButton].left + places[kMailButton].width);
  PixelRect& close = places[kCloseButton];
  const int right = close.left + close.width;
  int room = close.left - gap;  // where the left buttons must end
  for (std::size_t i : {std::size_t{kMailButton}, std::size_t{kNewsButton}}) {
    if (i > 0) {
      places[i].left = std::max(places[i].left, places[i - 1].left + places[i - 1].width + gap);
    }
    while (!CaptionFits(dc.get(), captions[i], places[i], dpi, false) &&
           places[i].left + places[i].width + step <= room) {
      places[i].width += step;
    }
  }
  room = places[kNewsButton].left + places[kNewsButton].width + gap;
  while (!CaptionFits(dc.get(), captions[kCloseButton], close, dpi, true) && close.left > room) {
    close.left = std::max(room, close.left - step);
    close.width = right - close.left;
  }
  int taller = 0;
  for (std::size_t i = 0; i < 3; ++i) {
    PixelRect grown = places[i];
    while (!CaptionFits(dc.get(), captions[i], grown, dpi, false) &&
           grown.height < 10 * places[i].height) {
      ++grown.height;
    }
    taller = std::max(taller, grown.height - places[i].height);
  }
  if (taller > 0) {
    for (PixelRect& place : places) place.height += taller;
    RECT outer;
    ::GetWindowRect(dialog, &outer);
    ::SetWindowPos(dialog, nullptr, 0, 0, outer.right - outer.left,
                   outer.bottom - outer.top + taller, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  return places;
}

void BuildAboutBox(HWND dialog, AboutBox& box) {
  box.dpi = static_cast<int>(::GetDpiForWindow(dialog));
  if (box.dpi <= 0) box.dpi = 96;
  const int dpi = box.dpi;
  AboutBoxView view = LoadAndPlace(dialog, box, dpi);
  ::SetWindowTextW(dialog, view.caption.c_str());
  SetProgramIcons(dialog, dpi);

  const HINSTANCE instance = ::GetModuleHandleW(nullptr);
  box.picture.reset(::LoadImageW(instance, MAKEINTRESOURCEW(kPictureResourceId), IMAGE_BITMAP, 0, 0,
                                 LR_CREATEDIBSECTION));
  AddControl(dialog, L"STATIC", L"", SS_OWNERDRAW, about_box_design::kPicture, kPictureId, dpi);

  HWND label = AddControl(dialog, L"STATIC", view.text, SS_LEFT | SS_NOPREFIX,
                          about_box_design::kText, kLabelId, dpi);
  const int font_height =
      -static_cast<int>(std::lround(about_box_design::kTextFontPoints * dpi / 72));
  box.label_font.reset(::CreateFontW(font_height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                                     ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                     DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, L"Arial"));
  ::SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(box.label_font.get()), FALSE);

  const TwipsRect line{about_box_design::kRuleLeft, about_box_design::kRuleTop,
                       about_box_design::kRuleRight - about_box_design::kRuleLeft, 30};
  HWND separator = AddControl(dialog, L"STATIC", L"", SS_ETCHEDHORZ, line, kLineId, dpi);
  ::SetWindowPos(separator, nullptr, 0, 0, TwipsToPixels(line.width, dpi), 2,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);

  // The buttons' captions in the system's message font, as in every other window of the
  // program; each button is made large enough for its caption.
  const LOGFONTW message_font = MessageFontAt(static_cast<UINT>(dpi));
  box.button_font.reset(::CreateFontIndirectW(&message_font));
  const auto places =
      ButtonPlaces(dialog, view.button_captions, static_cast<HFONT>(box.button_font.get()), dpi);
  for (int i = 0; i < 3; ++i) {
    const auto at = static_cast<std::size_t>(i);
    // Close is the default button: Enter at once closes the box, and Escape does too.
    const DWORD kind = i == kCloseButton ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
    HWND button = CreateControl(dialog, L"BUTTON", view.button_captions[at].c_str(),
                                WS_VISIBLE | kind | BS_MULTILINE | WS_TABSTOP, 0,
                                kFirstButtonId + i, places[at]);
    ::SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(box.button_font.get()), FALSE);
  }
  box.tooltips = std::move(view.button_tooltips);
  AddTooltips(dialog, box.tooltips);
  ::SendMessageW(dialog, DM_SETDEFID, kFirstButtonId + kCloseButton, 0);
  ::SetFocus(::GetDlgItem(dialog, kFirstButtonId + kCloseButton));
  ::SetForegroundWindow(dialog);
}

void DrawPicture(const DRAWITEMSTRUCT& item, const AboutBox& box) {
  const RECT& r = item.rcItem;
  ::FillRect(item.hDC, &r, ::GetSysColorBrush(COLOR_BTNFACE));
  if (!box.picture) return;
  const ScopedMemoryDC memory(item.hDC);
  if (!memory.get()) return;
  const ScopedSelectObject picture(memory.get(), box.picture.get());
  // The picture fills the height of its box and keeps its proportions; the box clips it.
  const int height = r.bottom - r.top;
  const int width = ::MulDiv(about_box_design::kPictureWidthPixels, height,
                             about_box_design::kPictureHeightPixels);
  ::SetStretchBltMode(item.hDC, HALFTONE);
  ::StretchBlt(item.hDC, r.left, r.top, width, height, memory.get(), 0, 0,
               about_box_design::kPictureWidthPixels, about_box_design::kPictureHeightPixels,
               SRCCOPY);
}

INT_PTR CALLBACK AboutBoxProc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
  try {
    auto* box = reinterpret_cast<AboutBox*>(::GetWindowLongPtrW(dialog, DWLP_USER));
    switch (message) {
      case WM_INITDIALOG:
        ::SetWindowLongPtrW(dialog, DWLP_USER, lparam);
        BuildAboutBox(dialog, *reinterpret_cast<AboutBox*>(lparam));
        return FALSE;  // the focus is set
      case WM_COMMAND: {
        const int id = LOWORD(wparam);
        if (box && id >= kFirstButtonId && id < kFirstButtonId + 3 &&
            HIWORD(wparam) == BN_CLICKED) {
          if (box->setup->on_button(id - kFirstButtonId)) ::EndDialog(dialog, 0);
          return TRUE;
        }
        if (id == IDCANCEL) ::EndDialog(dialog, 0);  // Escape closes the box as Close does
        return TRUE;
      }
      case WM_CLOSE:  // the window's close box
        ::EndDialog(dialog, 0);
        return TRUE;
      case WM_DRAWITEM:
        if (box && wparam == kPictureId) {
          DrawPicture(*reinterpret_cast<const DRAWITEMSTRUCT*>(lparam), *box);
          return TRUE;
        }
        return FALSE;
      default:
        return FALSE;
    }
  } catch (const std::exception&) {
    ::EndDialog(dialog, 0);
    return TRUE;
  }
}

// An empty dialog template: a fixed frame with caption and close box, no controls.
struct alignas(4) EmptyDialogTemplate {
  DLGTEMPLATE dialog;
  WORD menu = 0;
  WORD window_class = 0;
  WORD title = 0;
};

}  // namespace

Status Win32System::ShowAboutBox(const AboutBoxSetup& setup) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  ::InitCommonControlsEx(&controls);

  EmptyDialogTemplate dialog_template{};
  dialog_template.dialog.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | WS_VISIBLE;
  dialog_template.dialog.dwExtendedStyle = WS_EX_DLGMODALFRAME;

  AboutBox box;
  box.setup = &setup;
  const CountdownScope countdown(countdown_, WhenTimeRunsOut::kClose);
  if (::DialogBoxIndirectParamW(::GetModuleHandleW(nullptr), &dialog_template.dialog,
                                /*hWndParent=*/nullptr, AboutBoxProc,
                                reinterpret_cast<LPARAM>(&box)) == -1) {
    return Failure{SystemErrorText(::GetLastError())};
  }
  return Done{};
}

}  // namespace kelvari
