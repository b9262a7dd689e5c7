// Windows of programs that the test did not start itself, such as a kelvari.exe that a batch
// file started: found by the image name of their process.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace kvtest {

// The visible top-level windows of every running process whose image is `image` (for example
// L"kelvari.exe", compared without regard to case).
std::vector<HWND> WindowsOfImage(const std::wstring& image);

// Waits until a visible top-level window of such a process has the title `title`; nullptr
// after the timeout.
HWND WaitForWindowOfImage(const std::wstring& image, const std::wstring& title,
                          int timeout_ms = 60000);

// The number of running processes whose image is `image`.
int CountProcesses(const std::wstring& image);

}  // namespace kvtest
