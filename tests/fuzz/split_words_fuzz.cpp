// The word splitter: words never hold a blank, and joining them with single blanks gives the
// text with its runs of blanks collapsed. The argument text of a command line is what follows
// the program's name, which ends at the first blank or tab outside quotes, and its blanks.
#include "core/word_splitter.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kelvari;
  const std::wstring text = fuzz::WideFrom(data, size);
  const Result<std::vector<std::wstring>> words = SplitWords(text);
  if (!words.ok()) return 0;
  fuzz::Require(words.value().size() <= static_cast<std::size_t>(kMaxWords));
  std::wstring joined;
  for (const std::wstring& w : words.value()) {
    fuzz::Require(!w.empty() && w.find(L' ') == std::wstring::npos);
    joined += (joined.empty() ? L"" : L" ") + w;
  }
  std::wstring collapsed;
  for (wchar_t c : text) {
    if (c != L' ' || (!collapsed.empty() && collapsed.back() != L' ')) collapsed += c;
  }
  while (!collapsed.empty() && collapsed.back() == L' ') collapsed.pop_back();
  fuzz::Require(joined == collapsed);
  const std::wstring rest = ArgumentTextOf(text);
  fuzz::Require(text.ends_with(rest));
  fuzz::Require(rest.empty() || (rest[0] != L' ' && rest[0] != L'\t'));
  std::wstring_view name(text.data(), text.size() - rest.size());
  while (!name.empty() && (name.back() == L' ' || name.back() == L'\t')) name.remove_suffix(1);
  fuzz::Require(rest.empty() || name.size() < text.size() - rest.size());
  bool quoted = false;
  for (wchar_t c : name) {
    if (c == L'"') quoted = !quoted;
    fuzz::Require(quoted || (c != L' ' && c != L'\t'));
  }
  fuzz::Require(rest.empty() || !quoted);
  return 0;
}
