#include "core/long_path.h"

namespace kelvari {

std::wstring LongPathForm(std::wstring_view given, std::wstring_view full) {
  if (given.starts_with(L"\\\\?\\") || given.starts_with(L"\\\\.\\")) return std::wstring(given);
  if (full.size() < kLongPathFrom || full.starts_with(L"\\\\?\\") || full.starts_with(L"\\\\.\\")) {
    return std::wstring(given);
  }
  if (full.starts_with(L"\\\\")) return L"\\\\?\\UNC\\" + std::wstring(full.substr(2));
  return L"\\\\?\\" + std::wstring(full);
}

}  // namespace kelvari
