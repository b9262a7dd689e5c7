// The attribute words of the list dialog's parameter line: selection mode, answer kind, quoted
// answers, the entries selected when the dialog opens (by number or by text) and the entries
// that stay selected.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "commands/list_box_selection.h"
#include "core/outcome.h"

namespace kelvari {

class Text;

// What the attribute line of LISTBOX asks for: how the answer is written, and the entries
// selected when the dialog opens (positions from 0, in list order, once each).
struct ListBoxAttributes {
  ListAnswerKind kind;
  std::vector<int> preselected;
  std::wstring selected_word;  // the SELECTED word in force, as given
  // SELECTEDTEXT=: the text of the entry selected when the dialog opens, in place of
  // `preselected`; nullopt without the word.
  std::optional<std::wstring> selected_text;
  // REQUIRED=n[,m...] (multiple selection only): entries selected at open that cannot be
  // unselected; positions from 0, in list order, once each.
  std::vector<int> required;
  std::wstring required_word;  // the REQUIRED word in force, as given
  Step failure;                // error 7 naming the word that is not allowed, or a fault
};

// Reads the attribute line: SINGLESELECT, MULTISELECT, NUMERIC, STRING, QUOTED, SELECTED=n[,m...]
// and REQUIRED=n[,m...], in any case; a later word overrides an earlier one. A word
// SELECTEDTEXT= (any case, at the start or after a blank) ends the words: the rest of the line,
// exactly as it stands, is the text of the entry to select, in place of any SELECTED word.
// Single selection holds one entry: a SELECTED word naming more is not allowed there, nor a
// REQUIRED word.
ListBoxAttributes ReadListBoxAttributes(const std::wstring& line, Text& texts);

// Applies one upper-cased attribute word to the two list-mode flags. Returns false, leaving
// both flags as they were, for a word that is none of SINGLESELECT, MULTISELECT, NUMERIC and
// STRING.
bool ApplyListAttribute(std::wstring_view upper_word, bool& numeric, bool& multi_select);

// The numbers of an upper-cased word SELECTED=n[,m...], as positions counted from 0 in the
// order given (duplicates kept). Nullopt for any other word, and for a SELECTED word whose
// list is empty, has an empty part or a part that is not digits only, or names a number
// outside 1 to 32767 (no list has more entries).
std::optional<std::vector<int>> ReadSelectedWord(std::wstring_view upper_word);

// The same for an upper-cased word of any `prefix` ("REQUIRED=").
std::optional<std::vector<int>> ReadNumbersWord(std::wstring_view upper_word,
                                                std::wstring_view prefix);

}  // namespace kelvari
