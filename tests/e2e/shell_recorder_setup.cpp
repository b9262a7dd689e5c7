#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <thread>

#include "driver.h"
#include "shell_recorder.h"

namespace kvtest {
namespace {

std::filesystem::path LogPath() {
  return std::filesystem::path(RecorderExe()).parent_path() / "recorder.log";
}

void SetDefault(const std::wstring& key, const std::wstring& value) {
  HKEY handle = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                            &handle, nullptr),
            ERROR_SUCCESS)
      << Utf8(key);
  RegSetValueExW(handle, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                 static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
  RegCloseKey(handle);
}

void SetString(const std::wstring& key, const wchar_t* name, const std::wstring& value) {
  HKEY handle = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                            &handle, nullptr),
            ERROR_SUCCESS);
  RegSetValueExW(handle, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                 static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
  RegCloseKey(handle);
}

}  // namespace

std::wstring RecorderExe() {
  std::wstring w = L"Z:";
  for (const char* c = KELVARI_RECORDER_UNIX_PATH; *c; ++c) w += static_cast<wchar_t>(*c);
  std::replace(w.begin(), w.end(), L'/', L'\\');
  return w;
}

void UseShellRecorder() {
  const std::wstring command = L"\"" + RecorderExe() + L"\" \"%1\"";
  SetDefault(L".htm", L"htmlfile");
  SetString(L".htm", L"Content Type", L"text/html");
  SetDefault(L"htmlfile\\shell\\open\\command", command);
  for (const wchar_t* scheme : {L"mailto", L"http", L"https"}) {
    SetString(scheme, L"URL Protocol", L"");
    SetDefault(std::wstring(scheme) + L"\\shell\\open\\command", command);
  }
  std::error_code ec;
  std::filesystem::remove(LogPath(), ec);
}

std::vector<std::wstring> RecordedShellCalls() {
  std::vector<std::wstring> calls;
  const std::optional<std::string> bytes = ReadBytes(LogPath());
  if (!bytes) return calls;
  std::size_t start = 0;
  while (start < bytes->size()) {
    const std::size_t end = bytes->find("\r\n", start);
    const std::string line = bytes->substr(start, end - start);
    const int n =
        MultiByteToWideChar(CP_UTF8, 0, line.data(), static_cast<int>(line.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, line.data(), static_cast<int>(line.size()), wide.data(), n);
    calls.push_back(wide);
    if (end == std::string::npos) break;
    start = end + 2;
  }
  return calls;
}

std::vector<std::wstring> WaitForShellCalls(std::size_t count, int timeout_ms) {
  const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout_ms);
  std::vector<std::wstring> calls = RecordedShellCalls();
  while (calls.size() < count && std::chrono::steady_clock::now() < until) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    calls = RecordedShellCalls();
  }
  return calls;
}

}  // namespace kvtest
