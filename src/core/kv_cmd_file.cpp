#include "core/kv_cmd_file.h"

#include "core/system.h"
#include "core/text_file.h"

namespace kelvari {
namespace {

// The names of a file of variables, decoded like a file with the plain sign of that encoding.
std::optional<std::wstring> VariableNames(std::string_view bytes, Text& texts) {
  constexpr std::string_view kUtf8Sign = ";kv.cmd:UTF-8:VARIABLES\r\n";
  constexpr std::string_view kAnsiSign = ";kv.cmd:ANSI:VARIABLES\r\n";
  if (bytes.starts_with(kUtf8Sign)) {
    return DecodeKvCmdFile(";kv.cmd:UTF-8\r\n" + std::string(bytes.substr(kUtf8Sign.size())),
                           texts);
  }
  if (bytes.starts_with(kAnsiSign)) {
    return DecodeKvCmdFile(";kv.cmd:ANSI\r\n" + std::string(bytes.substr(kAnsiSign.size())), texts);
  }
  return std::nullopt;
}

}  // namespace

std::optional<KvCmdLines> ReadKvCmdFile(std::string_view bytes, Text& texts, Process& process,
                                        bool names_variables) {
  KvCmdLines result;
  if (const auto names = names_variables ? VariableNames(bytes, texts) : std::nullopt) {
    for (const std::wstring& name : SplitLines(*names)) {
      std::wstring value;
      if (!name.empty()) value = process.EnvironmentVariable(name).value_or(std::wstring());
      if (value.find_first_of(L"\r\n") != std::wstring::npos) {
        result.lines.clear();
        result.fault = L"Die Umgebungsvariable '" + name +
                       L"' enth\u00E4lt einen Zeilenumbruch und kann keine Zeile sein.";
        return result;
      }
      result.lines.push_back(std::move(value));
    }
    return result;
  }
  if (const auto text = DecodeKvCmdFile(bytes, texts)) {
    result.lines = SplitLines(*text);
    return result;
  }
  return std::nullopt;
}

}  // namespace kelvari
