// The settings a batch file gives the program through environment variables, read once at
// the start from one table (see settings.cpp):
//   KVCALLER   "kv.cmd" when kv.cmd started the program (it then watches kv.cmd's cmd);
//   KVTIMEOUT  seconds after which every window closes itself when nobody answers;
//   KVCHARSET  the encoding of the result file: ANSI (the default) or UTF-8.
// A wrong value is reported instead of running the command, in a box that closes itself.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace kelvari {

inline constexpr wchar_t kCallerVariable[] = L"KVCALLER";
inline constexpr wchar_t kTimeoutVariable[] = L"KVTIMEOUT";
inline constexpr wchar_t kCharsetVariable[] = L"KVCHARSET";

inline constexpr int kMaxTimeoutSeconds = 86400;  // one day
// The box that reports a wrong value closes itself after this many seconds.
inline constexpr int kWrongSettingBoxSeconds = 60;

enum class ResultCharset {
  kAnsi,  // the system's ANSI code page
  kUtf8,  // UTF-8 without a byte-order mark
};

struct Settings {
  bool started_by_kv_cmd = false;
  std::optional<int> timeout_seconds;  // none: windows wait for ever
  // Without KVCHARSET (or empty, or ANSI) the answer is in the system's ANSI code page, exact or
  // refused. With UTF-8 every answer passes exactly: a text the code page cannot hold is no
  // longer refused, a path no longer shortened. Parameter and list files are read as always.
  ResultCharset charset = ResultCharset::kAnsi;
};

// KVCALLER: true only for the exact text "kv.cmd".
bool ReadCallerSetting(const std::optional<std::wstring>& value);

// KVTIMEOUT (when set): a whole number of seconds from 1 to kMaxTimeoutSeconds, digits only;
// blanks and tabs around it are allowed ("set KVTIMEOUT=30 & ..." leaves a blank behind the
// number). Nullopt for any other value.
std::optional<int> ReadTimeoutSeconds(std::wstring_view value);

// KVCHARSET: unset, empty or "ANSI" give kAnsi; "UTF-8" or "UTF8" give kUtf8; letters in any
// case, blanks and tabs around the word allowed. Nullopt for any other value.
std::optional<ResultCharset> ReadCharsetSetting(const std::optional<std::wstring>& value);

// The settings, or the German message for the first wrong value in table order.
struct SettingsReading {
  Settings settings;
  std::optional<std::wstring> wrong_value_message;
};
using EnvironmentLookup = std::function<std::optional<std::wstring>(const std::wstring& name)>;
SettingsReading ReadSettings(const EnvironmentLookup& variable);

// The German message for `variable` set to `value`, which it does not allow, followed by what
// it allows. A very long value is shown shortened.
std::wstring WrongSettingMessage(const std::wstring& variable, const std::wstring& value,
                                 const std::wstring& allowed);

}  // namespace kelvari
