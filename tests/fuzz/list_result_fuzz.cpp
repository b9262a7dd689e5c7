// Building the list dialog's answer from any entries and selection: a single selection gives
// an entry as it stands, a multiple one never starts with a blank (it may end with one: an
// empty entry selected last adds only its separating blank), and a quoted answer walks back,
// item by item, to whole entries of the list whenever no entry of it holds a quote.
#include <algorithm>

#include "commands/list_box_selection.h"
#include "fuzz_input.h"

namespace kelvari {
namespace {

bool InList(const std::vector<std::wstring>& entries, const std::wstring& text) {
  return std::find(entries.begin(), entries.end(), text) != entries.end();
}

// Splits `result` as `for %%f in (...)` with "%%~f" does for items in quotes.
void RequireWalksBackToEntries(const std::wstring& result,
                               const std::vector<std::wstring>& entries) {
  std::size_t p = 0;
  while (p < result.size()) {
    fuzz::Require(result[p] == L'"');
    const std::size_t end = result.find(L'"', p + 1);
    fuzz::Require(end != std::wstring::npos);
    fuzz::Require(InList(entries, result.substr(p + 1, end - p - 1)));
    p = end + 1;
    if (p == result.size()) break;
    fuzz::Require(result[p] == L' ' && p + 1 < result.size());
    ++p;
  }
}

}  // namespace
}  // namespace kelvari

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kelvari;
  if (size < 2) return 0;
  const ListAnswerKind kind{(data[0] & 1) != 0, (data[0] & 2) != 0, (data[0] & 4) != 0};
  const std::size_t count = data[1] % 16;
  std::vector<std::wstring> entries;
  std::vector<int> selected;
  std::size_t i = 2;
  for (std::size_t e = 0; e < count && i < size; ++e) {
    const std::size_t len = data[i++] % 8;
    std::wstring text;
    for (std::size_t k = 0; k < len && i < size; ++k) text.push_back(L" a\tb\0\""[data[i++] % 6]);
    entries.push_back(text);
  }
  while (i < size) selected.push_back(static_cast<int>(static_cast<std::int8_t>(data[i++])));
  const std::wstring result = BuildListResult(entries, selected, kind);
  if (kind.quoted && !(kind.multi_select && kind.numeric)) {
    if (!EntryQuotesCannotHold(entries, selected, kind)) RequireWalksBackToEntries(result, entries);
  } else if (!kind.multi_select) {
    fuzz::Require(result.empty() || InList(entries, result));
  } else if (!result.empty()) {
    fuzz::Require(result.front() != L' ');
  }
  return 0;
}
