// Win32System: COM for the calling thread and the shell's folder-browse dialog.
#include <windows.h>
// shlobj.h and objbase.h need the types of windows.h.
#include <objbase.h>
#include <shlobj.h>

#include "frontend/system_win32.h"

namespace kelvari {

bool Win32System::BeginCom() {
  const HRESULT hr = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  return SUCCEEDED(hr);  // S_FALSE (already initialised) needs its CoUninitialize too
}

void Win32System::EndCom() {
  ::CoUninitialize();
}

System::ItemIdList Win32System::BrowseForFolder(WindowHandle owner,
                                                const std::string& ansi_prompt) {
  BROWSEINFOA info{};
  info.hwndOwner = static_cast<HWND>(owner);
  info.pidlRoot = nullptr;
  info.pszDisplayName = nullptr;
  info.lpszTitle = ansi_prompt.c_str();
  info.ulFlags = BIF_RETURNONLYFSDIRS;
  info.lpfn = nullptr;
  info.lParam = 0;
  info.iImage = 0;
  return ::SHBrowseForFolderA(&info);
}

std::wstring Win32System::PathFromItemIdList(ItemIdList list) {
  // Wide and with room for the longest path the system knows: a folder deep below the old
  // limit of 260 characters comes back whole, and no character is changed on the way.
  std::wstring buffer(32768, L'\0');
  if (!::SHGetPathFromIDListEx(static_cast<PCIDLIST_ABSOLUTE>(list), buffer.data(),
                               static_cast<DWORD>(buffer.size()), GPFIDL_DEFAULT)) {
    return {};
  }
  buffer.resize(buffer.find(L'\0'));
  return buffer;
}

void Win32System::FreeItemIdList(ItemIdList list) {
  ::CoTaskMemFree(list);
}

}  // namespace kelvari
