// Reading a text file: any bytes decode, no line keeps a CR, kept parameter lines are trimmed
// and are never comments.
#include "fake_system.h"
#include "frontend/param_lines.h"
#include "frontend/text_file.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kelvari;
  testing::FakeSystem system;
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const std::vector<std::wstring> lines = SplitLines(DecodeTextFile(bytes, system));
  for (const auto& line : lines) fuzz::Require(line.find(L'\r') == std::wstring::npos);
  const std::vector<std::wstring> kept = KeepParameterLines(lines, system);
  fuzz::Require(!kept.empty() && kept[0].empty() && kept.size() <= lines.size() + 1);
  for (std::size_t i = 1; i < kept.size(); ++i) {
    fuzz::Require(kept[i].empty() || (kept[i].front() != L' ' && kept[i].back() != L' '));
    fuzz::Require(!IsCommentLine(kept[i], system));
  }
  (void)JoinPrompt(kept, 1);
  return 0;
}
