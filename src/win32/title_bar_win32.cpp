#include "win32/title_bar_win32.h"

#include <algorithm>

#include "win32/device_context_win32.h"
#include "win32/dialog_font_win32.h"

namespace kelvari {
namespace {

constexpr wchar_t kEllipsis = L'\u2026';

// The width, in pixels, between the left end of the title bar's text and the first of its
// buttons. The system tells the buttons' places where it can (WM_GETTITLEBARINFOEX); elsewhere
// each visible button takes its standard width from the right end.
int TextRoom(HWND window, UINT dpi) {
  TITLEBARINFOEX info{};
  info.cbSize = sizeof info;
  if (!::SendMessageW(window, WM_GETTITLEBARINFOEX, 0, reinterpret_cast<LPARAM>(&info)) ||
      ::IsRectEmpty(&info.rcTitleBar)) {
    TITLEBARINFO basic{};
    basic.cbSize = sizeof basic;
    if (!::GetTitleBarInfo(window, &basic)) return -1;
    info.rcTitleBar = basic.rcTitleBar;
    std::copy(std::begin(basic.rgstate), std::end(basic.rgstate), std::begin(info.rgstate));
  }
  const int button = ::GetSystemMetricsForDpi(SM_CXSIZE, dpi);
  LONG right = info.rcTitleBar.right;
  for (int i = 2; i <= 5; ++i) {  // minimise, maximise, help, close
    if (info.rgstate[i] & STATE_SYSTEM_INVISIBLE) continue;
    const RECT& place = info.rgrect[i];
    right = ::IsRectEmpty(&place) ? right - button : std::min(right, place.left);
  }
  // A margin on either side of the text.
  return static_cast<int>(right - info.rcTitleBar.left) -
         4 * ::GetSystemMetricsForDpi(SM_CXEDGE, dpi);
}

}  // namespace

void ShowTitleWithEnding(HWND window, const std::wstring& title, const std::wstring& ending) {
  std::wstring whole = title + ending;
  UINT dpi = ::GetDpiForWindow(window);
  if (dpi == 0) dpi = 96;
  int room = TextRoom(window, dpi);
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  if (room < 0 ||
      !::SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi)) {
    ::SetWindowTextW(window, whole.c_str());
    return;
  }
  const UniqueFont font(::CreateFontIndirectW(&metrics.lfCaptionFont));
  const ScopedGetDC dc(nullptr);
  const ScopedSelectObject selected(dc.get(), font.get());
  const auto width = [&dc](const std::wstring& text) {
    SIZE size{};
    ::GetTextExtentPoint32W(dc.get(), text.c_str(), static_cast<int>(text.size()), &size);
    return static_cast<int>(size.cx);
  };
  // The longest start of the title that fits with "…" and the ending; at least "…" itself.
  const auto shortened = [&title, &ending](std::size_t length) {
    if (length > 0 && IS_HIGH_SURROGATE(title[length - 1])) --length;  // no half characters
    std::wstring text = title.substr(0, length);
    while (!text.empty() && text.back() == L' ') text.pop_back();
    return text + kEllipsis + ending;
  };
  // A narrow window (a short message box) grows until the whole fits, or until it has room
  // for twice "…" and the ending, whichever is less; then the title is shortened.
  const int least = width(shortened(0));
  if (const int grow = std::min(width(whole), 2 * least) - room; grow > 0) {
    RECT place;
    ::GetWindowRect(window, &place);
    ::SetWindowPos(window, nullptr, place.left - grow / 2, place.top,
                   place.right - place.left + grow, place.bottom - place.top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
    room += grow;
  }
  if (width(whole) > room) {
    std::size_t low = 0, high = title.size();
    while (low < high) {
      const std::size_t middle = (low + high + 1) / 2;
      if (width(shortened(middle)) <= room) {
        low = middle;
      } else {
        high = middle - 1;
      }
    }
    whole = shortened(low);
  }
  ::SetWindowTextW(window, whole.c_str());
}

}  // namespace kelvari
