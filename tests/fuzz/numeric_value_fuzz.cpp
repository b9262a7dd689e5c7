// The numeric value of an INTERNALERROR word: defined for every text.
#include <cmath>

#include "core/error_messages.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kelvari;
  const std::wstring word = fuzz::WideFrom(data, size);
  const double value = NumericValue(word);
  fuzz::Require(!std::isnan(value));
  const std::wstring message = ErrorMessage(0, {L"", word, L"", L""});
  fuzz::Require(message.empty() == (value != 1.0));
  return 0;
}
