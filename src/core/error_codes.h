// The program's error codes: each has one German message (see error_messages.h).
#pragma once

#include <cstdint>

namespace kelvari {

enum ErrorCode : std::int16_t {
  kErrInternal = 0,          // INTERNALERROR: the calling batch file reports its own error
  kErrNoCommand = 1,         // no command word
  kErrUnknownCommand = 2,    // the command word is none of the program's
  kErrNoParamFile = 3,       // the parameter file is not named
  kErrParamFileMissing = 4,  // the parameter file is not found
  kErrTooFewLines = 5,       // the parameter file keeps too few lines
  kErrMessageBoxAttribute = 6,
  kErrListBoxAttribute = 7,
  kErrListFileMissing = 8,
  kErrTooFewWords = 9,  // CHECKDRIVE, CHECKLABEL: too few command-line words
  kErrNotOnNt = 10,
  kErrButtonBoxAttribute = 11,
  kErrNoticeBoxAttribute = 12,
  kErrProgressBoxAttribute = 13,
  kErrWrongValue = 14,      // a number outside its range; the attribute says which and the range
  kErrButtonCaptions = 15,  // BUTTONBOX: not 1 to 6 captions, or an empty one
};

// The last code with a message of its own.
inline constexpr std::int16_t kLastErrorCode = kErrButtonCaptions;

}  // namespace kelvari
