#include "frontend/form1.h"

#include <string_view>

#include "frontend/ansi_answer.h"
#include "frontend/error_messages.h"
#include "frontend/param_lines.h"
#include "frontend/text_file.h"
#include "frontend/word_list.h"

namespace kelvari {
namespace {

using Handler = void (Form1::*)();

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
};

}  // namespace

void Form1::ParameterAuswerten() {
  GetParamStrX(system_.ArgumentText());
  if (ParamCountX == 0) DoHelp();
  if (ParamCountX < 2) DoInternalError(1);

  const std::wstring command = system_.UpperCase(ParamStrX[2]);
  for (const Command& c : kCommands) {
    if (command != c.word) continue;
    (this->*c.handler)();
    return;
  }
  DoInternalError(2);
}

void Form1::DoNotOnNt() {
  DoInternalError(10);
}

void Form1::DoInternalErrorCommand() {
  DoInternalError(0);
}

void Form1::GetParamStrX(const std::wstring& text) {
  if (!SplitWords(text, ParamStrX, ParamCountX)) {
    ReportFault(L"Ein Text mit mehr als 32767 W\u00F6rtern kann nicht zerlegt werden.");
  }
}

void Form1::RestoreCommandLineWords() {
  GetParamStrX(system_.ArgumentText());
}

std::wstring Form1::Word(int n) const {
  if (n < 1 || n > ParamCountX || static_cast<std::size_t>(n) >= ParamStrX.size()) return {};
  return ParamStrX[static_cast<std::size_t>(n)];
}

void Form1::ChkParamFileName(std::int16_t MinLaenge) {
  if (ParamCountX < 3) DoInternalError(3);
  const std::wstring path = Word(3);
  if (!system_.IsNormalFile(path)) DoInternalError(4);

  ParamLines.assign(1, std::wstring());
  std::string bytes;
  const IoStatus read = system_.ReadWholeFile(path, bytes);
  if (!read.ok) {
    ReportFault(L"Die Parameterdatei '" + path + L"' konnte nicht gelesen werden:\r" + read.reason);
  }
  ParamLines = KeepParameterLines(SplitLines(DecodeTextFile(bytes, system_)), system_);
  bytes.clear();
  if (static_cast<int>(ParamLines.size()) - 1 > kMaxLines) {
    ReportFault(L"Die Parameterdatei '" + path + L"' enth\u00E4lt mehr als 32767 Zeilen.");
  }
  if (static_cast<int>(ParamLines.size()) - 1 < MinLaenge) DoInternalError(5);
}

std::wstring Form1::PromptString(std::int16_t StartIndex) const {
  return JoinPrompt(ParamLines, StartIndex);
}

void Form1::SaveResultAndExit(const std::wstring& text, int exit_code) {
  const std::wstring path = ParamStrX.size() > 1 ? ParamStrX[1] : std::wstring();
  const AnsiText ansi = system_.ToAnsi(text);
  if (!ansi.exact) {
    // Every command checks its answer before; this keeps any other answer from arriving changed.
    ReportFault(L"Die Antwort" + NotInAnsiReason(system_, text).value_or(L"") +
                L"\rSie wird nicht an die Stapeldatei weitergegeben.");
  }
  const std::string bytes = ansi.bytes + "\r\n";
  const IoStatus written = system_.ReplaceFileContent(path, bytes);
  if (!written.ok) {
    ReportFault(L"Die Ergebnisdatei '" + path + L"' konnte nicht geschrieben werden:\r" +
                written.reason);
  }
  system_.ExitProcess(exit_code);
}

void Form1::DoInternalError(std::int16_t code, const std::wstring& attribute) {
  ErrorContext context;
  context.word2 = Word(2);
  context.word3 = Word(3);
  if (code == 8 && ParamLines.size() > 2)
    context.upper_param_line2 = system_.UpperCase(ParamLines[2]);
  if (code == 6 || code == 7) context.upper_attribute = system_.UpperCase(attribute);
  const std::wstring text = std::wstring(kErrorHeading) + ErrorMessage(code, context);
  reporting_ = true;
  system_.MessageBox(text, L"Kelvari", kMbIconStop);
  system_.ExitProcess(kExitFailed);
}

void Form1::ReportFault(const std::wstring& message) {
  reporting_ = true;
  system_.MessageBox(message, L"Kelvari", kMbIconStop);
  system_.ExitProcess(kExitFailed);
}

}  // namespace kelvari
