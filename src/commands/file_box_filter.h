// The file-type list of the file dialogs: the batch file's "|"-separated text
// ("Text (*.txt)|*.txt|Bilder|*.bmp;*.ico") as a list of file types.
#pragma once

#include <string_view>
#include <vector>

#include "core/dialog_requests.h"

namespace kelvari {

// Turns `filter` into its file types, each a description and its patterns, neither empty.
// Parts are taken in pairs, in order. Damaged texts get a fixed meaning, never a cut list:
//   - one "|" at the very end is ignored ("A|*.a|" is "A|*.a");
//   - a description without patterns (a lone last part, or an empty pattern part) gets "*.*";
//   - an empty description shows its patterns instead;
//   - a pair whose two parts are both empty is left out;
//   - NUL characters in the text are dropped (the system would read one as the list's end);
//   - an empty text, or one of separators only, gives the empty list: no file-type choice,
//     every file is shown.
std::vector<FileType> FilterList(std::wstring_view filter);

}  // namespace kelvari
