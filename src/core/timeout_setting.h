// The environment variable KVTIMEOUT: how many seconds each window of the program waits for
// someone before it closes itself.
#pragma once

#include <optional>
#include <string>

namespace kelvari {

inline constexpr wchar_t kTimeoutVariable[] = L"KVTIMEOUT";
inline constexpr int kMaxTimeoutSeconds = 86400;  // one day
// The box that reports a wrong KVTIMEOUT (or KVCHARSET) closes itself after this many seconds.
inline constexpr int kWrongTimeoutBoxSeconds = 60;

struct TimeoutSetting {
  enum Kind {
    kNone,     // not set: windows wait for ever
    kSeconds,  // `seconds`, from 1 to kMaxTimeoutSeconds
    kWrong,    // set, but to no such number
  };
  Kind kind = kNone;
  int seconds = 0;
};

// A whole number of seconds from 1 to kMaxTimeoutSeconds, digits only; blanks and tabs
// around it are allowed ("set KVTIMEOUT=30 & ..." leaves a blank behind the number).
TimeoutSetting ReadTimeoutSetting(const std::optional<std::wstring>& value);

// The German message for a KVTIMEOUT set to `value`, which is no such number. A very long
// value is shown shortened.
std::wstring WrongTimeoutMessage(const std::wstring& value);

}  // namespace kelvari
