// Reading a text file: any bytes decode, no line keeps a CR, kept parameter lines are trimmed
// and are never comments. UTF-8 is read strictly: valid UTF-8 comes back unchanged, and every
// ASCII character of the text is one of the file's own ASCII bytes, none is lost or made up;
// written back as a UTF-8 answer, it is the same bytes.
#include <algorithm>

#include "core/answer_encoding.h"
#include "core/parameter_file.h"
#include "core/text_file.h"
#include "fake_system.h"
#include "fuzz_input.h"

namespace {

// UTF-8 of one code point, written out plainly.
void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

// The code points of a wide text (UTF-16 pairs joined where wchar_t has two bytes).
std::u32string CodePoints(const std::wstring& text) {
  std::u32string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t c = static_cast<char32_t>(text[i]);
    if (sizeof(wchar_t) == 2 && c >= 0xD800 && c < 0xDC00 && i + 1 < text.size()) {
      c = 0x10000 + ((c - 0xD800) << 10) + (static_cast<char32_t>(text[++i]) - 0xDC00);
    }
    out += c;
  }
  return out;
}

std::string WithoutNul(std::string bytes) {
  std::erase(bytes, '\0');
  return bytes;
}

void CheckStrictUtf8(const std::string& bytes, kelvari::System& system) {
  const std::u32string text = CodePoints(kelvari::DecodeTextFile("\xEF\xBB\xBF" + bytes, system));
  // Each ASCII byte comes out as itself, in order; nothing else comes out as ASCII.
  std::string ascii_in, ascii_out, again;
  for (char b : WithoutNul(bytes)) {
    if (static_cast<unsigned char>(b) < 0x80) ascii_in += b;
  }
  std::size_t replaced = 0;
  for (char32_t c : text) {
    if (c < 0x80) ascii_out += static_cast<char>(c);
    if (c == 0xFFFD) ++replaced;
    kelvari::fuzz::Require(c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF));
    AppendUtf8(again, c);
  }
  kelvari::fuzz::Require(ascii_in == ascii_out);
  kelvari::fuzz::Require(text.size() <= bytes.size());
  // Without a replacement the text is exactly the file; a file taken for UTF-8 is valid.
  if (replaced == 0) kelvari::fuzz::Require(again == WithoutNul(bytes));
  if (kelvari::LooksLikeUtf8(bytes)) kelvari::fuzz::Require(again == WithoutNul(bytes));
}

// Valid UTF-8 made of the input's code points decodes to those code points.
void CheckRoundTrip(const std::uint8_t* data, std::size_t size, kelvari::System& system) {
  std::u32string expected;
  std::string bytes = "\xEF\xBB\xBF";
  for (std::size_t i = 0; i + 2 < size; i += 3) {
    char32_t cp =
        (static_cast<char32_t>(data[i]) << 16 | data[i + 1] << 8 | data[i + 2]) % 0x110000;
    if (cp >= 0xD800 && cp <= 0xDFFF) cp -= 0x800;
    if (cp == 0) continue;
    expected += cp;
    AppendUtf8(bytes, cp);
  }
  const std::wstring text = kelvari::DecodeTextFile(bytes, system);
  kelvari::fuzz::Require(CodePoints(text) == expected);
  // Written as a UTF-8 answer, the text is its bytes again, and kv.cmd's sign reads them alike.
  const std::string plain = bytes.substr(3);
  const kelvari::AnsiText written =
      kelvari::EncodeAnswer(system, kelvari::ResultCharset::kUtf8, text);
  kelvari::fuzz::Require(written.exact && written.bytes == plain);
  kelvari::fuzz::Require(kelvari::DecodeKvCmdFile(";kv.cmd:UTF-8\r\n" + plain, system) == text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kelvari;
  testing::FakeSystem system;
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const std::vector<std::wstring> lines = SplitLines(DecodeTextFile(bytes, system));
  for (const auto& line : lines) fuzz::Require(line.find(L'\r') == std::wstring::npos);
  const std::vector<std::wstring> kept = KeepParameterLines(lines, system);
  fuzz::Require(kept.size() <= lines.size());
  for (const std::wstring& line : kept) {
    fuzz::Require(line.empty() || (line.front() != L' ' && line.back() != L' '));
    fuzz::Require(!IsCommentLine(line, system));
  }
  // The lines hold no CR: the prompt has one between every two lines.
  const std::wstring prompt = JoinPrompt(kept, 0);
  const auto breaks = static_cast<std::size_t>(std::count(prompt.begin(), prompt.end(), L'\r'));
  fuzz::Require(breaks == (kept.empty() ? 0 : kept.size() - 1));
  CheckStrictUtf8(bytes, system);
  CheckRoundTrip(data, size, system);
  return 0;
}
