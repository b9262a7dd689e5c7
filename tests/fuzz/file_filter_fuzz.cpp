// The file dialogs' filter text: any text becomes a list of file types whose description and
// patterns are neither empty nor hold a NUL, so the list the file dialog reads is pairs of
// non-empty strings, each ended by one NUL, or the empty list.
#include "commands/file_box_filter.h"
#include "fuzz_input.h"
#include "win32/dialog_buffers_logic.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kelvari;
  const std::vector<FileType> types = FilterList(fuzz::WideFrom(data, size));
  for (const FileType& type : types) {
    fuzz::Require(!type.description.empty() && !type.patterns.empty());
  }
  const std::wstring list = FileTypeFilter(types);
  if (list.empty()) return 0;
  fuzz::Require(list.back() == L'\0');
  std::size_t parts = 0, start = 0;
  for (std::size_t i = 0; i < list.size(); ++i) {
    if (list[i] != L'\0') continue;
    fuzz::Require(i > start);  // no empty string: the system would read it as the list's end
    ++parts;
    start = i + 1;
  }
  fuzz::Require(parts == 2 * types.size());
  return 0;
}
