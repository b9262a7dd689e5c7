// The attribute words of the list dialog's parameter line: selection mode and answer kind.
#pragma once

#include <cstdint>
#include <string_view>

namespace kelvari {

// Applies one upper-cased attribute word to the two list-mode flags. Returns false, leaving
// both flags as they were, for a word that is none of SINGLESELECT, MULTISELECT, NUMERIC and
// STRING.
bool ApplyListAttribute(std::wstring_view upper_word, std::int16_t& numeric,
                        std::int16_t& multi_select);

}  // namespace kelvari
