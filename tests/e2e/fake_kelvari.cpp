// A stand-in for kelvari.exe in the tests of kv.cmd: it appends its argument text (UTF-8) to
// fake.log beside itself, copies the file named by its third word (when there is one) to
// param.txt beside itself (and, for kv.cmd's file of variables, their values in UTF-8, one a
// line, to values.txt), writes the text of the environment variable KV_FAKE_ANSWER, in the
// ANSI code page (in UTF-8 when KVCHARSET says so) and followed by CR LF, into the file named
// by its first word (no file when the variable is not set), appends KVCHARSET's value to
// charset.log beside itself, and ends with the exit code in KV_FAKE_EXIT (0 when not set).
#include <windows.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace {

std::wstring Env(const wchar_t* name, bool& defined) {
  const DWORD size = GetEnvironmentVariableW(name, nullptr, 0);
  defined = !(size == 0 && GetLastError() == ERROR_ENVVAR_NOT_FOUND);
  if (!defined || size == 0) return {};
  std::wstring value(size, L'\0');
  value.resize(GetEnvironmentVariableW(name, value.data(), size));
  return value;
}

std::string Bytes(const std::wstring& text, UINT code_page) {
  if (text.empty()) return {};
  const int n = WideCharToMultiByte(code_page, 0, text.data(), static_cast<int>(text.size()),
                                    nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(code_page, 0, text.data(), static_cast<int>(text.size()), bytes.data(), n,
                      nullptr, nullptr);
  return bytes;
}

void Write(const std::wstring& path, const std::string& bytes, DWORD disposition) {
  HANDLE file =
      CreateFileW(path.c_str(), disposition == OPEN_ALWAYS ? FILE_APPEND_DATA : GENERIC_WRITE, 0,
                  nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
}

std::string ReadAll(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return {};
  std::string bytes(1 << 20, '\0');
  DWORD read = 0;
  ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
  CloseHandle(file);
  bytes.resize(read);
  return bytes;
}

std::wstring Wide(const std::string& bytes, UINT code_page) {
  if (bytes.empty()) return {};
  const int n =
      MultiByteToWideChar(code_page, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
  std::wstring text(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(code_page, 0, bytes.data(), static_cast<int>(bytes.size()), text.data(), n);
  return text;
}

// The values of the variables a file of kv.cmd names, in UTF-8, each followed by CR LF.
void WriteValues(const std::string& names_file, const std::wstring& to) {
  bool marked = false;
  UINT code_page = CP_ACP;
  std::string rest;
  for (const auto& [sign, page] :
       {std::pair<std::string, UINT>{";kv.cmd:UTF-8:VARIABLES\r\n", CP_UTF8},
        std::pair<std::string, UINT>{";kv.cmd:ANSI:VARIABLES\r\n", CP_ACP}}) {
    if (names_file.compare(0, sign.size(), sign) == 0) {
      marked = true;
      code_page = page;
      rest = names_file.substr(sign.size());
    }
  }
  if (!marked) return;
  std::string values;
  for (std::size_t at = 0; at < rest.size();) {
    std::size_t end = rest.find("\r\n", at);
    if (end == std::string::npos) end = rest.size();
    bool defined = false;
    values +=
        Bytes(Env(Wide(rest.substr(at, end - at), code_page).c_str(), defined), CP_UTF8) + "\r\n";
    at = end + 2;
  }
  Write(to, values, CREATE_ALWAYS);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR arguments, int) {
  wchar_t self[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring folder = self;
  folder = folder.substr(0, folder.find_last_of(L'\\') + 1);
  const std::wstring args = arguments;
  Write(folder + L"fake.log", Bytes(args, CP_UTF8) + "\r\n", OPEN_ALWAYS);

  std::vector<std::wstring> words;
  for (std::size_t at = 0; at < args.size();) {
    const std::size_t end = std::min(args.find(L' ', at), args.size());
    if (end > at) words.push_back(args.substr(at, end - at));
    at = end + 1;
  }
  DeleteFileW((folder + L"param.txt").c_str());
  DeleteFileW((folder + L"values.txt").c_str());
  if (words.size() >= 3) {
    CopyFileW(words[2].c_str(), (folder + L"param.txt").c_str(), FALSE);
    WriteValues(ReadAll(words[2]), folder + L"values.txt");
  }

  bool utf8 = false;
  const std::wstring charset = Env(L"KVCHARSET", utf8);
  Write(folder + L"charset.log", Bytes(charset, CP_UTF8) + "\r\n", OPEN_ALWAYS);
  utf8 = lstrcmpiW(charset.c_str(), L"UTF-8") == 0 || lstrcmpiW(charset.c_str(), L"UTF8") == 0;
  bool defined = false;
  const std::wstring answer = Env(L"KV_FAKE_ANSWER", defined);
  const std::wstring result_file = args.substr(0, args.find(L' '));
  if (defined && !result_file.empty()) {
    Write(result_file, Bytes(answer, utf8 ? CP_UTF8 : CP_ACP) + "\r\n", CREATE_ALWAYS);
  }
  bool has_exit = false;
  const std::wstring exit_code = Env(L"KV_FAKE_EXIT", has_exit);
  return has_exit ? _wtoi(exit_code.c_str()) : 0;
}
