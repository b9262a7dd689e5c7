#include "core/program.h"

#include <string_view>

#include "core/answer_encoding.h"
#include "core/error_messages.h"
#include "core/parameter_lines.h"
#include "core/timeout_setting.h"
#include "core/word_splitter.h"

namespace kelvari {
namespace {

using Handler = Outcome (Form1::*)();

struct Command {
  std::wstring_view word;
  Handler handler;
};

// Compared in this order; the first equal entry wins.
const Command kCommands[] = {
    {L"_ERROR:OS=NT", &Form1::DoNotOnNt},
    {L"QUERYFOLDERBOX", &Form1::DoQueryFolderBox},
    {L"CHECKDRIVE", &Form1::DoCheckDrive},
    {L"CHECKLABEL", &Form1::DoCheckLabel},
    {L"INTERNALERROR", &Form1::DoInternalErrorCommand},
    {L"MESSAGEBOX", &Form1::DoMessageBox},
    {L"INPUTBOX", &Form1::DoInputBox},
    {L"FILEOPENBOX", &Form1::DoFileOpenBox},
    {L"FILESAVEBOX", &Form1::DoFileSaveBox},
    {L"LISTBOX", &Form1::DoListBox},
    {L"PLAY", &Form1::DoPlay},
    {L"INFO", &Form1::DoInfo},
    {L"HELP", &Form1::DoHelp},
    {L"PASSWORDBOX", &Form1::DoPasswordBox},
};

// kv.cmd sets this variable to "kv.cmd" for the program it starts: the answer then goes to a
// folder of its own, which no other program reads.
constexpr std::wstring_view kCallerVariable = L"KVCALLER";

// The folder of `path` when it is one that kv.cmd makes ("kv" ... ".tmp", any case); empty
// otherwise.
std::wstring KvCmdFolderOf(const std::wstring& path, TextsAndFiles& system) {
  const auto slash = path.find_last_of(L"\\/");
  if (slash == std::wstring::npos || slash == 0) return {};
  std::wstring folder = path.substr(0, slash);
  const auto start = folder.find_last_of(L"\\/:");
  const std::wstring name =
      system.UpperCase(start == std::wstring::npos ? folder : folder.substr(start + 1));
  if (name.size() < 6 || !name.starts_with(L"KV") || !name.ends_with(L".TMP")) return {};
  return folder;
}

// kv.cmd reads its answer the moment the program has ended. An answer older than this was
// left by a call whose batch file ended meanwhile (Ctrl+C answered with J).
constexpr int kAbandonedAnswerSeconds = 120;

}  // namespace

void Form1::RemoveAbandonedAnswers() {
  const std::wstring own = KvCmdFolderOf(Word(1), system_);
  if (own.empty()) return;
  const std::wstring base = own.substr(0, own.find_last_of(L"\\/"));
  for (const std::wstring& folder :
       system_.FoldersWithStaleFile(base, L"kv*.tmp", L"ergebnis.txt", kAbandonedAnswerSeconds)) {
    // The pattern also finds short names; only kv.cmd's own folders go.
    if (folder != own && !KvCmdFolderOf(folder + L"\\x", system_).empty()) {
      system_.RemoveFolderAndFiles(folder);
    }
  }
}

Outcome Form1::ParameterAuswerten() {
  if (Step fault = GetParamStrX(system_.ArgumentText())) return *fault;
  if (ParamCountX == 0) return DoHelp();
  if (ParamCountX < 2) return Outcome::Error(kErrNoCommand);

  const std::wstring command = system_.UpperCase(ParamStrX[2]);
  for (const Command& c : kCommands) {
    if (command == c.word) return (this->*c.handler)();
  }
  return Outcome::Error(kErrUnknownCommand);
}

int Form1::Run() {
  if (system_.EnvironmentVariable(std::wstring(kCallerVariable)) == L"kv.cmd") {
    system_.WatchParent();
    watching_caller_ = true;
  }
  const std::optional<std::wstring> timeout_value = system_.EnvironmentVariable(kTimeoutVariable);
  const TimeoutSetting timeout = ReadTimeoutSetting(timeout_value);
  const std::optional<std::wstring> charset_value = system_.EnvironmentVariable(kCharsetVariable);
  const std::optional<ResultCharset> charset = ReadCharsetSetting(charset_value);
  if (timeout.kind == TimeoutSetting::kWrong || !charset) {
    // Nobody may be there to read it: the message, too, waits only so long.
    system_.StartCountdown(kWrongTimeoutBoxSeconds);
    return ReportFault(timeout.kind == TimeoutSetting::kWrong
                           ? WrongTimeoutMessage(*timeout_value)
                           : WrongCharsetMessage(*charset_value));
  }
  AnswerCharset = *charset;
  if (timeout.kind == TimeoutSetting::kSeconds) system_.StartCountdown(timeout.seconds);

  Outcome outcome = Load();
  if (outcome.kind == Outcome::kDialogShown) outcome = system_.RunEventLoop();
  const int exit_code = Finish(outcome);
  if (watching_caller_) RemoveAbandonedAnswers();
  // A failure stays a failure, also when its message closed itself.
  if (exit_code != kExitFailed && system_.CountdownRanOut()) return kExitTimedOut;
  return exit_code;
}

int Form1::Finish(const Outcome& outcome) {
  switch (outcome.kind) {
    case Outcome::kAnswer:
      return SaveResultAndExit(outcome.text, outcome.exit_code);
    case Outcome::kNoAnswer:
      return outcome.exit_code;
    case Outcome::kError:
      return DoInternalError(outcome.error, outcome.attribute);
    case Outcome::kFault:
      return ReportFault(outcome.text);
    case Outcome::kDialogShown:
      break;
  }
  return kExitCancelled;
}

Outcome Form1::DoNotOnNt() {
  return Outcome::Error(kErrNotOnNt);
}

Outcome Form1::DoInternalErrorCommand() {
  return Outcome::Error(kErrInternal);
}

namespace {

Step TooManyWords() {
  return Outcome::Fault(L"Ein Text mit mehr als " + std::to_wstring(kMaxWords) +
                        L" W\u00F6rtern kann nicht zerlegt werden.");
}

}  // namespace

Step Form1::GetParamStrX(const std::wstring& text) {
  if (!SplitWords(text, ParamStrX, ParamCountX)) return TooManyWords();
  return std::nullopt;
}

Step Form1::SplitAttributeLine(const std::wstring& line, std::vector<std::wstring>& words) {
  words.clear();
  std::int16_t count = 0;
  if (!SplitWords(line, words, count)) return TooManyWords();
  words.resize(static_cast<std::size_t>(count) + 1);  // a line without words leaves none
  return std::nullopt;
}

std::wstring Form1::Word(int n) const {
  if (n < 1 || n > ParamCountX || static_cast<std::size_t>(n) >= ParamStrX.size()) return {};
  return ParamStrX[static_cast<std::size_t>(n)];
}

Step Form1::ChkParamFileName(std::int16_t MinLaenge) {
  if (ParamCountX < 3) return Outcome::Error(kErrNoParamFile);
  const std::wstring path = Word(3);
  if (!system_.IsNormalFile(path)) return Outcome::Error(kErrParamFileMissing);

  ParamLines.assign(1, std::wstring());
  std::string bytes;
  const IoStatus read = system_.ReadWholeFile(path, bytes);
  if (!read.ok) {
    return Outcome::Fault(L"Die Parameterdatei '" + path + L"' konnte nicht gelesen werden:\r" +
                          read.reason);
  }
  std::optional<std::wstring> fault;
  ParamLines = ParameterLinesOf(bytes, system_, fault);
  bytes.clear();
  if (fault) {
    ParamLines.assign(1, std::wstring());
    return Outcome::Fault(*fault);
  }
  if (static_cast<int>(ParamLines.size()) - 1 > kMaxLines) {
    return Outcome::Fault(L"Die Parameterdatei '" + path + L"' enth\u00E4lt mehr als " +
                          std::to_wstring(kMaxLines) + L" Zeilen.");
  }
  if (static_cast<int>(ParamLines.size()) - 1 < MinLaenge) return Outcome::Error(kErrTooFewLines);
  return std::nullopt;
}

std::wstring Form1::PromptString(std::int16_t StartIndex) const {
  return JoinPrompt(ParamLines, StartIndex);
}

int Form1::SaveResultAndExit(const std::wstring& text, int exit_code) {
  const std::wstring path = ParamStrX.size() > 1 ? ParamStrX[1] : std::wstring();
  const AnsiText encoded = EncodeAnswer(system_, AnswerCharset, text);
  if (!encoded.exact) {
    // Every command checks its answer before; this keeps any other answer from arriving changed.
    return ReportFault(L"Die Antwort" + NotHeldReason(system_, AnswerCharset, text).value_or(L"") +
                       L"\rSie wird nicht an die Stapeldatei weitergegeben.");
  }
  const std::string bytes = encoded.bytes + "\r\n";
  if (watching_caller_ && system_.ParentHasEnded()) {
    // Nobody waits for the answer (kv.cmd's cmd was closed or killed), and a password must not
    // stay on the disk: nothing is written, and what kv.cmd left in its folder goes too.
    const std::wstring folder = KvCmdFolderOf(path, system_);
    if (!folder.empty()) system_.RemoveFolderAndFiles(folder);
    return kExitFailed;
  }
  const IoStatus written = system_.ReplaceFileContent(path, bytes);
  if (!written.ok) {
    return ReportFault(L"Die Ergebnisdatei '" + path + L"' konnte nicht geschrieben werden:\r" +
                       written.reason);
  }
  return exit_code;
}

int Form1::DoInternalError(ErrorCode code, const std::wstring& attribute) {
  ErrorContext context;
  context.word2 = Word(2);
  context.word3 = Word(3);
  if (code == kErrListFileMissing && ParamLines.size() > 2)
    context.upper_param_line2 = system_.UpperCase(ParamLines[2]);
  if (code == kErrMessageBoxAttribute || code == kErrListBoxAttribute)
    context.upper_attribute = system_.UpperCase(attribute);
  const std::wstring text = std::wstring(kErrorHeading) + ErrorMessage(code, context);
  system_.MessageBox(text, L"Kelvari", kMbIconStop);
  return kExitFailed;
}

int Form1::ReportFault(const std::wstring& message) {
  system_.MessageBox(message, L"Kelvari", kMbIconStop);
  return kExitFailed;
}

}  // namespace kelvari
