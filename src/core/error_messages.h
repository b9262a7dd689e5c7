// The German messages of the program's error codes.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/error_codes.h"

namespace kelvari {

// What a message may name: command-line words 2 and 3, parameter line 2 (upper-cased by the
// caller), and the attribute word that was not recognised (upper-cased by the caller).
struct ErrorContext {
  std::wstring word2;
  std::wstring word3;
  std::wstring upper_param_line2;
  std::wstring upper_attribute;
  // Error 14: "Befehl " + the command word, upper-cased + ": Ungültiger Wert " + the value +
  // " (erlaubt: " + the range + ")", made by the caller.
  std::wstring wrong_value;
};

// The heading that frames every error message.
inline constexpr std::wstring_view kErrorHeading = L"Ausf\u00FChrungsfehler:\r\r";

// The message for `code`; codes outside 0 to kLastErrorCode give the fallback
// message.
std::wstring ErrorMessage(std::int16_t code, const ErrorContext& context);

// The value of the number at the start of `word` (sign, digits, decimal point, exponent);
// 0 when the word does not start with a number.
double NumericValue(std::wstring_view word);

}  // namespace kelvari
