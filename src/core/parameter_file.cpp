#include "core/parameter_file.h"

#include "core/kv_cmd_file.h"
#include "core/system.h"
#include "core/text_file.h"

namespace kelvari {

ParameterFile ReadParameterFile(const std::wstring& path, int least_lines, Text& texts,
                                Files& files, Process& process, bool names_variables) {
  if (files.NamesDevice(path)) {
    return {{},
            Outcome::Fault(L"Die Parameterdatei '" + path + L"' konnte nicht gelesen werden:\r" +
                           kNamesDeviceText)};
  }
  if (!files.IsNormalFile(path)) return {{}, Outcome::Error(kErrParamFileMissing)};
  Result<std::string> read = files.ReadWholeFile(path);
  if (!read.ok()) {
    return {{},
            Outcome::Fault(L"Die Parameterdatei '" + path + L"' konnte nicht gelesen werden:\r" +
                           read.reason())};
  }
  std::string& bytes = read.value();
  Result<std::vector<std::wstring>> kept = ParameterLinesOf(bytes, texts, process, names_variables);
  bytes.clear();
  if (!kept.ok()) return {{}, Outcome::Fault(kept.reason())};
  std::vector<std::wstring>& lines = kept.value();
  const int count = static_cast<int>(lines.size());
  if (count > kMaxLines) {
    return {{},
            Outcome::Fault(L"Die Parameterdatei '" + path + L"' enth\u00E4lt mehr als " +
                           std::to_wstring(kMaxLines) + L" Zeilen.")};
  }
  if (count < least_lines) return {std::move(lines), Outcome::Error(kErrTooFewLines)};
  return {std::move(lines), std::nullopt};
}

std::wstring TrimBlanks(std::wstring_view text) {
  const auto first = text.find_first_not_of(L' ');
  if (first == std::wstring_view::npos) return {};
  const auto last = text.find_last_not_of(L' ');
  return std::wstring(text.substr(first, last - first + 1));
}

bool IsCommentLine(std::wstring_view trimmed, Text& texts) {
  if (trimmed.empty()) return false;
  if (trimmed[0] == L';' || trimmed[0] == L'\'') return true;
  return trimmed.size() >= 3 && texts.UpperCase(trimmed.substr(0, 3)) == L"REM";
}

std::vector<std::wstring> KeepParameterLines(const std::vector<std::wstring>& lines, Text& texts) {
  std::vector<std::wstring> kept;
  kept.reserve(lines.size());
  for (const auto& line : lines) {
    std::wstring trimmed = TrimBlanks(line);
    if (!IsCommentLine(trimmed, texts)) kept.push_back(std::move(trimmed));
  }
  return kept;
}

Result<std::vector<std::wstring>> ParameterLinesOf(std::string_view bytes, Text& texts,
                                                   Process& process, bool names_variables) {
  if (auto own = ReadKvCmdFile(bytes, texts, process, names_variables)) {
    if (own->fault) return Failure{std::move(*own->fault)};
    return std::move(own->lines);
  }
  return KeepParameterLines(SplitLines(DecodeTextFile(bytes, texts)), texts);
}

std::wstring JoinPrompt(const std::vector<std::wstring>& lines, int first) {
  std::wstring prompt;
  for (std::size_t k = first < 0 ? 0 : static_cast<std::size_t>(first); k < lines.size(); ++k) {
    prompt += lines[k];
    if (k + 1 < lines.size()) prompt += L'\r';
  }
  return prompt;
}

}  // namespace kelvari
