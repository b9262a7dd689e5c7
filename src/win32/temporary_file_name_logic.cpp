#include "win32/temporary_file_name_logic.h"

#include <limits>

namespace kelvari {
namespace {

bool IsDigit(wchar_t c) {
  return c >= L'0' && c <= L'9';
}

}  // namespace

std::wstring TemporaryFileName(std::uint32_t pid, int number) {
  return kTemporaryFileStem + std::to_wstring(pid) + L"-" + std::to_wstring(number) + L".tmp";
}

std::uint32_t TemporaryFileOwner(std::wstring_view name) {
  const std::wstring_view stem = kTemporaryFileStem;
  if (name.size() <= stem.size() || name.substr(0, stem.size()) != stem) return 0;
  unsigned long long pid = 0;
  std::size_t i = stem.size();
  for (; i < name.size() && IsDigit(name[i]); ++i) {
    pid = pid * 10 + static_cast<unsigned>(name[i] - L'0');
    if (pid > std::numeric_limits<std::uint32_t>::max()) return 0;
  }
  if (i == stem.size() || i == name.size() || name[i] != L'-') return 0;
  std::size_t j = i + 1;
  while (j < name.size() && IsDigit(name[j])) ++j;
  if (j == i + 1 || name.substr(j) != L".tmp") return 0;
  return static_cast<std::uint32_t>(pid);
}

}  // namespace kelvari
