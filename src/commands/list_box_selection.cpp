#include "commands/list_box_selection.h"

#include <algorithm>

#include "core/parameter_file.h"

namespace kelvari {
namespace {

// The positions the answer is made of: the first one in the list in single selection, all in
// list order and once each in multiple selection.
std::vector<std::size_t> Answered(const std::vector<std::wstring>& entries,
                                  const std::vector<int>& selected, bool multi_select) {
  std::vector<int> ordered(selected);
  if (multi_select) {
    std::sort(ordered.begin(), ordered.end());
    ordered.erase(std::unique(ordered.begin(), ordered.end()), ordered.end());
  }
  std::vector<std::size_t> positions;
  for (int position : ordered) {
    if (position < 0 || static_cast<std::size_t>(position) >= entries.size()) continue;
    positions.push_back(static_cast<std::size_t>(position));
    if (!multi_select) break;
  }
  return positions;
}

}  // namespace

std::vector<std::wstring> ListAnswerEntries(const std::vector<std::wstring>& entries,
                                            const std::vector<int>& selected, ListAnswerKind kind) {
  std::vector<std::wstring> answered;
  for (std::size_t position : Answered(entries, selected, kind.multi_select)) {
    answered.push_back(kind.numeric && kind.multi_select ? std::to_wstring(position + 1)
                                                         : entries[position]);
  }
  return answered;
}

std::wstring BuildListResult(const std::vector<std::wstring>& entries,
                             const std::vector<int>& selected, ListAnswerKind kind) {
  const bool numbers = kind.multi_select && kind.numeric;
  std::wstring result;
  bool first = true;
  for (std::size_t position : Answered(entries, selected, kind.multi_select)) {
    if (numbers) {
      if (!result.empty()) result += L' ';
      result += std::to_wstring(position + 1);
    } else if (kind.quoted) {
      if (!first) result += L' ';
      result += L'"' + entries[position] + L'"';
    } else if (!kind.multi_select) {
      result = entries[position];
    } else {
      if (!result.empty()) result += L' ';
      result += TrimBlanks(entries[position]);
    }
    first = false;
  }
  return result;
}

std::optional<std::wstring> EntryQuotesCannotHold(const std::vector<std::wstring>& entries,
                                                  const std::vector<int>& selected,
                                                  ListAnswerKind kind) {
  if (!kind.quoted || (kind.multi_select && kind.numeric)) return std::nullopt;
  for (std::size_t position : Answered(entries, selected, kind.multi_select)) {
    if (entries[position].find(L'"') != std::wstring::npos) return entries[position];
  }
  return std::nullopt;
}

}  // namespace kelvari
