// kv.cmd, the calling procedure, run by cmd.exe as a batch file runs it: the answer reaches
// KVRESULT unharmed, the errorlevel is kelvari's exit code, no answer leaves KVRESULT
// undefined, the result files are cleaned up, and two batch files at once keep their answers.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <thread>

#include "driver.h"
#include "process_windows.h"
#include "shell_recorder.h"

namespace kvtest {
namespace {

namespace fs = std::filesystem;

std::string Encoded(const std::wstring& text, UINT code_page) {
  if (text.empty()) return {};
  const int n = WideCharToMultiByte(code_page, 0, text.data(), static_cast<int>(text.size()),
                                    nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(code_page, 0, text.data(), static_cast<int>(text.size()), bytes.data(), n,
                      nullptr, nullptr);
  return bytes;
}

std::string Ansi(const std::wstring& text) {
  return Encoded(text, CP_ACP);
}

fs::path BuildDir() {
  return fs::path(KelvariExe()).parent_path();
}

// A folder as the user gets it: kv.cmd beside kelvari.exe (the real one, or the stand-in).
fs::path MakeKit(const fs::path& dir, bool fake) {
  const fs::path kit = dir / "kit";
  fs::create_directories(kit);
  fs::copy_file(BuildDir() / "kv.cmd", kit / "kv.cmd", fs::copy_options::overwrite_existing);
  const fs::path exe =
      fake ? fs::path(RecorderExe()).parent_path() / "kv_fake_kelvari.exe" : fs::path(KelvariExe());
  fs::copy_file(exe, kit / "kelvari.exe", fs::copy_options::overwrite_existing);
  fs::create_directories(dir / "temp");
  return kit;
}

// Writes a batch file `name` that sets an old KVRESULT, runs the lines `extra`, calls kv.cmd
// with `words`, runs the lines `then`, and records KVRESULT and the errorlevel in `name`.log
// through the recorder. It is written as an editor in the console writes it: in the OEM code
// page.
fs::path WriteBatch(const fs::path& dir, const std::string& name, const std::wstring& words,
                    const std::wstring& extra = L"", const std::wstring& then = L"") {
  const std::wstring recorder = L"\"" + RecorderExe() + L"\"";
  const std::wstring text =
      L"@echo off\r\n"
      L"set \"KV_RECORDER_LOG=" +
      (dir / (name + ".log")).wstring() +
      L"\"\r\n"
      L"set \"KVTEMP=" +
      (dir / "temp").wstring() +
      L"\"\r\n"
      L"set KVRESULT=alt\r\n" +
      extra + L"call \"" + (dir / "kit" / "kv.cmd").wstring() + L"\" " + words +
      L"\r\n"
      L"set \"kv_seen=%errorlevel%\"\r\n" +
      then + recorder + L" --env KVRESULT\r\n" + recorder + L" --env kv_seen\r\n";
  const fs::path batch = dir / (name + ".cmd");
  WriteBytes(batch, Encoded(text, CP_OEMCP));
  return batch;
}

std::wstring CmdLine(const fs::path& batch) {
  return L"C:\\windows\\system32\\cmd.exe /c \"" + batch.wstring() + L"\"";
}

struct Seen {
  std::wstring kvresult;  // "[value]" or "<undefined>"
  std::wstring errorlevel;
};

Seen ReadSeen(const fs::path& dir, const std::string& name) {
  const auto bytes = ReadBytes(dir / (name + ".log"));
  Seen seen;
  if (!bytes) return seen;
  const std::size_t split = bytes->find("\r\n");
  const auto wide = [](const std::string& s) {
    const int n = MultiByteToWideChar(CP_UTF8, 0, s.data(), static_cast<int>(s.size()), nullptr, 0);
    std::wstring w(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, s.data(), static_cast<int>(s.size()), w.data(), n);
    return w;
  };
  seen.kvresult = wide(bytes->substr(0, split));
  if (split != std::string::npos) {
    std::string rest = bytes->substr(split + 2);
    if (rest.size() >= 2 && rest.ends_with("\r\n")) rest.resize(rest.size() - 2);
    seen.errorlevel = wide(rest);
  }
  return seen;
}

bool FolderIsEmpty(const fs::path& folder) {
  return fs::is_empty(folder);
}

// The errorlevel that a batch file sees after "call kv.cmd" when kelvari ended with `code`.
// Wine's cmd reports every non-zero code of a called batch file as 1; Windows passes it on.
bool ErrorlevelAfterCall(const std::wstring& seen, int code) {
  return seen == L"[" + std::to_wstring(code) + L"]" || (code > 1 && seen == L"[1]");
}

// The exit code of "cmd /c kv.cmd WORDS" in `dir`: the errorlevel kv.cmd ends with.
std::optional<DWORD> RunKvCmdDirectly(const fs::path& dir, const std::wstring& words) {
  SetEnvironmentVariableW(L"KVTEMP", (dir / "temp").c_str());
  Program cmd(L"C:\\windows\\system32\\cmd.exe /c \"\"" + (dir / "kit" / "kv.cmd").wstring() +
                  L"\" " + words + L"\"",
              dir, true);
  const auto code = cmd.WaitForExit(30000);
  SetEnvironmentVariableW(L"KVTEMP", nullptr);
  return code;
}

// Runs a batch file (see WriteBatch) against the stand-in that answers `answer` (none when
// nullptr) and returns what the batch file saw; in a console of its own when `console`.
Seen RunBatchWithFake(const fs::path& dir, const wchar_t* answer, const std::wstring& words,
                      const std::wstring& extra = L"", const std::wstring& then = L"",
                      bool console = false) {
  SetEnvironmentVariableW(L"KV_FAKE_ANSWER", answer);
  std::error_code ec;
  fs::remove(dir / "t.log", ec);
  Program cmd(CmdLine(WriteBatch(dir, "t", words, extra, then)), dir, true,
              console ? CREATE_NEW_CONSOLE : 0);
  EXPECT_EQ(cmd.WaitForExit(60000), 0u);
  SetEnvironmentVariableW(L"KV_FAKE_ANSWER", nullptr);
  return ReadSeen(dir, "t");
}

// Runs a batch file against the stand-in that answers `answer` (none when nullptr) and ends
// with `exit_code`; kv.cmd itself must end with that code too.
Seen RunWithFakeAnswer(const fs::path& dir, const wchar_t* answer, int exit_code) {
  SetEnvironmentVariableW(L"KV_FAKE_EXIT", std::to_wstring(exit_code).c_str());
  const Seen seen = RunBatchWithFake(dir, answer, L"INPUTBOX frage.txt");
  SetEnvironmentVariableW(L"KV_FAKE_ANSWER", answer);
  EXPECT_EQ(RunKvCmdDirectly(dir, L"INPUTBOX frage.txt"), static_cast<DWORD>(exit_code));
  SetEnvironmentVariableW(L"KV_FAKE_ANSWER", nullptr);
  SetEnvironmentVariableW(L"KV_FAKE_EXIT", nullptr);
  return seen;
}

// The last call the stand-in saw, and the parameter file it was given (ANSI), if any.
std::string LastFakeCall(const fs::path& dir) {
  std::string log = ReadBytes(dir / "kit" / "fake.log").value_or("");
  if (log.ends_with("\r\n")) log.resize(log.size() - 2);
  return log.substr(log.rfind("\r\n") == std::string::npos ? 0 : log.rfind("\r\n") + 2);
}
std::string FakeParameters(const fs::path& dir) {
  return ReadBytes(dir / "kit" / "param.txt").value_or("<none>");
}
// The values of the variables kv.cmd's file named, in UTF-8, as the stand-in read them.
std::string FakeValues(const fs::path& dir) {
  return ReadBytes(dir / "kit" / "values.txt").value_or("<none>");
}

// A batch line that sets a variable to `value`, with the percent signs doubled.
std::wstring SetLine(const std::wstring& name, const std::wstring& value) {
  std::wstring line = L"set \"" + name + L"=";
  for (wchar_t c : value) line += c == L'%' ? std::wstring(L"%%") : std::wstring(1, c);
  return line + L"\"\r\n";
}

// The Unix path of a folder of the test (under Z:).
std::string UnixPath(const fs::path& path) {
  std::string unix_path = Utf8(path.wstring().substr(2));
  std::replace(unix_path.begin(), unix_path.end(), '\\', '/');
  return unix_path;
}

// Starts a program of the system under Wine (`tool`, a Unix path) with `arguments`; it ends on
// its own, without a handle to wait for.
void RunUnixTool(const std::string& tool, const std::string& arguments) {
  const std::string line = tool + " " + arguments;
  std::wstring command(line.begin(), line.end());  // the test's paths are ASCII
  const std::wstring program = L"Z:" + std::wstring(tool.begin(), tool.end());
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process{};
  if (CreateProcessW(program.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                     &startup, &process)) {
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
}

// A symbolic link to a folder, as the system's own tools make one; removed (as a link) again
// when the test ends, also when it failed.
struct FolderLink {
  FolderLink(const fs::path& target, const fs::path& at) : link(at) {
    RunUnixTool("/bin/ln", "-sfn " + UnixPath(target) + " " + UnixPath(link));
    made = Eventually([&] { return fs::exists(link / "kvcmd.txt"); }, 10000);
  }
  ~FolderLink() { RunUnixTool("/bin/rm", "-f " + UnixPath(link)); }
  fs::path link;
  bool made = false;
};

// A record of a process as kelvari.exe writes it into kv.cmd's folder: its number and the
// time it was made.
std::string ProcessRecord(HANDLE process) {
  FILETIME created{}, exited{}, kernel{}, user{};
  GetProcessTimes(process, &created, &exited, &kernel, &user);
  const unsigned long long ticks =
      (static_cast<unsigned long long>(created.dwHighDateTime) << 32) | created.dwLowDateTime;
  return std::to_string(GetProcessId(process)) + " " + std::to_string(ticks) + "\r\n";
}

// Makes a folder as kv.cmd makes it (with its mark) in `temp`, with the record of `caller`
// (none when empty) and an answer written ten minutes ago.
fs::path MakeCallFolder(const fs::path& temp, const std::string& name, const std::string& caller) {
  const fs::path folder = temp / name;
  fs::create_directories(folder);
  WriteBytes(folder / "kvcmd.txt", "kv.cmd\r\n");
  if (!caller.empty()) WriteBytes(folder / "aufrufer.txt", caller);
  WriteBytes(folder / "ergebnis.txt", "Geheim456\r\n");
  fs::last_write_time(folder / "ergebnis.txt",
                      fs::last_write_time(folder / "ergebnis.txt") - std::chrono::minutes(10));
  return folder;
}

TEST(KvCmd, AnswersWithBlanksAndSpecialCharactersReachKvresultUnchanged) {
  const auto dir = FreshWorkDir();
  MakeKit(dir, true);
  const wchar_t* answers[] = {
      L"C:\\Programme\\Mein Ordner\\Datei mit Blanks.txt",
      L"a & b | c < d > e ^ f ^^ g",
      L"100% sicher %PATH% %% !PATH! ! !!",
      L"\"in Anf\u00FChrungszeichen\" (Klammern) ) \"",
      L"Gr\u00FC\u00DFe: \u00C4\u00D6\u00DC \u00E4\u00F6\u00FC \u00DF \u00A7 \u00B0",
      L";beginnt mit Semikolon",
      L"  zwei Blanks vorn und hinten  ",
      L"x",
  };
  for (const wchar_t* answer : answers) {
    const Seen seen = RunWithFakeAnswer(dir, answer, 0);
    EXPECT_EQ(seen.kvresult, L"[" + std::wstring(answer) + L"]") << Utf8(answer);
    EXPECT_EQ(seen.errorlevel, L"[0]") << Utf8(answer);
    EXPECT_TRUE(FolderIsEmpty(dir / "temp")) << Utf8(answer);
  }
  // kv.cmd passed its own result file and the caller's words.
  const auto log = ReadBytes(dir / "kit" / "fake.log");
  ASSERT_TRUE(log.has_value());
  const std::string first = log->substr(0, log->find("\r\n"));
  // A result file of its own in a folder of its own under KVTEMP, in a path without blanks.
  EXPECT_EQ(first.find(' '), first.find(" INPUTBOX")) << first;
  EXPECT_NE(first.find("\\temp\\kv"), std::string::npos) << first;
  EXPECT_TRUE(first.ends_with("\\ergebnis.txt INPUTBOX frage.txt")) << first;
}

TEST(KvCmd, NoAnswerLeavesKvresultUndefinedAndPassesTheExitCode) {
  const auto dir = FreshWorkDir();
  MakeKit(dir, true);
  const Seen cancelled = RunWithFakeAnswer(dir, nullptr, 1);
  EXPECT_EQ(cancelled.kvresult, L"<undefined>");
  EXPECT_TRUE(ErrorlevelAfterCall(cancelled.errorlevel, 1)) << Utf8(cancelled.errorlevel);
  const Seen failed = RunWithFakeAnswer(dir, nullptr, 2);
  EXPECT_EQ(failed.kvresult, L"<undefined>");
  EXPECT_TRUE(ErrorlevelAfterCall(failed.errorlevel, 2)) << Utf8(failed.errorlevel);
  // An empty answer: cmd cannot hold an empty variable, the errorlevel tells it from none.
  const Seen empty = RunWithFakeAnswer(dir, L"", 0);
  EXPECT_EQ(empty.kvresult, L"<undefined>");
  EXPECT_EQ(empty.errorlevel, L"[0]");
  EXPECT_TRUE(FolderIsEmpty(dir / "temp"));
  // KVEXIT holds the exit code exactly, also where "call" turns it into 1 (Wine's cmd); an
  // error of kv.cmd's own too.
  for (const int code : {1, 2, 3}) {
    SetEnvironmentVariableW(L"KV_FAKE_EXIT", std::to_wstring(code).c_str());
    const Seen exact = RunBatchWithFake(dir, code == 3 ? L"JA" : nullptr, L"INPUTBOX frage.txt",
                                        L"", L"set \"kv_seen=%KVEXIT%\"\r\n");
    SetEnvironmentVariableW(L"KV_FAKE_EXIT", nullptr);
    EXPECT_EQ(exact.errorlevel, L"[" + std::to_wstring(code) + L"]");
  }
  const Seen own = RunBatchWithFake(dir, L"x", L"INPUTBOX \"fehlt hier.txt\"", L"",
                                    L"set \"kv_seen=%KVEXIT%\"\r\n");
  EXPECT_EQ(own.errorlevel, L"[2]");
  // 0 or 3 without the answer that always comes with them (its folder was emptied meanwhile):
  // a failure, in kv.cmd's own box, never a success with an empty KVRESULT.
  for (const int code : {0, 3}) {
    SetEnvironmentVariableW(L"KV_FAKE_EXIT", std::to_wstring(code).c_str());
    const Seen lost = RunBatchWithFake(dir, nullptr, L"INPUTBOX frage.txt");
    SetEnvironmentVariableW(L"KV_FAKE_EXIT", nullptr);
    EXPECT_EQ(lost.kvresult, L"<undefined>");
    EXPECT_TRUE(ErrorlevelAfterCall(lost.errorlevel, 2)) << Utf8(lost.errorlevel);
    EXPECT_NE(FakeValues(dir).find(Utf8(L"Kelvari endete mit dem Exit-Code " +
                                        std::to_wstring(code) + L", doch die Antwort fehlt")),
              std::string::npos)
        << FakeValues(dir);
    EXPECT_TRUE(FolderIsEmpty(dir / "temp"));
  }
}

// Accounts like "R&D", "Dev(1)" or "Max Mustermann" put such characters into TEMP. kv.cmd
// works in the folder or takes another one; nothing stays behind in either.
TEST(KvCmd, EveryTempFolderGivesTheAnswer) {
  const auto dir = FreshWorkDir();
  MakeKit(dir, true);
  const fs::path fallback = dir / "ausweich";
  fs::create_directories(fallback);
  const wchar_t* answer = L"Antwort & <mehr> | ^1 % !2 \"x\" \u00E4";
  const struct {
    const wchar_t* folder;
    bool delayed_expansion;  // in the calling batch file
  } cases[] = {
      {L"R&D", false},   {L"Dev(1)", false},         {L"a)b", false},
      {L"c^d", false},   {L"p%TEMP%q", false},       {L"Hallo!", false},
      {L"Hallo!", true}, {L"Max Mustermann", false}, {L"R&D (Test) ^1 !x% y", false},
  };
  for (const auto& c : cases) {
    const fs::path folder = dir / "konten" / c.folder;
    fs::create_directories(folder);
    const std::wstring extra = SetLine(L"KVTEMP", folder.wstring()) +
                               SetLine(L"TEMP", fallback.wstring()) +
                               (c.delayed_expansion ? L"setlocal EnableDelayedExpansion\r\n" : L"");
    const Seen seen = RunBatchWithFake(dir, answer, L"INPUTBOX frage.txt", extra);
    EXPECT_EQ(seen.kvresult, L"[" + std::wstring(answer) + L"]") << Utf8(c.folder);
    EXPECT_EQ(seen.errorlevel, L"[0]") << Utf8(c.folder);
    EXPECT_TRUE(FolderIsEmpty(folder)) << Utf8(c.folder);
    EXPECT_TRUE(FolderIsEmpty(fallback)) << Utf8(c.folder);
    // The result file was a word without blanks in a folder of its own in one of the two.
    const std::string call = LastFakeCall(dir);
    const std::size_t blank = call.find(' ');
    ASSERT_NE(blank, std::string::npos) << call;
    const int n = MultiByteToWideChar(CP_UTF8, 0, call.data(), static_cast<int>(blank), nullptr, 0);
    std::wstring result(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, call.data(), static_cast<int>(blank), result.data(), n);
    const fs::path base = fs::path(result).parent_path().parent_path();
    std::error_code ec;
    const bool in_folder = fs::equivalent(base, folder, ec);
    EXPECT_TRUE(in_folder || fs::equivalent(base, fallback, ec)) << call;
    if (c.delayed_expansion) {
      EXPECT_FALSE(in_folder) << call;
    }
  }
}

// Parameter lines on the call line: kv.cmd puts them into variables of its own and writes only
// their names into a file of its own; every character reaches the program intact, also beyond
// the ANSI code page, and the file is deleted afterwards.
TEST(KvCmd, TextsOnTheCallLineBecomeTheParameterFile) {
  const auto dir = FreshWorkDir();
  const fs::path kit = MakeKit(dir, true);
  const std::wstring call = L"call \"" + (kit / "kv.cmd").wstring() + L"\" ";
  const struct {
    const wchar_t* answer;
    std::wstring extra;
    std::wstring words;
    std::wstring lines;
  } cases[] = {
      {L"JA", L"", L"MESSAGEBOX /T \"Sicherung\" \"JN FRAGE\" \"a & b | c < d > e ^ f ! g (h)\"",
       L"Sicherung\r\nJN FRAGE\r\na & b | c < d > e ^ f ! g (h)\r\n"},
      {L"x", L"",
       L"inputbox /t \"Gr\u00FC\u00DFe \u00C4\u00D6\u00DC\" \"\" \"Er sagte \"\"Hallo\"\"\" \"\"",
       L"Gr\u00FC\u00DFe \u00C4\u00D6\u00DC\r\n\r\nEr sagte \"Hallo\"\r\n\r\n"},
      // A text taken from KVRESULT, the answer of the call before.
      {L"Datentr\u00E4ger & <1> | ^2 !3", call + L"INPUTBOX frage.txt\r\n",
       L"MESSAGEBOX /T \"Frage\" \"JN\" \"Ziel: %KVRESULT%\"",
       L"Frage\r\nJN\r\nZiel: Datentr\u00E4ger & <1> | ^2 !3\r\n"},
      // Variables: for texts holding what the call line cannot carry (" and %).
      {L"50% \"sicher\" & ^ ! \u00FC",
       call + L"INPUTBOX frage.txt\r\n" + SetLine(L"TITEL", L"Titel"),
       L"LISTBOX /V TITEL KEINE_SOLCHE_VARIABLE KVRESULT",
       L"Titel\r\n\r\n50% \"sicher\" & ^ ! \u00FC\r\n"},
      // Beyond ANSI, blanks at both ends, a leading "=", and a planted command in look-alikes.
      {L"x", L"",
       L"INPUTBOX /T \"%KV_TEXT%\" \"  geheim  \" \"=lead\" \"==> x\" \"^\" \"!\" "
       L"\"Bericht\"\"&echo PWNED>pwn.txt&rem \"\".txt\" \"%PLANTED%\"",
       L"\u0141\u00F3d\u017A \u011E\u0130\u015E \U0001F600\r\n  geheim  \r\n=lead\r\n==> "
       L"x\r\n^\r\n!\r\n"
       L"Bericht\"&echo PWNED>pwn.txt&rem \".txt\r\n"
       L"Bericht\uFF02\uFF06echo PWNED\uFF1Epwn.txt\uFF06rem \uFF02.txt\r\n"},
      {L"x", SetLine(L"LEAD", L"=x") + SetLine(L"SIGNS", L"a \"b\" & c|<> %d% !e! ^"),
       L"INPUTBOX /V LEAD SIGNS", L"=x\r\na \"b\" & c|<> %d% !e! ^\r\n"},
  };
  SetEnvironmentVariableW(L"KV_TEXT", L"\u0141\u00F3d\u017A \u011E\u0130\u015E \U0001F600");
  SetEnvironmentVariableW(L"PLANTED",
                          L"Bericht\uFF02\uFF06echo PWNED\uFF1Epwn.txt\uFF06rem \uFF02.txt");
  // kv.cmd's own variables end with its call.
  const std::wstring leak =
      L"if defined kv_line_1 echo.>leak.txt\r\nif defined KVCALLER echo.>leak.txt\r\n";
  for (const auto& c : cases) {
    const Seen seen = RunBatchWithFake(dir, c.answer, c.words, c.extra, leak);
    EXPECT_FALSE(fs::exists(dir / "leak.txt"));
    // Without a console, cmd works in the ANSI code page: the names are ANSI, the texts exact.
    EXPECT_TRUE(FakeParameters(dir).starts_with(";kv.cmd:ANSI:VARIABLES\r\n")) << Utf8(c.words);
    EXPECT_EQ(FakeValues(dir), Utf8(c.lines)) << Utf8(c.words);
    EXPECT_FALSE(fs::exists(dir / "pwn.txt"));
    EXPECT_EQ(seen.kvresult, L"[" + std::wstring(c.answer) + L"]") << Utf8(c.words);
    EXPECT_EQ(seen.errorlevel, L"[0]") << Utf8(c.words);
    EXPECT_TRUE(FolderIsEmpty(dir / "temp")) << Utf8(c.words);
  }
  SetEnvironmentVariableW(L"KV_TEXT", nullptr);
  SetEnvironmentVariableW(L"PLANTED", nullptr);
}

// A parameter path in quotes, as batch authors write it, also with blanks; a missing one is
// reported like Kelvari reports it, in a box of Kelvari and on stderr.
TEST(KvCmd, AQuotedParameterPathWorks) {
  const auto dir = FreshWorkDir();
  MakeKit(dir, true);
  const std::string content = "Frage\r\nJN\r\nWeiter?\r\n";
  for (const wchar_t* name : {L"Mein Ordner\\frage datei.txt", L"R&D (1) ^x!\\frage.txt"}) {
    fs::create_directories((dir / name).parent_path());
    WriteBytes(dir / name, content);
    const Seen seen =
        RunBatchWithFake(dir, L"JA", L"MESSAGEBOX \"" + (dir / name).wstring() + L"\"");
    EXPECT_EQ(FakeParameters(dir), content) << Utf8(name);
    EXPECT_EQ(seen.kvresult, L"[JA]") << Utf8(name);
    EXPECT_EQ(seen.errorlevel, L"[0]") << Utf8(name);
  }
  const std::wstring missing = (dir / L"Mein Ordner\\fehlt hier.txt").wstring();
  const Seen seen = RunBatchWithFake(
      dir, L"OK", L"INPUTBOX \"" + missing + L"\" 2>\"" + (dir / "err.txt").wstring() + L"\"");
  EXPECT_EQ(seen.kvresult, L"<undefined>");
  EXPECT_TRUE(ErrorlevelAfterCall(seen.errorlevel, 2)) << Utf8(seen.errorlevel);
  const std::wstring message =
      L"Die Parameterdatei '" + missing + L"' konnte nicht gefunden werden.";
  EXPECT_EQ(FakeValues(dir),
            Utf8(L"Kelvari\r\nOK STOP\r\nAusf\u00FChrungsfehler:\r\n\r\n" + message + L"\r\n"));
  EXPECT_NE(LastFakeCall(dir).find(" MESSAGEBOX "), std::string::npos);
  EXPECT_NE(ReadBytes(dir / "err.txt").value_or("").find(Encoded(L"kv.cmd: " + message, CP_OEMCP)),
            std::string::npos);
  EXPECT_TRUE(FolderIsEmpty(dir / "temp"));
}

// An answer longer than set /p takes (about 1,023 characters on Windows, 8,190 under Wine)
// arrives whole or not at all, with errorlevel 2 and a message; never cut.
// No step puts the answer (a long password, say) into a file outside kv.cmd's folder.
TEST(KvCmd, LongAnswersArriveWholeOrNotAtAll) {
  const auto dir = FreshWorkDir();
  MakeKit(dir, true);
  wchar_t temp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);
  for (const std::size_t length : {1100u, 9000u}) {
    std::wstring answer;
    while (answer.size() < length) answer += std::to_wstring(answer.size()) + L" & ";
    answer.resize(length);
    std::error_code ec;
    fs::remove(dir / "err.txt", ec);
    fs::remove(dir / "kit" / "param.txt", ec);
    const Seen seen = RunBatchWithFake(
        dir, answer.c_str(), L"PASSWORDBOX frage.txt 2>\"" + (dir / "err.txt").wstring() + L"\"");
    EXPECT_TRUE(FolderIsEmpty(dir / "temp")) << length;
    for (const auto& entry : fs::directory_iterator(temp)) {
      if (!entry.is_regular_file()) continue;
      EXPECT_EQ(ReadBytes(entry.path()).value_or("").find(Utf8(answer.substr(0, 40))),
                std::string::npos)
          << entry.path().string();
    }
    if (seen.kvresult == L"[" + answer + L"]") {
      EXPECT_EQ(seen.errorlevel, L"[0]") << length;
      EXPECT_LT(length, 8190u);  // more than any cmd takes with set /p
      continue;
    }
    EXPECT_EQ(seen.kvresult, L"<undefined>") << length;
    EXPECT_TRUE(ErrorlevelAfterCall(seen.errorlevel, 2)) << Utf8(seen.errorlevel);
    EXPECT_NE(
        ReadBytes(dir / "err.txt").value_or("").find("kv.cmd: Die Antwort von Kelvari ist zu lang"),
        std::string::npos);
    EXPECT_NE(FakeValues(dir).find(Utf8(L"Ausf\u00FChrungsfehler:\r\n\r\nDie Antwort von Kelvari "
                                        L"ist zu lang f\u00FCr KVRESULT: cmd \u00FCbernimmt "
                                        L"h\u00F6chstens")),
              std::string::npos);
  }
}

// In a console kv.cmd runs kelvari.exe with KVCHARSET=UTF-8 under code page 65001: texts and
// answers keep every character, and the caller's code page and environment are as before,
// after an answer, a cancel and an error alike.
TEST(KvCmd, InAConsoleEveryCharacterPassesBothWays) {
  const auto dir = FreshWorkDir();
  MakeKit(dir, true);
  const std::wstring planted = L"Bericht\uFF02\uFF06echo PWNED\uFF1Epwn.txt\uFF06rem \uFF02.txt";
  SetEnvironmentVariableW(L"KV_TEXT", L"\u0141\u00F3d\u017A \u011E\u0130\u015E");
  SetEnvironmentVariableW(L"NAME", planted.c_str());
  const std::wstring then =
      L"chcp >cp_nachher.txt\r\nif defined KVCHARSET echo %KVCHARSET%>charset_nachher.txt\r\n";
  const struct {
    const wchar_t* answer;
    int exit_code;
    std::wstring words;
    std::wstring lines;  // of the parameter file after its sign; none when empty
  } cases[] = {
      {L"\u0106evap\u010Di\u0107i \U0001F600", 0, L"INPUTBOX frage.txt", L""},
      {nullptr, 1, L"INPUTBOX frage.txt", L""},
      {nullptr, 2, L"INPUTBOX frage.txt", L""},
      {L"JA", 0, L"MESSAGEBOX /T \"%KV_TEXT%\" \"JN\" \"Frage\"",
       L"\u0141\u00F3d\u017A \u011E\u0130\u015E\r\nJN\r\nFrage\r\n"},
      {L"x", 0, L"INPUTBOX /V GEHEIM KEINE", L"  geheim  \r\n\r\n"},
      {L"x", 0, L"INPUTBOX /T \"%NAME%\" \"\" \"Weiter?\"", planted + L"\r\n\r\nWeiter?\r\n"},
  };
  for (const auto& c : cases) {
    std::error_code ec;
    fs::remove(dir / "charset_nachher.txt", ec);
    SetEnvironmentVariableW(L"KV_FAKE_EXIT", std::to_wstring(c.exit_code).c_str());
    const Seen seen = RunBatchWithFake(
        dir, c.answer, c.words, SetLine(L"GEHEIM", L"  geheim  ") + L"chcp >cp_vorher.txt\r\n",
        then, true);
    SetEnvironmentVariableW(L"KV_FAKE_EXIT", nullptr);
    EXPECT_EQ(seen.kvresult, c.answer ? L"[" + std::wstring(c.answer) + L"]" : L"<undefined>")
        << Utf8(c.words);
    EXPECT_TRUE(ErrorlevelAfterCall(seen.errorlevel, c.exit_code)) << Utf8(seen.errorlevel);
    if (!c.lines.empty()) {
      EXPECT_TRUE(FakeParameters(dir).starts_with(";kv.cmd:UTF-8:VARIABLES\r\n"));
      EXPECT_EQ(FakeValues(dir), Utf8(c.lines)) << Utf8(c.words);
    }
    std::string charsets = ReadBytes(dir / "kit" / "charset.log").value_or("");
    EXPECT_TRUE(charsets.ends_with("UTF-8\r\n")) << charsets;
    const auto before = ReadBytes(dir / "cp_vorher.txt");
    ASSERT_TRUE(before.has_value());
    EXPECT_NE(before->find("850"), std::string::npos) << *before;
    EXPECT_EQ(ReadBytes(dir / "cp_nachher.txt"), before) << Utf8(c.words);
    EXPECT_FALSE(fs::exists(dir / "charset_nachher.txt")) << Utf8(c.words);
    EXPECT_FALSE(fs::exists(dir / "pwn.txt"));
    EXPECT_TRUE(FolderIsEmpty(dir / "temp")) << Utf8(c.words);
  }
  SetEnvironmentVariableW(L"KV_TEXT", nullptr);
  SetEnvironmentVariableW(L"NAME", nullptr);
}

// CHECKDRIVE and CHECKLABEL answer OK or ERROR: in a console, too, kv.cmd leaves the code page
// alone for them (no chcp) and runs the program in ANSI.
TEST(KvCmd, DriveChecksLeaveTheCodePageAlone) {
  const auto dir = FreshWorkDir();
  MakeKit(dir, true);
  for (const wchar_t* words : {L"CHECKDRIVE C:", L"checklabel C: \u0141abel"}) {
    const Seen seen = RunBatchWithFake(dir, L"OK", words, L"chcp >cp_vorher.txt\r\n",
                                       L"chcp >cp_nachher.txt\r\n", true);
    EXPECT_EQ(seen.kvresult, L"[OK]");
    EXPECT_TRUE(ReadBytes(dir / "kit" / "charset.log").value_or("").ends_with("ANSI\r\n"));
    EXPECT_EQ(ReadBytes(dir / "cp_nachher.txt"), ReadBytes(dir / "cp_vorher.txt"));
    EXPECT_TRUE(FolderIsEmpty(dir / "temp"));
  }
}

TEST(KvCmd, TextsOnTheCallLineShowInTheRealMessageBox) {
  const auto dir = FreshWorkDir();
  MakeKit(dir, false);
  Program cmd(CmdLine(WriteBatch(dir, "t",
                                 L"MESSAGEBOX /T \"Frage & Antwort\" \"JN FRAGE\" "
                                 L"\"Soll C:\\Daten & Co <alt> | ^1 ! gesichert werden?\" "
                                 L"\"Gr\u00FC\u00DFe\"")),
              dir, true);
  HWND box = WaitForWindowOfImage(L"kelvari.exe", L"Frage & Antwort");
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(ReadMessageBox(box).text,
            L"Soll C:\\Daten & Co <alt> | ^1 ! gesichert werden?\rGr\u00FC\u00DFe");
  PressButton(box, L"Ja");
  EXPECT_EQ(cmd.WaitForExit(30000), 0u);
  EXPECT_EQ(ReadSeen(dir, "t").kvresult, L"[JA]");
  EXPECT_TRUE(FolderIsEmpty(dir / "temp"));
}

TEST(KvCmd, MessageBoxAnswerFromTheRealProgram) {
  const auto dir = FreshWorkDir();
  MakeKit(dir, false);
  WriteBytes(dir / "frage.txt", "Frage per kv.cmd\r\nJN FRAGE\r\nWeiter?\r\n");
  Program cmd(CmdLine(WriteBatch(dir, "t", L"MESSAGEBOX frage.txt")), dir, true);
  HWND box = WaitForWindowOfImage(L"kelvari.exe", L"Frage per kv.cmd");
  ASSERT_NE(box, nullptr);
  PressButton(box, L"Ja");
  EXPECT_EQ(cmd.WaitForExit(30000), 0u);
  const Seen seen = ReadSeen(dir, "t");
  EXPECT_EQ(seen.kvresult, L"[JA]");
  EXPECT_EQ(seen.errorlevel, L"[0]");
  EXPECT_TRUE(FolderIsEmpty(dir / "temp"));
}

// KVTIMEOUT through kv.cmd: a PASSWORDBOX nobody answers gives its proposal, and kv.cmd ends
// with kelvari's 3.
TEST(KvCmd, APasswordBoxNobodyAnswersGivesItsProposalWithThree) {
  const auto dir = FreshWorkDir();
  MakeKit(dir, false);
  WriteBytes(dir / "frage.txt", "Anmeldung\r\ngeh&eim %x%\r\nKennwort:\r\n");
  Program cmd(CmdLine(WriteBatch(dir, "t", L"PASSWORDBOX frage.txt", L"set KVTIMEOUT=2\r\n")), dir,
              true);
  EXPECT_EQ(cmd.WaitForExit(30000), 0u);
  const Seen seen = ReadSeen(dir, "t");
  EXPECT_EQ(seen.kvresult, L"[geh&eim %x%]");
  EXPECT_TRUE(ErrorlevelAfterCall(seen.errorlevel, 3)) << Utf8(seen.errorlevel);
  SetEnvironmentVariableW(L"KVTIMEOUT", L"2");
  EXPECT_EQ(RunKvCmdDirectly(dir, L"PASSWORDBOX frage.txt"), 3u);
  SetEnvironmentVariableW(L"KVTIMEOUT", nullptr);
  EXPECT_TRUE(FolderIsEmpty(dir / "temp"));
}

TEST(KvCmd, AnErrorLeavesKvresultUndefinedWithErrorlevelTwo) {
  const auto dir = FreshWorkDir();
  MakeKit(dir, false);
  Program cmd(CmdLine(WriteBatch(dir, "t", L"MSGBOX frage.txt")), dir, true);
  HWND box = WaitForWindowOfImage(L"kelvari.exe", L"Kelvari");
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(ReadMessageBox(box).text,
            L"Ausf\u00FChrungsfehler:\r\rDas Kommando 'MSGBOX' ist nicht bekannt.");
  PressButton(box, L"OK");
  EXPECT_EQ(cmd.WaitForExit(30000), 0u);
  const Seen seen = ReadSeen(dir, "t");
  EXPECT_EQ(seen.kvresult, L"<undefined>");
  EXPECT_TRUE(ErrorlevelAfterCall(seen.errorlevel, 2)) << Utf8(seen.errorlevel);
  EXPECT_TRUE(FolderIsEmpty(dir / "temp"));

  // kv.cmd itself ends with kelvari's exit code 2.
  std::optional<DWORD> code;
  std::thread run([&] { code = RunKvCmdDirectly(dir, L"MSGBOX frage.txt"); });
  HWND again = WaitForWindowOfImage(L"kelvari.exe", L"Kelvari");
  if (again) PressButton(again, L"OK");
  run.join();
  EXPECT_NE(again, nullptr);
  EXPECT_EQ(code, 2u);
}

// A picked file named with fullwidth quotation marks must not break out of the quotes of a
// correctly written batch file: the answer names the file, and nothing else runs.
TEST(KvCmd, AFileNameWithLookAlikeQuotesRunsNothing) {
  const auto dir = FreshWorkDir();
  MakeKit(dir, false);
  fs::create_directories(dir / "ziel");
  const std::wstring name = L"Bericht\uFF02 & mkdir X & \uFF02.txt";
  WriteBytes(dir / name, "Inhalt");
  WriteBytes(dir / "datei.txt", "Datei w\xE4hlen\r\n\r\n" + dir.string() + "\r\nAlle|*.*\r\n");
  Program cmd(CmdLine(WriteBatch(dir, "t", L"FILEOPENBOX datei.txt", L"",
                                 L"copy \"%KVRESULT%\" ziel\\ >nul\r\n")),
              dir, true);
  HWND box = WaitForWindowOfImage(L"kelvari.exe", L"Datei w\u00E4hlen");
  ASSERT_NE(box, nullptr);
  HWND field = FileNameField(box);
  ASSERT_NE(field, nullptr);
  SetWindowTextW(field, name.c_str());
  Press(GetDlgItem(box, IDOK));
  EXPECT_EQ(cmd.WaitForExit(30000), 0u);
  EXPECT_EQ(ReadSeen(dir, "t").errorlevel, L"[0]");
  EXPECT_FALSE(fs::exists(dir / "X"));
  EXPECT_FALSE(fs::exists(dir / "mkdir"));
  // The one file copied is the one picked.
  std::vector<fs::path> copied;
  for (const auto& entry : fs::directory_iterator(dir / "ziel")) copied.push_back(entry.path());
  ASSERT_EQ(copied.size(), 1u);
  EXPECT_EQ(ReadBytes(copied[0]), "Inhalt");
}

TEST(KvCmd, TwoBatchFilesAtOnceKeepTheirOwnAnswers) {
  const auto dir = FreshWorkDir();
  MakeKit(dir, false);
  WriteBytes(dir / "eins.txt", "Erste Frage\r\nJN\r\nEins?\r\n");
  WriteBytes(dir / "zwei.txt", "Zweite Frage\r\nJN\r\nZwei?\r\n");
  Program first(CmdLine(WriteBatch(dir, "a", L"MESSAGEBOX eins.txt")), dir, true);
  Program second(CmdLine(WriteBatch(dir, "b", L"MESSAGEBOX zwei.txt")), dir, true);
  HWND one = WaitForWindowOfImage(L"kelvari.exe", L"Erste Frage");
  HWND two = WaitForWindowOfImage(L"kelvari.exe", L"Zweite Frage");
  ASSERT_NE(one, nullptr);
  ASSERT_NE(two, nullptr);
  // Both questions are open at the same time; the second is answered first.
  PressButton(two, L"Nein");
  EXPECT_EQ(second.WaitForExit(30000), 0u);
  PressButton(one, L"Ja");
  EXPECT_EQ(first.WaitForExit(30000), 0u);
  EXPECT_EQ(ReadSeen(dir, "a").kvresult, L"[JA]");
  EXPECT_EQ(ReadSeen(dir, "b").kvresult, L"[NEIN]");
  EXPECT_TRUE(FolderIsEmpty(dir / "temp"));
}

TEST(KvCmd, ACancelledListDialogLeavesKvresultUndefined) {
  const auto dir = FreshWorkDir();
  MakeKit(dir, false);
  WriteBytes(dir / "liste.txt", "Rot\r\nGr\xFCn\r\nBlau\r\n");
  WriteBytes(dir / "wahl.txt", "Farbwahl\r\nliste.txt\r\n\r\nWelche Farbe?\r\n");
  Program cmd(CmdLine(WriteBatch(dir, "t", L"LISTBOX wahl.txt")), dir, true);
  HWND list = nullptr;
  for (int i = 0; i < 1000 && !list; ++i) {
    for (HWND w : WindowsOfImage(L"kelvari.exe")) {
      if (Text(w) == L"Farbwahl" || Text(w) == L"Kelvari") list = w;
    }
    Sleep(20);
  }
  ASSERT_NE(list, nullptr);
  if (Text(list) == L"Kelvari") {  // this build has no list dialog yet
    PressButton(list, L"OK");
    cmd.WaitForExit(30000);
    GTEST_SKIP() << "LISTBOX is not part of this build";
  }
  HWND cancel = nullptr;
  for (HWND frame : Children(list)) {
    if (!cancel) cancel = ChildByText(frame, L"Abbrechen");
  }
  if (!cancel) cancel = ChildByText(list, L"Abbrechen");
  ASSERT_NE(cancel, nullptr);
  Press(cancel);
  EXPECT_EQ(cmd.WaitForExit(30000), 0u);
  const Seen seen = ReadSeen(dir, "t");
  EXPECT_EQ(seen.kvresult, L"<undefined>");
  EXPECT_TRUE(ErrorlevelAfterCall(seen.errorlevel, 1)) << Utf8(seen.errorlevel);
  EXPECT_TRUE(FolderIsEmpty(dir / "temp"));
}

// Batch files often quote only a part of the program's path; the program's own name still
// ends at the first blank outside quotes, and the words after it are the command's.
TEST(KvCmd, PartlyQuotedProgramNamesAsBatchFilesWriteThem) {
  const auto dir = FreshWorkDir();
  const fs::path kit = dir / "Kel vari";
  fs::create_directories(kit);
  fs::copy_file(KelvariExe(), kit / "kelvari.exe");
  WriteBytes(dir / "p.txt", "Teilweise in Anf\xFChrungszeichen\r\n\r\nText\r\n");
  const std::wstring starts[] = {
      L"\"%~dp0\"kelvari.exe",
      L"set \"KVDIR=" + kit.wstring() + L"\"\r\n\"%KVDIR%\"\\kelvari.exe",
      dir.wstring() + L"\\\"Kel vari\"\\kelvari.exe",
  };
  for (const std::wstring& start : starts) {
    std::error_code ec;
    fs::remove(dir / "erg.txt", ec);
    const fs::path batch = kit / "start.cmd";
    WriteBytes(batch, Ansi(L"@echo off\r\n" + start + L" erg.txt MESSAGEBOX p.txt\r\n"));
    Program cmd(CmdLine(batch), dir, true);
    HWND box = nullptr;
    for (int i = 0; i < 1500 && !box; ++i) {
      for (HWND w : WindowsOfImage(L"kelvari.exe")) box = w;
      Sleep(20);
    }
    ASSERT_NE(box, nullptr) << Utf8(start);
    const MessageBoxView view = ReadMessageBox(box);
    EXPECT_EQ(view.title, L"Teilweise in Anf\u00FChrungszeichen") << Utf8(start);
    EXPECT_EQ(view.text, L"Text") << Utf8(start);
    PressButton(box, L"OK");
    EXPECT_EQ(cmd.WaitForExit(30000), 0u);
    EXPECT_EQ(ReadBytes(dir / "erg.txt"), "OK\r\n") << Utf8(start);
  }
}

// The entries of the list dialog that a batch file opens through kv.cmd with `words` (after the
// lines `extra`), read from the real program; the dialog is then cancelled.
std::vector<std::wstring> EntriesShownThroughKvCmd(const fs::path& dir, const std::wstring& words,
                                                   const std::wstring& extra, bool console) {
  Program cmd(CmdLine(WriteBatch(dir, "t", words, extra)), dir, true,
              console ? CREATE_NEW_CONSOLE : 0);
  HWND form = nullptr;
  for (int i = 0; i < 1500 && !form; ++i) {
    for (HWND w : WindowsOfImage(L"kelvari.exe")) {
      if (Text(w) == L"Farben" || Text(w) == L"Kelvari") form = w;
    }
    if (!form) Sleep(20);
  }
  if (!form) return {L"<kein Fenster>"};
  if (Text(form) == L"Kelvari") {
    const std::wstring text = ReadMessageBox(form).text;
    PressButton(form, L"OK");
    cmd.WaitForExit(30000);
    return {L"<Meldung> " + text};
  }
  std::vector<std::wstring> entries = ListEntries(ChildOfClass(form, L"ListBox"));
  HWND cancel = ChildByText(form, L"Abbrechen");
  for (HWND frame : Children(form)) {
    if (!cancel) cancel = ChildByText(frame, L"Abbrechen");
  }
  if (cancel) Press(cancel);
  EXPECT_EQ(cmd.WaitForExit(30000), 0u);
  EXPECT_TRUE(FolderIsEmpty(dir / "temp"));
  return entries;
}

// LISTBOX entries straight from the batch file: after /E (texts, or with /V names of variables)
// and from the lines of a command after /C, run in the caller's folder. Every entry shows
// exactly, in a console (UTF-8) and without one (the ANSI fallback, cmd /u for /C).
TEST(KvCmd, ListEntriesFromTheCallLineAndFromACommandAreExact) {
  const auto dir = FreshWorkDir();
  MakeKit(dir, false);
  std::vector<std::wstring> names = {
      L"Rot", L"Gr\u00FCn", L";x", L"REM y", L"a b", L"100%", L"\u0141\u4E2D\U0001F600"};
  fs::create_directories(dir / "namen");
  for (const auto& name : names) WriteBytes(dir / "namen" / name, "");
  for (std::size_t i = 0; i < names.size(); ++i) {
    SetEnvironmentVariableW((L"FARBE" + std::to_wstring(i + 1)).c_str(), names[i].c_str());
  }
  const std::wstring lines = L"LISTBOX /T \"Farben\" \"\" \"MULTISELECT\" \"Bitte w\u00E4hlen:\" ";
  // A percent sign cannot pass the call line of a called batch file under Wine, whose cmd
  // expands %1 once more: the texts after /E here hold none, the variables and names do.
  const struct {
    std::wstring words;
    std::wstring extra;
    std::vector<std::wstring> entries;
  } cases[] = {
      {lines + L"/E \"Rot\" \"Gr\u00FCn\" \";x\" \"REM y\" \"a b\" \"%FARBE7%\" \"\"",
       L"",
       {L"Rot", L"Gr\u00FCn", L";x", L"REM y", L"a b", names[6], L""}},
      {L"LISTBOX /V TITEL LEER ART FRAGE /E FARBE1 FARBE2 FARBE3 FARBE4 FARBE5 FARBE6 FARBE7 KEINE",
       SetLine(L"TITEL", L"Farben") + SetLine(L"ART", L"MULTISELECT") +
           SetLine(L"FRAGE", L"Bitte w\u00E4hlen:"),
       {names[0], names[1], names[2], names[3], names[4], names[5], names[6], L""}},
      {lines + L"/C \"dir /b\"", L"cd /d \"" + (dir / "namen").wstring() + L"\"\r\n", names},
  };
  for (bool console : {false, true}) {
    for (const auto& c : cases) {
      std::vector<std::wstring> shown = EntriesShownThroughKvCmd(dir, c.words, c.extra, console);
      std::vector<std::wstring> expected = c.entries;
      if (c.words.find(L"/C") != std::wstring::npos) {  // dir's order is the file system's
        std::sort(shown.begin(), shown.end());
        std::sort(expected.begin(), expected.end());
      }
      EXPECT_EQ(shown, expected) << Utf8(c.words) << (console ? " (console)" : "");
    }
  }
  for (std::size_t i = 0; i < names.size(); ++i) {
    SetEnvironmentVariableW((L"FARBE" + std::to_wstring(i + 1)).c_str(), nullptr);
  }
}

// A command after /C that fails or prints no line: kv.cmd says so in its own box, exit 2.
TEST(KvCmd, ACommandThatFailsOrPrintsNothingIsReported) {
  const auto dir = FreshWorkDir();
  MakeKit(dir, true);
  const std::wstring lines = L"LISTBOX /T \"Farben\" \"\" \"\" \"Bitte:\" ";
  const struct {
    std::wstring words;
    std::wstring message;
  } cases[] = {
      {lines + L"/C \"dir /b keine_solche_datei*\"",
       L"Der Befehl nach /C endete mit dem Exit-Code 1."},
      {lines + L"/C \"rem nichts\"", L"Der Befehl nach /C hat keine Zeile ausgegeben."},
  };
  // kv.cmd's umlauts arrive in every code page cmd reads it in: the ANSI code page without a
  // console, the console's code page with one.
  for (const bool console : {false, true}) {
    for (const auto& c : cases) {
      const Seen seen = RunBatchWithFake(dir, L"Rot", c.words, L"", L"", console);
      EXPECT_EQ(FakeValues(dir), Utf8(L"Kelvari\r\nOK STOP\r\nAusf\u00FChrungsfehler:\r\n\r\n" +
                                      c.message + L"\r\n"))
          << Utf8(c.words);
      EXPECT_EQ(seen.kvresult, L"<undefined>");
      EXPECT_TRUE(ErrorlevelAfterCall(seen.errorlevel, 2)) << Utf8(seen.errorlevel);
      EXPECT_TRUE(FolderIsEmpty(dir / "temp"));
    }
  }
}

// A text that holds a line end cannot be one line: the program refuses it, the result untouched.
TEST(KvCmd, AVariableWithALineBreakIsRefused) {
  const auto dir = FreshWorkDir();
  MakeKit(dir, false);
  SetEnvironmentVariableW(L"ZEILEN", L"erste\nzweite");
  Program cmd(CmdLine(WriteBatch(dir, "t", L"MESSAGEBOX /V ZEILEN")), dir, true);
  HWND box = WaitForWindowOfImage(L"kelvari.exe", L"Kelvari");
  SetEnvironmentVariableW(L"ZEILEN", nullptr);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(ReadMessageBox(box).text,
            L"Die Umgebungsvariable 'ZEILEN' enth\u00E4lt einen Zeilenumbruch und kann keine "
            L"Zeile sein.");
  PressButton(box, L"OK");
  EXPECT_EQ(cmd.WaitForExit(30000), 0u);
  const Seen seen = ReadSeen(dir, "t");
  EXPECT_EQ(seen.kvresult, L"<undefined>");
  EXPECT_TRUE(ErrorlevelAfterCall(seen.errorlevel, 2)) << Utf8(seen.errorlevel);
  EXPECT_TRUE(FolderIsEmpty(dir / "temp"));
}

// kv.cmd's cmd killed while its PASSWORDBOX is open: the password typed afterwards is written
// nowhere, and the program removes kv.cmd's folder.
TEST(KvCmd, NoPasswordIsLeftWhenKvCmdsCmdIsKilled) {
  const auto dir = FreshWorkDir();
  MakeKit(dir, false);
  Program cmd(
      CmdLine(WriteBatch(dir, "t", L"PASSWORDBOX /T \"Anmeldung\" \"Vorschlag123\" \"Kennwort:\"")),
      dir, true);
  HWND box = WaitForWindowOfImage(L"kelvari.exe", L"Anmeldung");
  ASSERT_NE(box, nullptr);
  ASSERT_TRUE(TerminateProcess(cmd.process(), 1));
  ASSERT_TRUE(cmd.WaitForExit(10000).has_value());
  ClickAt(ChildOfClass(box, L"Edit"), {2, 2});
  PressKey(VK_END);
  PressKey(VK_HOME, false, false, /*with_shift=*/true);
  TypeText(L"Geheim456");
  PressButton(box, L"OK");
  EXPECT_TRUE(Eventually([] { return CountProcesses(L"kelvari.exe") == 0; }, 30000));
  EXPECT_TRUE(FolderIsEmpty(dir / "temp"));
  for (const auto& entry : fs::recursive_directory_iterator(dir)) {
    if (!entry.is_regular_file() || entry.path().extension() == ".cmd") continue;
    const std::string bytes = ReadBytes(entry.path()).value_or("");
    EXPECT_EQ(bytes.find("Geheim456"), std::string::npos) << entry.path().string();
    EXPECT_EQ(bytes.find("Vorschlag123"), std::string::npos) << entry.path().string();
  }
}

// A folder goes when the cmd that made it has ended, never because of its age, and only a
// folder kv.cmd made: a call killed with its dialog open leaves its folder (no answer in it),
// which the next call removes; an aged answer of a cmd still running (paused in its console)
// stays; a link named like a folder of kv.cmd is never followed, whatever its target holds.
TEST(KvCmd, FoldersGoWhenTheirCmdHasEndedNeverThroughALink) {
  const auto dir = FreshWorkDir();
  MakeKit(dir, false);
  const fs::path temp = dir / "temp";
  WriteBytes(dir / "frage.txt", "Abgebrochen\r\nJN\r\nWeiter?\r\n");
  {
    Program killed(CmdLine(WriteBatch(dir, "a", L"MESSAGEBOX frage.txt")), dir, true);
    HWND box = WaitForWindowOfImage(L"kelvari.exe", L"Abgebrochen");
    ASSERT_NE(box, nullptr);
    DWORD id = 0;
    GetWindowThreadProcessId(box, &id);
    HANDLE program = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id);
    ASSERT_NE(program, nullptr);
    ASSERT_TRUE(TerminateProcess(killed.process(), 1));
    TerminateProcess(program, 1);
    WaitForSingleObject(program, 10000);
    CloseHandle(program);
    ASSERT_TRUE(killed.WaitForExit(10000).has_value());
  }
  std::vector<fs::path> left;
  for (const auto& entry : fs::directory_iterator(temp)) {
    if (entry.path().filename() != "kv555.tmp") left.push_back(entry.path());  // see below
  }
  ASSERT_EQ(left.size(), 1u);
  EXPECT_FALSE(fs::exists(left[0] / "ergebnis.txt"));

  // The test program itself stands for a cmd that waits, paused, for its aged answer.
  const fs::path paused = MakeCallFolder(temp, "kv222.tmp", ProcessRecord(GetCurrentProcess()));
  const fs::path unmarked = MakeCallFolder(temp, "kv333.tmp", "");
  fs::remove(unmarked / "kvcmd.txt");
  const fs::path ended = MakeCallFolder(temp, "kv444.tmp", "1 1\r\n");
  WriteBytes(ended / "bericht.doc", "Wichtig");
  // A link to a folder of the user's, made to look like an ended call's folder in every way.
  const fs::path victim = MakeCallFolder(dir, "daten", "1 1\r\n");
  WriteBytes(victim / "bericht.doc", "Wichtig");
  const FolderLink link(victim, temp / "kv555.tmp");
  ASSERT_TRUE(link.made);

  Program cmd(CmdLine(WriteBatch(dir, "t", L"CHECKDRIVE C:")), dir, true);
  ASSERT_EQ(cmd.WaitForExit(60000), 0u);
  EXPECT_EQ(ReadSeen(dir, "t").kvresult, L"[OK]");
  EXPECT_FALSE(fs::exists(left[0]));
  EXPECT_EQ(ReadBytes(paused / "ergebnis.txt"), "Geheim456\r\n");
  EXPECT_TRUE(fs::exists(unmarked / "ergebnis.txt"));
  EXPECT_FALSE(fs::exists(ended / "ergebnis.txt"));
  EXPECT_EQ(ReadBytes(ended / "bericht.doc"), "Wichtig");
  for (const char* name : {"kvcmd.txt", "aufrufer.txt", "ergebnis.txt", "bericht.doc"}) {
    EXPECT_TRUE(fs::exists(victim / name)) << name;
  }
}

// Programs planted in the caller's folder under the names of the system's (a batch file works
// in a folder of files it cleans up): none of them runs, in a console (chcp), without one and
// for a list from a command (cmd); the answer arrives and reaches no program but kelvari.exe.
TEST(KvCmd, NoProgramInTheCallersFolderRuns) {
  const auto dir = FreshWorkDir();
  MakeKit(dir, true);
  const fs::path planted = dir / "fremd";
  fs::create_directories(planted);
  for (const char* name : {"chcp.exe", "cmd.exe", "reg.exe", "chcp.com"}) {
    fs::copy_file(BuildDir() / "tests" / "e2e" / "kv_fake_kelvari.exe", planted / name);
  }
  WriteBytes(planted / "a.tmp", "");
  const std::wstring extra = L"cd /d \"" + planted.wstring() + L"\"\r\n";
  const struct {
    const wchar_t* answer;
    std::wstring words;
    bool console;
  } cases[] = {
      {L"Geheim123", L"PASSWORDBOX frage.txt", true},
      {L"Geheim123", L"PASSWORDBOX frage.txt", false},
      {L"a.tmp", L"LISTBOX /T \"Dateien\" \"\" \"\" \"Welche?\" /C \"dir /b *.tmp\"", false},
      {L"a.tmp", L"LISTBOX /T \"Dateien\" \"\" \"\" \"Welche?\" /C \"dir /b *.tmp\"", true},
  };
  for (const auto& c : cases) {
    const Seen seen = RunBatchWithFake(dir, c.answer, c.words, extra, L"", c.console);
    EXPECT_EQ(seen.kvresult, L"[" + std::wstring(c.answer) + L"]") << Utf8(c.words);
    EXPECT_EQ(seen.errorlevel, L"[0]") << Utf8(c.words);
    EXPECT_FALSE(fs::exists(planted / "fake.log")) << Utf8(c.words) << c.console;
    EXPECT_TRUE(FolderIsEmpty(dir / "temp"));
  }
}

// A parameter file of anyone's that starts like kv.cmd's lists of variables is an ordinary
// file: its first line a comment, no variable shown (also when kv.cmd reads it through a copy
// in its own folder, for a path with blanks).
TEST(KvCmd, AForeignFileOfVariablesIsReadAsComments) {
  const auto dir = FreshWorkDir();
  MakeKit(dir, false);
  fs::create_directories(dir / "mit blank");
  const std::string content = ";kv.cmd:ANSI:VARIABLES\r\nUSERNAME\r\nJN\r\nGEHEIM\r\n";
  WriteBytes(dir / "fremd.txt", content);
  WriteBytes(dir / "mit blank" / "fremd.txt", content);
  SetEnvironmentVariableW(L"GEHEIM", L"Kennwort123");
  for (const std::wstring& words :
       {std::wstring(L"MESSAGEBOX fremd.txt"),
        L"MESSAGEBOX \"" + (dir / "mit blank" / "fremd.txt").wstring() + L"\""}) {
    Program cmd(CmdLine(WriteBatch(dir, "t", words)), dir, true);
    HWND box = WaitForWindowOfImage(L"kelvari.exe", L"USERNAME");
    ASSERT_NE(box, nullptr) << Utf8(words);
    EXPECT_EQ(ReadMessageBox(box).text, L"GEHEIM");
    PressButton(box, L"Ja");
    EXPECT_EQ(cmd.WaitForExit(30000), 0u);
    EXPECT_EQ(ReadSeen(dir, "t").kvresult, L"[JA]");
  }
  SetEnvironmentVariableW(L"GEHEIM", nullptr);
}

// KVTEMP on a full disk: kv.cmd names the full disk in its box, errorlevel 2, and leaves
// nothing there.
TEST(KvCmd, AFullKvtempIsNamedAsAFullDisk) {
  const fs::path disk = WineSessionFile("small-disk");
  ULARGE_INTEGER total{};
  if (!GetDiskFreeSpaceExW(disk.c_str(), nullptr, &total, nullptr) || total.QuadPart > (1u << 20)) {
    GTEST_SKIP() << "no small file system at " << disk.string();
  }
  const auto dir = FreshWorkDir();
  MakeKit(dir, true);
  for (const auto& entry : fs::directory_iterator(disk)) fs::remove_all(entry.path());
  HANDLE file = CreateFileW((disk / "voll.bin").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  const std::string chunk(512, 'f');
  DWORD written = 0;
  while (WriteFile(file, chunk.data(), 512, &written, nullptr) && written == 512) {
  }
  CloseHandle(file);
  const Seen seen =
      RunBatchWithFake(dir, L"x", L"INPUTBOX frage.txt", SetLine(L"KVTEMP", disk.wstring()));
  EXPECT_EQ(seen.kvresult, L"<undefined>");
  EXPECT_TRUE(ErrorlevelAfterCall(seen.errorlevel, 2)) << Utf8(seen.errorlevel);
  EXPECT_NE(LastFakeCall(dir).find(" MESSAGEBOX "), std::string::npos) << LastFakeCall(dir);
  EXPECT_NE(FakeValues(dir).find(Utf8(L"Auf dem Datentr\u00E4ger des Ordners '" + disk.wstring() +
                                      L"' ist kein Platz mehr frei")),
            std::string::npos)
      << FakeValues(dir);
  std::vector<std::string> left;
  for (const auto& entry : fs::directory_iterator(disk)) {
    left.push_back(entry.path().filename().string());
  }
  for (const auto& entry : fs::directory_iterator(disk)) fs::remove_all(entry.path());
  EXPECT_EQ(left, std::vector<std::string>{"voll.bin"});
}

// A multiple answer walked one entry at a time: KVCOUNT and KVRESULT_1 ... hold each chosen
// entry exactly, whatever its characters, and the walk the manual shows delivers each exactly,
// with and without delayed expansion in the caller. Entries of an earlier call never show.
TEST(KvCmd, AMultipleAnswerIsWalkedOneEntryAtATime) {
  const auto dir = FreshWorkDir();
  MakeKit(dir, false);
  // Without a console the answer is ANSI: no emoji here. Wine's delayed expansion eats a "!"
  // inside a value (see README), so no name here has one.
  const std::vector<std::wstring> names = {
      L"100%sicher%.tmp", L"a^b.tmp", L"*.tmp",   L"wer?.tmp",           L"..\\oben.tmp",
      L" Blank.tmp",      L";x.tmp",  L"R&D.tmp", L"Gr\u00FC\u00DFe.tmp"};
  std::wstring variables;
  for (std::size_t i = 0; i < names.size(); ++i) {
    SetEnvironmentVariableW((L"NAME" + std::to_wstring(i + 1)).c_str(), names[i].c_str());
    variables += L" NAME" + std::to_wstring(i + 1);
  }
  SetEnvironmentVariableW(L"sicher", L"FALSCH");
  const std::wstring recorder = L"\"" + RecorderExe() + L"\"";
  for (const bool delayed : {false, true}) {
    SCOPED_TRACE(delayed);
    std::error_code ec;
    fs::remove(dir / "walk.log", ec);
    const std::wstring text =
        L"@echo off\r\n" + SetLine(L"KV_RECORDER_LOG", (dir / "walk.log").wstring()) +
        SetLine(L"KVTEMP", (dir / "temp").wstring()) +
        (delayed ? L"setlocal EnableDelayedExpansion\r\n" : L"") +
        // Stale entries of an earlier call: KVRESULT_10 must not be walked.
        L"set KVCOUNT=10\r\nset KVRESULT_10=alt\r\n" + L"call \"" +
        (dir / "kit" / "kv.cmd").wstring() + L"\" LISTBOX /V TITEL LEER ART FRAGE /E" + variables +
        L"\r\n"
        L"for /l %%i in (1,1,%KVCOUNT%) do call :jede %%i\r\n" +
        recorder + L" --env KVCOUNT\r\n" + recorder +
        L" --env KVRESULT_10\r\n"
        L"goto :eof\r\n"
        L":jede\r\n"
        L"setlocal EnableDelayedExpansion\r\n"
        L"set \"W=!KVRESULT_%1!\"\r\n" +
        recorder + L" --env W\r\n";
    WriteBytes(dir / "walk.cmd", Encoded(text, CP_OEMCP));
    SetEnvironmentVariableW(L"TITEL", L"Farben");
    SetEnvironmentVariableW(L"ART", L"MULTISELECT");
    SetEnvironmentVariableW(L"FRAGE", L"Welche?");
    Program cmd(CmdLine(dir / "walk.cmd"), dir, true);
    HWND form = WaitForWindowOfImage(L"kelvari.exe", L"Farben");
    ASSERT_NE(form, nullptr);
    HWND list = ChildOfClass(form, L"ListBox");
    SendMessageW(list, LB_SETSEL, TRUE, -1);
    Press(ChildByText(form, L"OK"));
    EXPECT_EQ(cmd.WaitForExit(30000), 0u);
    std::string expected;
    for (const auto& name : names) expected += "[" + Utf8(name) + "]\r\n";
    expected += "[" + std::to_string(names.size()) + "]\r\n<undefined>\r\n";
    EXPECT_EQ(ReadBytes(dir / "walk.log").value_or(""), expected);
    EXPECT_TRUE(FolderIsEmpty(dir / "temp"));
  }
  for (std::size_t i = 0; i < names.size(); ++i) {
    SetEnvironmentVariableW((L"NAME" + std::to_wstring(i + 1)).c_str(), nullptr);
  }
  for (const wchar_t* name : {L"sicher", L"TITEL", L"ART", L"FRAGE"}) {
    SetEnvironmentVariableW(name, nullptr);
  }
}

}  // namespace
}  // namespace kvtest
