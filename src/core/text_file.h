// Turning the bytes of a text file (a parameter file or a list file) into lines.
//
// Files are ANSI text in the system code page. Two kinds of file written by today's editors are
// recognised as well: a file that starts with a UTF-8 or UTF-16 byte-order mark is read in that
// encoding (the mark is not part of the first line), and a file without a mark is read as UTF-8
// when LooksLikeUtf8 says so. UTF-8 is decoded strictly: an invalid or overlong sequence becomes
// U+FFFD and never takes a following byte with it. NUL characters are dropped: no window can
// show them, and no text of a batch file holds them.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kelvari {

class Text;

// Decodes the file content to wide text as described above.
std::wstring DecodeTextFile(std::string_view bytes, Text& texts);

// kv.cmd marks the files it writes for the program (parameter files from its /T and /V
// arguments, list files) with a first line of its own, exactly ";kv.cmd:UTF-8" or
// ";kv.cmd:ANSI" ended by CR LF, or ";kv.cmd:UTF-16" and CR LF in UTF-16LE (a file that cmd /u
// wrote whole, without a byte-order mark), so that their text never depends on LooksLikeUtf8.
// For such a file: the text after that line, decoded as it names (UTF-8 strictly), NUL
// characters dropped.
// Nullopt for every other file.
std::optional<std::wstring> DecodeKvCmdFile(std::string_view bytes, Text& texts);

// True when `bytes` are valid UTF-8 and hold at least one multi-byte sequence whose first byte
// is none of C4, D6, DC, DF and E4. Those are Ä, Ö, Ü, ß and ä in ANSI, which followed by ANSI
// punctuation (80 to BF: … “ ” – ° » and the like) form valid UTF-8 as well, so German ANSI
// text in any mix of letters, umlauts, ß and punctuation never reads as UTF-8.
bool LooksLikeUtf8(std::string_view bytes);

// Splits `text` into lines. CR LF and a lone CR end a line; a lone LF stays in the line's text.
// The last line needs no line end; a text that ends with a line end has no empty line after it.
std::vector<std::wstring> SplitLines(std::wstring_view text);

}  // namespace kelvari
