#include "commands/list_box_file.h"

#include "core/kv_cmd_file.h"
#include "core/parameter_file.h"
#include "core/system.h"
#include "core/text_file.h"

namespace kelvari {

ListFileContent ReadListFile(const std::wstring& path, Text& texts, Files& files, Process& process,
                             bool names_variables) {
  ListFileContent content;
  Result<std::string> read = files.ReadWholeFile(path);
  if (!read.ok()) {
    content.problem = ListFileContent::Problem::kUnreadable;
    content.failure = read.failure();
    return content;
  }
  const std::string& bytes = read.value();
  if (auto own = ReadKvCmdFile(bytes, texts, process, names_variables)) {  // a list kv.cmd wrote
    if (own->fault) {
      content.problem = ListFileContent::Problem::kLineBreakInVariable;
      content.failure = Failure{std::move(*own->fault)};
      return content;
    }
    content.entries = std::move(own->lines);
  } else {
    content.entries = SplitLines(DecodeTextFile(bytes, texts));
  }
  if (content.entries.size() > static_cast<std::size_t>(kMaxLines)) {
    content.problem = ListFileContent::Problem::kTooManyLines;
    content.entries.clear();
  }
  return content;
}

}  // namespace kelvari
