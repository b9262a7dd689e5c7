#include "frontend/text_file.h"

#include "frontend/system.h"

namespace kelvari {
namespace {

std::wstring DecodeUtf8(std::string_view bytes) {
  std::wstring out;
  out.reserve(bytes.size());
  std::size_t i = 0;
  while (i < bytes.size()) {
    const auto b = static_cast<unsigned char>(bytes[i]);
    int extra = 0;
    char32_t cp = 0;
    if (b < 0x80) {
      cp = b;
    } else if ((b & 0xE0) == 0xC0) {
      extra = 1;
      cp = b & 0x1F;
    } else if ((b & 0xF0) == 0xE0) {
      extra = 2;
      cp = b & 0x0F;
    } else if ((b & 0xF8) == 0xF0) {
      extra = 3;
      cp = b & 0x07;
    } else {
      out.push_back(L'\xFFFD');
      ++i;
      continue;
    }
    if (i + extra >= bytes.size()) {  // a sequence cut off at the end
      out.push_back(L'\xFFFD');
      break;
    }
    bool bad = false;
    for (int k = 1; k <= extra; ++k) {
      const auto c = static_cast<unsigned char>(bytes[i + k]);
      if ((c & 0xC0) != 0x80) {
        bad = true;
        break;
      }
      cp = (cp << 6) | (c & 0x3F);
    }
    if (bad) {
      out.push_back(L'\xFFFD');
      ++i;
      continue;
    }
    i += extra + 1;
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
  bool multi_byte = false;
  std::size_t i = 0;
  while (i < bytes.size()) {
    const auto b = static_cast<unsigned char>(bytes[i]);
    if (b < 0x80) {
      ++i;
      continue;
    }
    int extra;
    char32_t min;
    if (b >= 0xC2 && b <= 0xDF) {
      extra = 1;
      min = 0x80;
    } else if ((b & 0xF0) == 0xE0) {
      extra = 2;
      min = 0x800;
    } else if (b >= 0xF0 && b <= 0xF4) {
      extra = 3;
      min = 0x10000;
    } else {
      return false;
    }
    if (bytes.size() - i <= static_cast<std::size_t>(extra)) return false;
    char32_t cp = b & (0x3F >> extra);
    for (int k = 1; k <= extra; ++k) {
      const auto c = static_cast<unsigned char>(bytes[i + k]);
      if ((c & 0xC0) != 0x80) return false;
      cp = (cp << 6) | (c & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
    multi_byte = true;
    i += extra + 1;
  }
  return multi_byte;
}

namespace {

std::wstring DecodeWithNuls(std::string_view bytes, System& system) {
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF") return DecodeUtf8(bytes.substr(3));
  if (bytes.substr(0, 2) == "\xFF\xFE") return DecodeUtf16(bytes.substr(2), false);
  if (bytes.substr(0, 2) == "\xFE\xFF") return DecodeUtf16(bytes.substr(2), true);
  if (LooksLikeUtf8(bytes)) return DecodeUtf8(bytes);
  return system.FromAnsi(bytes);
}

}  // namespace

std::wstring DecodeTextFile(std::string_view bytes, System& system) {
  std::wstring text = DecodeWithNuls(bytes, system);
  // A window shows a text only up to its first NUL, so an entry or title with one would show
  // less than the program answers or uses. NUL is no character of any text: drop it. This also
  // reads a UTF-16 file without a mark, whose every other byte is NUL, as its plain text.
  std::erase(text, L'\0');
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
