#include "core/text_file.h"

#include "core/system.h"

namespace kelvari {
namespace {

// One step of UTF-8 reading: the code point at a position and the bytes it takes. An invalid
// sequence takes its longest beginning that could still have become valid (at least one byte),
// so the byte that broke it is read again as the start of what follows.
struct Utf8Step {
  char32_t code_point;
  std::size_t length;
  bool valid;
};

Utf8Step ReadUtf8(std::string_view bytes, std::size_t i) {
  const auto b = static_cast<unsigned char>(bytes[i]);
  if (b < 0x80) return {b, 1, true};
  int extra = 0;
  unsigned char low = 0x80;   // the range of the second byte: shortest forms only, no
  unsigned char high = 0xBF;  // surrogates, nothing above U+10FFFF
  if (b >= 0xC2 && b <= 0xDF) {
    extra = 1;
  } else if (b >= 0xE0 && b <= 0xEF) {
    extra = 2;
    if (b == 0xE0) low = 0xA0;
    if (b == 0xED) high = 0x9F;
  } else if (b >= 0xF0 && b <= 0xF4) {
    extra = 3;
    if (b == 0xF0) low = 0x90;
    if (b == 0xF4) high = 0x8F;
  } else {
    return {0, 1, false};  // a continuation byte out of place, C0, C1 or F5 to FF
  }
  char32_t cp = b & (0x3F >> extra);
  for (int k = 1; k <= extra; ++k) {
    const std::size_t at = i + static_cast<std::size_t>(k);
    if (at >= bytes.size()) return {0, at - i, false};
    const auto c = static_cast<unsigned char>(bytes[at]);
    if (c < low || c > high) return {0, at - i, false};
    low = 0x80;
    high = 0xBF;
    cp = (cp << 6) | (c & 0x3F);
  }
  return {cp, static_cast<std::size_t>(extra) + 1, true};
}

// Strict UTF-8: every invalid or overlong sequence becomes one U+FFFD and no byte after it is
// lost, so no line end, quote or other ASCII character comes out of anything but its own byte.
std::wstring DecodeUtf8(std::string_view bytes) {
  std::wstring out;
  out.reserve(bytes.size());
  std::size_t i = 0;
  while (i < bytes.size()) {
    const Utf8Step step = ReadUtf8(bytes, i);
    i += step.length;
    char32_t cp = step.valid ? step.code_point : 0xFFFD;
    if constexpr (sizeof(wchar_t) == 2) {
      if (cp >= 0x10000) {
        cp -= 0x10000;
        out.push_back(static_cast<wchar_t>(0xD800 + (cp >> 10)));
        out.push_back(static_cast<wchar_t>(0xDC00 + (cp & 0x3FF)));
        continue;
      }
    }
    out.push_back(static_cast<wchar_t>(cp));
  }
  return out;
}

std::wstring DecodeUtf16(std::string_view bytes, bool big_endian) {
  std::wstring out;
  out.reserve(bytes.size() / 2);
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    const auto lo = static_cast<unsigned char>(bytes[i + (big_endian ? 1 : 0)]);
    const auto hi = static_cast<unsigned char>(bytes[i + (big_endian ? 0 : 1)]);
    out.push_back(static_cast<wchar_t>(lo | (hi << 8)));
  }
  if (bytes.size() % 2 != 0) out.push_back(L'\xFFFD');  // a cut-off last byte
  return out;
}

}  // namespace

bool LooksLikeUtf8(std::string_view bytes) {
  bool beyond_ansi_pairs = false;
  std::size_t i = 0;
  while (i < bytes.size()) {
    const Utf8Step step = ReadUtf8(bytes, i);
    if (!step.valid) return false;
    if (step.length > 1) {
      // Ä, Ö, Ü, ß and ä in ANSI followed by ANSI punctuation (80 to BF) are valid UTF-8 too;
      // only a sequence that starts with another byte tells UTF-8 from such German ANSI text.
      switch (static_cast<unsigned char>(bytes[i])) {
        case 0xC4:  // Ä
        case 0xD6:  // Ö
        case 0xDC:  // Ü
        case 0xDF:  // ß
        case 0xE4:  // ä
          break;
        default:
          beyond_ansi_pairs = true;
      }
    }
    i += step.length;
  }
  return beyond_ansi_pairs;
}

namespace {

std::wstring DecodeWithNuls(std::string_view bytes, Text& texts) {
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF") return DecodeUtf8(bytes.substr(3));
  if (bytes.substr(0, 2) == "\xFF\xFE") return DecodeUtf16(bytes.substr(2), false);
  if (bytes.substr(0, 2) == "\xFE\xFF") return DecodeUtf16(bytes.substr(2), true);
  if (LooksLikeUtf8(bytes)) return DecodeUtf8(bytes);
  return texts.FromAnsi(bytes);
}

}  // namespace

std::wstring DecodeTextFile(std::string_view bytes, Text& texts) {
  std::wstring text = DecodeWithNuls(bytes, texts);
  // A window shows a text only up to its first NUL, so an entry or title with one would show
  // less than the program answers or uses. NUL is no character of any text: drop it. This also
  // reads a UTF-16 file without a mark, whose every other byte is NUL, as its plain text.
  std::erase(text, L'\0');
  return text;
}

std::optional<std::wstring> DecodeKvCmdFile(std::string_view bytes, Text& texts) {
  constexpr std::string_view kUtf8Sign = ";kv.cmd:UTF-8\r\n";
  constexpr std::string_view kAnsiSign = ";kv.cmd:ANSI\r\n";
  // Written by cmd /u: the sign, too, is UTF-16LE without a byte-order mark.
  constexpr std::string_view kUtf16Sign(
      ";\0k\0v\0.\0c\0m\0d\0:\0U\0T\0F\0-\0"
      "1\0"
      "6\0\r\0\n\0",
      32);
  std::wstring text;
  if (bytes.starts_with(kUtf16Sign)) {
    text = DecodeUtf16(bytes.substr(kUtf16Sign.size()), false);
  } else if (bytes.starts_with(kUtf8Sign)) {
    text = DecodeUtf8(bytes.substr(kUtf8Sign.size()));
  } else if (bytes.starts_with(kAnsiSign)) {
    text = texts.FromAnsi(bytes.substr(kAnsiSign.size()));
  } else {
    return std::nullopt;
  }
  std::erase(text, L'\0');  // as in DecodeTextFile
  return text;
}

std::vector<std::wstring> SplitLines(std::wstring_view text) {
  std::vector<std::wstring> lines;
  std::size_t start = 0;
  std::size_t pos = 0;
  while (pos < text.size()) {
    if (text[pos] != L'\r') {
      ++pos;
      continue;
    }
    lines.emplace_back(text.substr(start, pos - start));
    pos += (pos + 1 < text.size() && text[pos + 1] == L'\n') ? 2 : 1;
    start = pos;
  }
  if (start < text.size()) lines.emplace_back(text.substr(start));
  return lines;
}

}  // namespace kelvari
