// The answer of the list dialog, built from its entries and their selection.
#pragma once

#include <string>
#include <vector>

namespace kelvari {

// Single selection: the text of the selected entry, untouched; no selection gives the empty
// text. Multiple selection: the selected entries in list order, each as its text without
// blanks at either end or, when `numeric`, as its number counted from 1, joined by one blank.
// The blank goes in only when the answer is no longer empty, so an empty entry adds nothing
// at the front. `selected` holds positions counted from 0; positions outside the list are
// ignored.
std::wstring BuildListResult(const std::vector<std::wstring>& entries,
                             const std::vector<int>& selected, bool multi_select, bool numeric);

}  // namespace kelvari
