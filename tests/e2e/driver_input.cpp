// The driver's list-box readers and its real mouse and keyboard input.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <thread>

#include "driver.h"

namespace kvtest {
namespace {

INPUT Key(WORD vk, bool up) {
  INPUT in{};
  in.type = INPUT_KEYBOARD;
  in.ki.wVk = vk;
  in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return in;
}

// A pause after input that no state of the program shows: under load, Wine's X11 side needs a
// moment after an activation or a click before the next input reaches the window (without it,
// 5 of 80 test groups lost a first click or key on a loaded machine). Everything a test reads
// after input is still waited for by its state (Eventually).
void LetTheDisplayCatchUp() {
  std::this_thread::sleep_for(std::chrono::milliseconds(150));
}

// Raises `window`'s top-level window and waits until it is the foreground window and its thread
// has handled the messages of the change, so that input goes to it.
void BringToFront(HWND window) {
  HWND top = GetAncestor(window, GA_ROOT);
  SetForegroundWindow(top);
  if (!Eventually([&] { return GetForegroundWindow() == top; }, 5000)) {
    std::fprintf(stderr, "input: window %p did not come to the front (the front is %p)\n",
                 static_cast<void*>(top), static_cast<void*>(GetForegroundWindow()));
  }
  // The window's own thread must have taken the activation too: it sees itself active with a
  // focused control. The message sent after it returns once the activation's messages are done.
  const DWORD thread = GetWindowThreadProcessId(top, nullptr);
  const auto active = [&] {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(thread, &info) && info.hwndActive == top && info.hwndFocus;
  };
  if (!Eventually(active, 5000)) {
    std::fprintf(stderr, "input: window %p is in front but its thread has not taken it\n",
                 static_cast<void*>(top));
  }
  DWORD_PTR ignored;
  SendMessageTimeoutW(top, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &ignored);
  LetTheDisplayCatchUp();
}

// Queues `inputs` for the foreground window's thread. The thread takes them in order, after
// any input queued before; what they change is for the caller to wait for (see Eventually).
void Send(std::vector<INPUT> inputs) {
  const UINT sent = SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
  EXPECT_EQ(sent, inputs.size());
  LetTheDisplayCatchUp();
}

}  // namespace

std::wstring ControlText(HWND control) {
  const LRESULT length = SendMessageW(control, WM_GETTEXTLENGTH, 0, 0);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const LRESULT got =
      SendMessageW(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
  return text;
}

std::vector<std::wstring> ListEntries(HWND list) {
  std::vector<std::wstring> entries;
  const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const LRESULT got = SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i),
                                     reinterpret_cast<LPARAM>(text.data()));
    text.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
    entries.push_back(text);
  }
  return entries;
}

std::vector<int> ListSelection(HWND list) {
  std::vector<int> selected;
  const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    if (SendMessageW(list, LB_GETSEL, static_cast<WPARAM>(i), 0) > 0) {
      selected.push_back(static_cast<int>(i));
    }
  }
  return selected;
}

bool IsExtendedSelection(HWND list) {
  return (GetWindowLongW(list, GWL_STYLE) & LBS_EXTENDEDSEL) != 0;
}

RECT RectInParent(HWND control) {
  RECT r;
  GetWindowRect(control, &r);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

HWND ChildOfClass(HWND parent, const std::wstring& control_class, int nth) {
  for (HWND c : Children(parent)) {
    if (ClassName(c) == control_class && IsWindowVisible(c) && nth-- == 0) return c;
  }
  return nullptr;
}

// The mouse input that moves the pointer to `screen`, in the absolute units SendInput takes.
static INPUT MoveInput(POINT screen) {
  const int width = GetSystemMetrics(SM_CXSCREEN) - 1, height = GetSystemMetrics(SM_CYSCREEN) - 1;
  INPUT move{};
  move.type = INPUT_MOUSE;
  move.mi.dx = screen.x * 65535 / width;
  move.mi.dy = screen.y * 65535 / height;
  move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  return move;
}

void ClickAt(HWND window, POINT client_point, bool double_click) {
  BringToFront(window);
  POINT screen = client_point;
  ClientToScreen(window, &screen);
  std::vector<INPUT> inputs{MoveInput(screen)};
  for (int i = 0; i < (double_click ? 2 : 1); ++i) {
    INPUT down{}, up{};
    down.type = up.type = INPUT_MOUSE;
    down.mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    up.mi.dwFlags = MOUSEEVENTF_LEFTUP;
    inputs.push_back(down);
    inputs.push_back(up);
  }
  Send(inputs);
}

void TurnWheel(HWND window) {
  BringToFront(window);
  RECT r;
  GetWindowRect(window, &r);
  INPUT wheel{};
  wheel.type = INPUT_MOUSE;
  wheel.mi.dwFlags = MOUSEEVENTF_WHEEL;
  wheel.mi.mouseData = static_cast<DWORD>(-WHEEL_DELTA);  // one notch towards the user
  Send({MoveInput({(r.left + r.right) / 2, (r.top + r.bottom) / 2}), wheel});
}

void MoveMouseTo(POINT screen) {
  Send({MoveInput(screen)});
}

void ClickCloseBox(HWND window) {
  RECT outer;
  GetWindowRect(window, &outer);
  const int frame = GetSystemMetrics(SM_CXFIXEDFRAME);
  const int caption = GetSystemMetrics(SM_CYCAPTION);
  // The close box is the rightmost of the caption's buttons, one button width wide.
  POINT point{outer.right - frame - GetSystemMetrics(SM_CXSIZE) / 2,
              outer.top + frame + caption / 2};
  ScreenToClient(window, &point);
  ClickAt(window, point);
}

void PressKey(WORD virtual_key, bool with_alt, bool with_ctrl, bool with_shift) {
  std::vector<INPUT> inputs;
  if (with_alt) inputs.push_back(Key(VK_MENU, false));
  if (with_ctrl) inputs.push_back(Key(VK_CONTROL, false));
  if (with_shift) inputs.push_back(Key(VK_SHIFT, false));
  inputs.push_back(Key(virtual_key, false));
  inputs.push_back(Key(virtual_key, true));
  if (with_shift) inputs.push_back(Key(VK_SHIFT, true));
  if (with_ctrl) inputs.push_back(Key(VK_CONTROL, true));
  if (with_alt) inputs.push_back(Key(VK_MENU, true));
  Send(inputs);
}

void HoldKey(WORD virtual_key, bool down) {
  Send({Key(virtual_key, !down)});
}

void TypeText(const std::wstring& text) {
  std::vector<INPUT> inputs;
  for (wchar_t c : text) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wScan = c;
    in.ki.dwFlags = KEYEVENTF_UNICODE;
    inputs.push_back(in);
    in.ki.dwFlags |= KEYEVENTF_KEYUP;
    inputs.push_back(in);
  }
  Send(inputs);
}

}  // namespace kvtest
