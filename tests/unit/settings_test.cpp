#include "core/settings.h"

#include <gtest/gtest.h>

#include <map>

namespace kelvari {
namespace {

using Value = std::optional<std::wstring>;

TEST(ReadTimeoutSeconds, SecondsFromOneToADayOrWrong) {
  const struct {
    const wchar_t* value;
    std::optional<int> seconds;  // nullopt: a wrong value
  } cases[] = {
      {L"30", 30},
      {L" 1\t", 1},
      {L"86400", 86400},
      {L"007", 7},
      {L"", std::nullopt},
      {L" \t", std::nullopt},
      {L"0", std::nullopt},
      {L"-5", std::nullopt},
      {L"+5", std::nullopt},
      {L"1.5", std::nullopt},
      {L"3 0", std::nullopt},
      {L"86401", std::nullopt},
      {L"99999999999999999999", std::nullopt},
      {L"\uFF13", std::nullopt},  // a full-width digit is no digit here
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ReadTimeoutSeconds(c.value), c.seconds) << testing::PrintToString(c.value);
  }
}

TEST(ReadCharsetSetting, AnsiOrUtf8InAnyCase) {
  const struct {
    Value value;
    std::optional<ResultCharset> read;
  } cases[] = {
      {std::nullopt, ResultCharset::kAnsi},
      {L"", ResultCharset::kAnsi},
      {L" ansi ", ResultCharset::kAnsi},
      {L"UTF-8", ResultCharset::kUtf8},
      {L"utf8\t", ResultCharset::kUtf8},
      {L"Utf-8", ResultCharset::kUtf8},
      {L"UTF-16", std::nullopt},
      {L"UTF_8", std::nullopt},
      {L"1252", std::nullopt},
      {L"UTF-8 ANSI", std::nullopt},
      {L"\u0131ansi", std::nullopt},  // no locale's upper-casing: a Turkish dotless i stays
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ReadCharsetSetting(c.value), c.read) << testing::PrintToString(c.value);
  }
}

TEST(ReadCallerSetting, OnlyKvCmdItself) {
  EXPECT_TRUE(ReadCallerSetting(L"kv.cmd"));
  for (const Value& value : {Value(), Value(L""), Value(L"KV.CMD"), Value(L" kv.cmd")}) {
    EXPECT_FALSE(ReadCallerSetting(value)) << testing::PrintToString(value);
  }
}

// All settings are read from one table; the first wrong value in its order is reported, with a
// very long value shown shortened.
TEST(ReadSettings, ReadsEveryVariableAndReportsTheFirstWrongValue) {
  std::map<std::wstring, std::wstring> environment = {
      {L"KVCALLER", L"kv.cmd"}, {L"KVTIMEOUT", L"30"}, {L"KVCHARSET", L"utf-8"}};
  const auto lookup = [&environment](const std::wstring& name) -> Value {
    const auto found = environment.find(name);
    if (found == environment.end()) return std::nullopt;
    return found->second;
  };
  SettingsReading read = ReadSettings(lookup);
  EXPECT_TRUE(read.settings.started_by_kv_cmd);
  EXPECT_EQ(read.settings.timeout_seconds, 30);
  EXPECT_EQ(read.settings.charset, ResultCharset::kUtf8);
  EXPECT_EQ(read.wrong_value_message, std::nullopt);

  environment[L"KVCHARSET"] = std::wstring(50, L'x');
  environment[L"KVTIMEOUT"] = L"y";
  EXPECT_EQ(ReadSettings(lookup).wrong_value_message,
            L"Die Umgebungsvariable KVTIMEOUT hat den ung\u00FCltigen Wert 'y'.\rErlaubt ist eine "
            L"ganze Zahl von Sekunden von 1 bis 86400.");
  environment.erase(L"KVTIMEOUT");
  read = ReadSettings(lookup);
  EXPECT_EQ(read.wrong_value_message,
            L"Die Umgebungsvariable KVCHARSET hat den ung\u00FCltigen Wert '" +
                std::wstring(40, L'x') + L"\u2026'.\rErlaubt sind ANSI und UTF-8.");
  EXPECT_EQ(read.settings.timeout_seconds, std::nullopt);
}

}  // namespace
}  // namespace kelvari
