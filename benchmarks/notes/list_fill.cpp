#include <windows.h>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>
int main() {
  std::vector<std::wstring> e;
  for (int i = 1; i <= 32767; ++i) e.push_back(L"Eintrag Nummer " + std::to_wstring(i));
  for (int mode = 0; mode < 4; ++mode) {
    HWND w = CreateWindowExW(0, L"ListBox", L"",
                             WS_POPUP | WS_VISIBLE | WS_VSCROLL | LBS_NOTIFY | LBS_EXTENDEDSEL, 0,
                             0, 300, 300, nullptr, nullptr, nullptr, nullptr);
    auto t0 = std::chrono::steady_clock::now();
    bool fast = mode & 1, store = mode & 2;
    if (fast) SendMessageW(w, WM_SETREDRAW, FALSE, 0);
    if (store) SendMessageW(w, LB_INITSTORAGE, e.size(), 32767 * 40);
    for (auto& s : e) SendMessageW(w, LB_ADDSTRING, 0, (LPARAM)s.c_str());
    if (fast) SendMessageW(w, WM_SETREDRAW, TRUE, 0);
    UpdateWindow(w);
    auto ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
    std::printf("redraw off %d, storage reserved %d: %.1f ms\n", fast, store, ms);
    DestroyWindow(w);
  }
}
