// The answer of the list dialog, built from its entries and their selection.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace kelvari {

// How the answer is written: the list's selection mode and the attribute words that shape it.
struct ListAnswerKind {
  bool multi_select = false;
  bool numeric = false;  // entry numbers; in multiple selection only
  bool quoted = false;   // each entry text in double quotes, exactly as it stands
};

// Single selection: the text of the selected entry, untouched; no selection gives the empty
// text. Multiple selection: the selected entries in list order, each as its text without
// blanks at either end or, when `numeric`, as its number counted from 1, joined by one blank.
// The blank goes in only when the answer is no longer empty, so an empty entry adds nothing
// at the front. `quoted` writes each entry text whole in double quotes, also an empty one,
// with one blank between two (numbers stay bare), so that a batch file can walk the answer
// with `for %%f in (...)`. `selected` holds positions counted from 0; positions outside the
// list are ignored.
std::wstring BuildListResult(const std::vector<std::wstring>& entries,
                             const std::vector<int>& selected, ListAnswerKind kind);

// The entries of the answer one by one, in the order BuildListResult writes them: each entry
// text exactly as it stands (no quotes, blanks kept), or its number when `numeric`.
std::vector<std::wstring> ListAnswerEntries(const std::vector<std::wstring>& entries,
                                            const std::vector<int>& selected, ListAnswerKind kind);

// The first entry of the answer that a quoted answer cannot hold unambiguously, since it has
// a double quote of its own; nullopt when there is none or the answer is not quoted texts.
std::optional<std::wstring> EntryQuotesCannotHold(const std::vector<std::wstring>& entries,
                                                  const std::vector<int>& selected,
                                                  ListAnswerKind kind);

}  // namespace kelvari
