#include "core/program.h"

#include <vector>

#include "core/answer_encoding.h"
#include "core/error_messages.h"
#include "core/kv_cmd_folders.h"
#include "core/parameter_file.h"
#include "core/word_splitter.h"

namespace kelvari {

int Program::Run() {
  const SettingsReading reading =
      ReadSettings([this](const std::wstring& name) { return system_.EnvironmentVariable(name); });
  const Settings& settings = reading.settings;
  if (settings.started_by_kv_cmd) system_.WatchParent();
  if (reading.wrong_value_message) {
    // Nobody may be there to read it: the message, too, waits only so long.
    system_.StartCountdown(kWrongSettingBoxSeconds);
    return ReportFault(*reading.wrong_value_message);
  }
  if (settings.timeout_seconds) system_.StartCountdown(*settings.timeout_seconds);

  const int exit_code = Finish(Start(settings));
  if (settings.started_by_kv_cmd) {
    RemoveFoldersOfEndedCalls(call_.ResultPath(), system_, system_, system_);
  }
  // A failure stays a failure, also when its message closed itself.
  if (exit_code != kExitFailed && system_.CountdownRanOut()) return kExitTimedOut;
  return exit_code;
}

Outcome Program::Start(const Settings& settings) {
  call_ = Invocation({}, {}, settings);
  Result<std::vector<std::wstring>> split = SplitWords(system_.ArgumentText());
  if (!split.ok()) return Outcome::Fault(split.reason());
  call_ = Invocation(split.value(), {}, settings);
  const std::size_t count = split.value().size();
  // Before any dialog: a later call removes this folder only once its cmd has ended.
  if (settings.started_by_kv_cmd) RecordCaller(call_.ResultPath(), system_, system_, system_);
  if (count == 1) return Outcome::Error(kErrNoCommand);
  // Without any word the program shows its help.
  const CommandRow* row =
      FindCommand(commands_, count == 0 ? std::wstring(L"HELP") : system_.UpperCase(call_.Word(2)));
  if (!row) return Outcome::Error(kErrUnknownCommand);

  if (row->least_lines != kNoParameterFile) {
    if (count < 3) return Outcome::Error(kErrNoParamFile);
    const std::wstring path = call_.Word(3);
    const bool names_variables =
        IsKvCmdOwnFile(path, call_.ResultPath(), settings.started_by_kv_cmd, system_, system_);
    ParameterFile file =
        ReadParameterFile(path, row->least_lines, system_, system_, system_, names_variables);
    call_ = Invocation(std::move(split.value()), std::move(file.lines), settings);
    if (file.failure) return *file.failure;
  }
  return row->run(call_, system_);
}

int Program::Finish(const Outcome& outcome) {
  switch (outcome.kind) {
    case Outcome::kAnswer:
      return WriteAnswer(outcome);
    case Outcome::kNoAnswer:
      return outcome.exit_code;
    case Outcome::kError:
      return ReportError(outcome.error, outcome.attribute);
    case Outcome::kFault:
      return ReportFault(outcome.text);
  }
  return ReportFault(L"Interner Fehler: Das Kommando konnte nicht ausgef\u00FChrt werden.");
}

int Program::WriteAnswer(const Outcome& answer) {
  const std::wstring& text = answer.text;
  const int exit_code = answer.exit_code;
  const std::wstring path = call_.ResultPath();
  const ResultCharset charset = call_.settings().charset;
  const AnsiText encoded = EncodeAnswer(system_, charset, text);
  if (!encoded.exact) {
    // Every command checks its answer before; this keeps any other answer from arriving changed.
    return ReportFault(L"Die Antwort" + NotHeldReason(system_, charset, text).value_or(L"") +
                       L"\rSie wird nicht an die Stapeldatei weitergegeben.");
  }
  const std::string bytes = encoded.bytes + "\r\n";
  if (call_.settings().started_by_kv_cmd && system_.ParentHasEnded()) {
    // Nobody waits for the answer (kv.cmd's cmd was closed or killed), and a password must not
    // stay on the disk: nothing is written, and what kv.cmd left in its folder goes too.
    const std::wstring folder = KvCmdFolderOf(path, system_, system_);
    if (!folder.empty()) RemoveKvCmdFolder(folder, system_, system_);
    return kExitFailed;
  }
  if (answer.several && call_.settings().started_by_kv_cmd) {
    // Before the answer: kv.cmd reads the entries once the program has ended with it.
    if (const auto failed = WriteKvCmdEntries(path, answer.entries, charset, system_, system_)) {
      return ReportFault(L"Die Ergebnisdatei '" + failed->path +
                         L"' konnte nicht geschrieben werden:\r" + failed->reason);
    }
  }
  const Status written = system_.ReplaceFileContent(path, bytes);
  if (!written.ok()) {
    return ReportFault(L"Die Ergebnisdatei '" + path + L"' konnte nicht geschrieben werden:\r" +
                       written.reason());
  }
  return exit_code;
}

int Program::ReportError(ErrorCode code, const std::wstring& attribute) {
  ErrorContext context;
  context.word2 = call_.Word(2);
  context.word3 = call_.Word(3);
  if (code == kErrListFileMissing && call_.LineCount() >= 2)
    context.upper_param_line2 = system_.UpperCase(call_.Line(2));
  if (code == kErrMessageBoxAttribute || code == kErrListBoxAttribute ||
      code == kErrButtonBoxAttribute || code == kErrNoticeBoxAttribute ||
      code == kErrProgressBoxAttribute)
    context.upper_attribute = system_.UpperCase(attribute);
  if (code == kErrWrongValue) context.wrong_value = attribute;
  const std::wstring text = std::wstring(kErrorHeading) + ErrorMessage(code, context);
  return ReportFault(text);
}

int Program::ReportFault(const std::wstring& message) {
  // Nobody is left to tell when even this box cannot be shown: the exit code says it.
  static_cast<void>(
      system_.ShowMessage({.text = message, .title = L"Kelvari", .icon = MessageIcon::kStop}));
  return kExitFailed;
}

}  // namespace kelvari
