#include "frontend/ansi_answer.h"

#include <cstdio>
#include <set>

#include "frontend/system.h"

namespace kelvari {
namespace {

// A message names at most this many characters; the user can correct them a few at a time.
constexpr std::size_t kMaxCharactersNamed = 8;

bool IsHighSurrogate(wchar_t c) {
  return c >= 0xD800 && c <= 0xDBFF;
}
bool IsLowSurrogate(wchar_t c) {
  return c >= 0xDC00 && c <= 0xDFFF;
}

// "中 (U+4E2D)": the character and its code, which tells look-alikes and invisible ones apart.
std::wstring Named(std::wstring_view character, char32_t code) {
  char digits[16];
  std::snprintf(digits, sizeof digits, "U+%04X", static_cast<unsigned>(code));
  std::wstring named(digits, digits + std::char_traits<char>::length(digits));
  if (character.size() == 1 && (IsHighSurrogate(character[0]) || IsLowSurrogate(character[0]))) {
    return named;  // half of a pair alone: nothing to show
  }
  return std::wstring(character) + L" (" + named + L")";
}

}  // namespace

std::optional<std::wstring> NotInAnsiReason(TextsAndFiles& system, std::wstring_view text) {
  if (system.ToAnsi(text).exact) return std::nullopt;
  std::set<char32_t> looked_at;
  std::wstring names;
  std::size_t named = 0;
  bool more = false;
  for (std::size_t i = 0; i < text.size();) {
    std::size_t length = 1;
    char32_t code = text[i];
    if (IsHighSurrogate(text[i]) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
      length = 2;
      code = 0x10000 + ((code - 0xD800) << 10) + (text[i + 1] - 0xDC00);
    }
    const std::wstring_view character = text.substr(i, length);
    i += length;
    if (code < 0x80 || !looked_at.insert(code).second) continue;  // ASCII is in every ANSI page
    if (system.ToAnsi(character).exact) continue;
    if (named == kMaxCharactersNamed) {
      more = true;
      break;
    }
    if (named++ > 0) names += L", ";
    names += Named(character, code);
  }
  if (named == 0) names = L"?";  // held one by one, but not together (cannot happen)
  if (more) names += L" \u2026";
  return L" enth\u00E4lt Zeichen, die im Zeichensatz von Windows (ANSI) nicht darstellbar "
         L"sind: " +
         names + L".";
}

std::optional<std::wstring> ExactAnsiPath(TextsAndFiles& system, const std::wstring& path) {
  if (system.ToAnsi(path).exact) return path;
  if (auto short_path = system.ShortPath(path); short_path && system.ToAnsi(*short_path).exact) {
    return short_path;
  }
  // A name that does not exist yet (a file to be saved) has no short form; its folder may.
  const std::size_t slash = path.find_last_of(L"\\/");
  if (slash == std::wstring::npos || slash + 1 == path.size()) return std::nullopt;
  const std::wstring name = path.substr(slash + 1);
  if (!system.ToAnsi(name).exact) return std::nullopt;
  std::wstring folder = path.substr(0, slash);
  if (folder.empty() || folder.back() == L':') folder += path[slash];  // a root keeps its slash
  const auto short_folder = system.ShortPath(folder);
  if (!short_folder || short_folder->empty() || !system.ToAnsi(*short_folder).exact) {
    return std::nullopt;
  }
  const wchar_t last = short_folder->back();
  return *short_folder + (last == L'\\' || last == L'/' ? L"" : L"\\") + name;
}

Outcome PathAnswer(System& system, const std::wstring& path, int exit_code) {
  if (const auto exact = ExactAnsiPath(system, path)) return Outcome::Answer(*exact, exit_code);
  return Outcome::Fault(
      L"Der Pfad '" + path + L"'" + NotInAnsiReason(system, path).value_or(L"") +
      L"\rEr hat auch keinen kurzen Namen (8.3), der sich so darstellen l\u00E4sst. "
      L"Deshalb kann er nicht an die Stapeldatei weitergegeben werden.");
}

}  // namespace kelvari
