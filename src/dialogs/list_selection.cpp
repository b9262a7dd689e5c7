#include "dialogs/list_selection.h"

#include <algorithm>

#include "frontend/param_lines.h"

namespace kelvari {

std::wstring BuildListResult(const std::vector<std::wstring>& entries,
                             const std::vector<int>& selected, bool multi_select, bool numeric) {
  const auto in_list = [&](int position) {
    return position >= 0 && static_cast<std::size_t>(position) < entries.size();
  };
  if (!multi_select) {
    for (int position : selected) {
      if (in_list(position)) return entries[static_cast<std::size_t>(position)];
    }
    return {};
  }

  std::vector<int> ordered(selected);
  std::sort(ordered.begin(), ordered.end());
  ordered.erase(std::unique(ordered.begin(), ordered.end()), ordered.end());
  std::wstring result;
  for (int position : ordered) {
    if (!in_list(position)) continue;
    if (!result.empty()) result += L' ';
    if (numeric) {
      result += std::to_wstring(position + 1);
    } else {
      result += TrimBlanks(entries[static_cast<std::size_t>(position)]);
    }
  }
  return result;
}

}  // namespace kelvari
