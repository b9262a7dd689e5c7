// The attribute words of the list dialog's parameter line: selection mode, answer kind, quoted
// answers and the entries selected when the dialog opens.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace kelvari {

// Applies one upper-cased attribute word to the two list-mode flags. Returns false, leaving
// both flags as they were, for a word that is none of SINGLESELECT, MULTISELECT, NUMERIC and
// STRING.
bool ApplyListAttribute(std::wstring_view upper_word, std::int16_t& numeric,
                        std::int16_t& multi_select);

// The numbers of an upper-cased word SELECTED=n[,m...], as positions counted from 0 in the
// order given (duplicates kept). Nullopt for any other word, and for a SELECTED word whose
// list is empty, has an empty part or a part that is not digits only, or names a number
// outside 1 to 32767 (no list has more entries).
std::optional<std::vector<int>> ReadSelectedWord(std::wstring_view upper_word);

}  // namespace kelvari
