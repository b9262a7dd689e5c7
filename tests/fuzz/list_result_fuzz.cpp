// Building the list dialog's answer from any entries and selection: a single selection gives
// an entry as it stands, a multiple one never starts with a blank (it may end with one: an
// empty entry selected last adds only its separating blank).
#include <algorithm>

#include "dialogs/list_selection.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kelvari;
  if (size < 2) return 0;
  const bool multi = data[0] & 1, numeric = data[0] & 2;
  const std::size_t count = data[1] % 16;
  std::vector<std::wstring> entries;
  std::vector<int> selected;
  std::size_t i = 2;
  for (std::size_t e = 0; e < count && i < size; ++e) {
    const std::size_t len = data[i++] % 8;
    std::wstring text;
    for (std::size_t k = 0; k < len && i < size; ++k) text.push_back(L" a\tb\0"[data[i++] % 5]);
    entries.push_back(text);
  }
  while (i < size) selected.push_back(static_cast<int>(static_cast<std::int8_t>(data[i++])));
  const std::wstring result = BuildListResult(entries, selected, multi, numeric);
  if (!multi) {
    const bool known =
        result.empty() || std::find(entries.begin(), entries.end(), result) != entries.end();
    fuzz::Require(known);
  } else if (!result.empty()) {
    fuzz::Require(result.front() != L' ');
  }
  return 0;
}
