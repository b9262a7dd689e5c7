#include "commands/drive_root_and_label.h"

namespace kelvari {

std::wstring DriveRoot(std::wstring_view word) {
  if (word.empty()) return {};
  return std::wstring(1, word.front()) + L":\\";
}

bool LabelMatches(Text& texts, const std::optional<std::wstring>& label,
                  std::wstring_view expected) {
  if (!label) return false;
  return texts.UpperCase(*label) == texts.UpperCase(expected);
}

}  // namespace kelvari
