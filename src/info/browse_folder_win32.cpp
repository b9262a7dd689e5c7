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

std::string Win32System::PathFromItemIdList(ItemIdList list) {
  std::string buffer(MAX_PATH, '\0');
  ::SHGetPathFromIDListA(static_cast<PCIDLIST_ABSOLUTE>(list), buffer.data());
  return buffer;
}

void Win32System::FreeItemIdList(ItemIdList list) {
  ::CoTaskMemFree(list);
}

}  // namespace kelvari
