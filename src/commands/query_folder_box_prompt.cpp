#include "commands/query_folder_box_prompt.h"

namespace kelvari {

std::wstring FolderPrompt(const std::vector<std::wstring>& param_lines) {
  std::wstring prompt;
  for (std::size_t k = 1; k < param_lines.size(); ++k) prompt += param_lines[k] + L"\r\n";
  return prompt;
}

}  // namespace kelvari
