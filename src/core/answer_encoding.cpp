#include "core/answer_encoding.h"

#include <cstdio>
#include <set>

namespace kelvari {
namespace {

// A message names at most this many characters; the user can correct them a few at a time.
constexpr std::size_t kMaxCharactersNamed = 8;

bool IsHighSurrogate(char32_t c) {
  return c >= 0xD800 && c <= 0xDBFF;
}
bool IsLowSurrogate(char32_t c) {
  return c >= 0xDC00 && c <= 0xDFFF;
}

// The code point of the character that starts at `i`, and how many wide characters it takes:
// two for a surrogate pair where wide characters are UTF-16. Half a pair alone stays as it is.
char32_t CodePointAt(std::wstring_view text, std::size_t i, std::size_t& length) {
  const auto first = static_cast<char32_t>(text[i]);
  length = 1;
  if (IsHighSurrogate(first) && i + 1 < text.size() &&
      IsLowSurrogate(static_cast<char32_t>(text[i + 1]))) {
    length = 2;
    return 0x10000 + ((first - 0xD800) << 10) + (static_cast<char32_t>(text[i + 1]) - 0xDC00);
  }
  return first;
}

// UTF-8 of every character; half a surrogate pair alone (or a value beyond U+10FFFF) is no
// character and cannot be written: it becomes U+FFFD and the text is not exact.
AnsiText ToUtf8(std::wstring_view text) {
  AnsiText out;
  out.bytes.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    std::size_t length = 1;
    char32_t cp = CodePointAt(text, i, length);
    i += length;
    if (IsHighSurrogate(cp) || IsLowSurrogate(cp) || cp > 0x10FFFF) {
      out.exact = false;
      cp = 0xFFFD;
    }
    const auto put = [&out](char32_t byte) { out.bytes.push_back(static_cast<char>(byte)); };
    if (cp < 0x80) {
      put(cp);
    } else if (cp < 0x800) {
      put(0xC0 | (cp >> 6));
      put(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
      put(0xE0 | (cp >> 12));
      put(0x80 | ((cp >> 6) & 0x3F));
      put(0x80 | (cp & 0x3F));
    } else {
      put(0xF0 | (cp >> 18));
      put(0x80 | ((cp >> 12) & 0x3F));
      put(0x80 | ((cp >> 6) & 0x3F));
      put(0x80 | (cp & 0x3F));
    }
  }
  return out;
}

bool Holds(Text& texts, ResultCharset charset, std::wstring_view text) {
  return EncodeAnswer(texts, charset, text).exact;
}

// "中 (U+4E2D)": the character and its code, which tells look-alikes and invisible ones apart.
std::wstring Named(std::wstring_view character, char32_t code) {
  char digits[16];
  std::snprintf(digits, sizeof digits, "U+%04X", static_cast<unsigned>(code));
  std::wstring named(digits, digits + std::char_traits<char>::length(digits));
  if (IsHighSurrogate(code) || IsLowSurrogate(code)) return named;  // half a pair: nothing to show
  return std::wstring(character) + L" (" + named + L")";
}

}  // namespace

AnsiText EncodeAnswer(Text& texts, ResultCharset charset, std::wstring_view text) {
  return charset == ResultCharset::kUtf8 ? ToUtf8(text) : texts.ToAnsi(text);
}

std::wstring NotHeldPhrase(ResultCharset charset) {
  return std::wstring(L" enth\u00E4lt Zeichen, die ") +
         (charset == ResultCharset::kUtf8 ? L"in UTF-8" : L"im Zeichensatz von Windows (ANSI)") +
         L" nicht darstellbar sind";
}

std::optional<std::wstring> NotHeldReason(Text& texts, ResultCharset charset,
                                          std::wstring_view text) {
  if (Holds(texts, charset, text)) return std::nullopt;
  std::set<char32_t> looked_at;
  std::wstring names;
  std::size_t named = 0;
  bool more = false;
  for (std::size_t i = 0; i < text.size();) {
    std::size_t length = 1;
    const char32_t code = CodePointAt(text, i, length);
    const std::wstring_view character = text.substr(i, length);
    i += length;
    if (code < 0x80 || !looked_at.insert(code).second) continue;  // ASCII is held everywhere
    if (Holds(texts, charset, character)) continue;
    if (named == kMaxCharactersNamed) {
      more = true;
      break;
    }
    if (named++ > 0) names += L", ";
    names += Named(character, code);
  }
  if (named == 0) names = L"?";  // held one by one, but not together (cannot happen)
  if (more) names += L" \u2026";
  return NotHeldPhrase(charset) + L": " + names + L".";
}

std::optional<std::wstring> ExactPath(Text& texts, Files& files, ResultCharset charset,
                                      const std::wstring& path) {
  if (Holds(texts, charset, path)) return path;
  if (auto short_path = files.ShortPath(path); short_path && Holds(texts, charset, *short_path)) {
    return short_path;
  }
  // A name that does not exist yet (a file to be saved) has no short form; its folder may.
  const std::size_t slash = path.find_last_of(L"\\/");
  if (slash == std::wstring::npos || slash + 1 == path.size()) return std::nullopt;
  const std::wstring name = path.substr(slash + 1);
  if (!Holds(texts, charset, name)) return std::nullopt;
  std::wstring folder = path.substr(0, slash);
  if (folder.empty() || folder.back() == L':') folder += path[slash];  // a root keeps its slash
  const auto short_folder = files.ShortPath(folder);
  if (!short_folder || short_folder->empty() || !Holds(texts, charset, *short_folder)) {
    return std::nullopt;
  }
  const wchar_t last = short_folder->back();
  return *short_folder + (last == L'\\' || last == L'/' ? L"" : L"\\") + name;
}

Outcome PathAnswer(Text& texts, Files& files, ResultCharset charset, const std::wstring& path,
                   int exit_code) {
  if (const auto exact = ExactPath(texts, files, charset, path)) {
    return Outcome::Answer(*exact, exit_code);
  }
  return Outcome::Fault(
      L"Der Pfad '" + path + L"'" + NotHeldReason(texts, charset, path).value_or(L"") +
      L"\rEr hat auch keinen kurzen Namen (8.3), der sich so darstellen l\u00E4sst. "
      L"Deshalb kann er nicht an die Stapeldatei weitergegeben werden.");
}

}  // namespace kelvari
