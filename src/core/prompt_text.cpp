#include "core/prompt_text.h"

namespace kelvari {

std::wstring PromptForTextControl(std::wstring_view prompt) {
  std::wstring text;
  text.reserve(prompt.size() + prompt.size() / 8);
  for (std::size_t i = 0; i < prompt.size(); ++i) {
    text += prompt[i];
    if (prompt[i] == L'\r' && (i + 1 == prompt.size() || prompt[i + 1] != L'\n')) text += L'\n';
  }
  return text;
}

std::wstring BoxTitle(const std::wstring& title_line) {
  return title_line.empty() ? std::wstring(L"KELVARI") : title_line;
}

}  // namespace kelvari
