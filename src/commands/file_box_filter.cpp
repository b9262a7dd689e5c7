#include "commands/file_box_filter.h"

#include <vector>

namespace kelvari {
namespace {

constexpr std::wstring_view kAllFiles = L"*.*";

std::vector<std::wstring_view> SplitAtBars(std::wstring_view text) {
  std::vector<std::wstring_view> parts;
  for (;;) {
    const auto bar = text.find(L'|');
    parts.push_back(text.substr(0, bar));
    if (bar == std::wstring_view::npos) break;
    text.remove_prefix(bar + 1);
  }
  return parts;
}

}  // namespace

std::wstring FilterList(std::wstring_view filter) {
  // A NUL inside a part would end the system's list early or make it odd: drop them.
  std::wstring text(filter);
  std::erase(text, L'\0');
  if (text.empty()) return {};
  std::vector<std::wstring_view> parts = SplitAtBars(text);
  if (parts.size() > 1 && parts.back().empty()) parts.pop_back();

  std::wstring list;
  for (std::size_t i = 0; i < parts.size(); i += 2) {
    const std::wstring_view description = parts[i];
    const std::wstring_view patterns = i + 1 < parts.size() ? parts[i + 1] : std::wstring_view();
    if (description.empty() && patterns.empty()) continue;
    const std::wstring_view shown_patterns = patterns.empty() ? kAllFiles : patterns;
    list += description.empty() ? shown_patterns : description;
    list += L'\0';
    list += shown_patterns;
    list += L'\0';
  }
  return list;
}

}  // namespace kelvari
