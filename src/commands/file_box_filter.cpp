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

std::vector<FileType> FilterList(std::wstring_view filter) {
  std::wstring text(filter);
  std::erase(text, L'\0');
  if (text.empty()) return {};
  std::vector<std::wstring_view> parts = SplitAtBars(text);
  if (parts.size() > 1 && parts.back().empty()) parts.pop_back();

  std::vector<FileType> list;
  for (std::size_t i = 0; i < parts.size(); i += 2) {
    const std::wstring_view description = parts[i];
    const std::wstring_view patterns = i + 1 < parts.size() ? parts[i + 1] : std::wstring_view();
    if (description.empty() && patterns.empty()) continue;
    const std::wstring_view shown_patterns = patterns.empty() ? kAllFiles : patterns;
    list.push_back({std::wstring(description.empty() ? shown_patterns : description),
                    std::wstring(shown_patterns)});
  }
  return list;
}

}  // namespace kelvari
