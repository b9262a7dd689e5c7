// Helpers for the fuzz targets: turning the fuzzer's bytes into the program's wide text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace kelvari::fuzz {

// Two bytes make one UTF-16 code unit, as a wide string of the Windows build holds it.
inline std::wstring WideFrom(const std::uint8_t* data, std::size_t size) {
  std::wstring text;
  for (std::size_t i = 0; i + 1 < size; i += 2) {
    text.push_back(static_cast<wchar_t>(data[i] | (data[i + 1] << 8)));
  }
  return text;
}

// Stops the run with a crash the fuzzer records, when an invariant of the program breaks.
inline void Require(bool condition) {
  if (!condition) std::abort();
}

}  // namespace kelvari::fuzz
