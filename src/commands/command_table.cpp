// The command table: one row per command word. Adding a command is a file of its own in this
// folder, its handler in commands.h, and a row here.
#include "commands/commands.h"

namespace kelvari {
namespace {

const CommandRow kCommandTable[] = {
    {L"_ERROR:OS=NT", kNoParameterFile,
     [](const Invocation&, System&) { return RefuseOldSystemCheck(); }},
    {L"QUERYFOLDERBOX", 1,
     [](const Invocation& call, System& system) {
       return AskForFolder(call, system, system, system);
     }},
    {L"CHECKDRIVE", kNoParameterFile,
     [](const Invocation& call, System& system) { return CheckDrive(call, system); }},
    {L"CHECKLABEL", kNoParameterFile,
     [](const Invocation& call, System& system) { return CheckLabel(call, system, system); }},
    {L"INTERNALERROR", kNoParameterFile,
     [](const Invocation&, System&) { return ReportInternalError(); }},
    {L"MESSAGEBOX", 3,
     [](const Invocation& call, System& system) {
       return AskWithMessageBox(call, system, system);
     }},
    {L"INPUTBOX", 3,
     [](const Invocation& call, System& system) { return AskForText(call, system, system); }},
    {L"FILEOPENBOX", 4,
     [](const Invocation& call, System& system) {
       return AskForFileToOpen(call, system, system, system);
     }},
    {L"FILESAVEBOX", 4,
     [](const Invocation& call, System& system) {
       return AskForFileToSave(call, system, system, system);
     }},
    {L"LISTBOX", 4,
     [](const Invocation& call, System& system) {
       return AskWithListBox(call, system, system, system, system);
     }},
    {L"PLAY", 1, [](const Invocation& call, System& system) { return PlayWaveFile(call, system); }},
    {L"INFO", kNoParameterFile,
     [](const Invocation&, System& system) { return ShowProgramInfo(system, system); }},
    {L"HELP", kNoParameterFile,
     [](const Invocation&, System& system) { return ShowHelp(system, system); }},
    {L"PASSWORDBOX", 3,
     [](const Invocation& call, System& system) { return AskForPassword(call, system, system); }},
    {L"FOLDERBOX", 3,
     [](const Invocation& call, System& system) {
       return AskForFolderWithOptions(call, system, system, system);
     }},
    {L"BUTTONBOX", 3,
     [](const Invocation& call, System& system) { return AskWithButtonBox(call, system, system); }},
    {L"NOTICEBOX", 3,
     [](const Invocation& call, System& system) { return ShowNoticeBox(call, system, system); }},
    {L"PROGRESSBOX", 3,
     [](const Invocation& call, System& system) { return OpenProgressBox(call, system, system); }},
    {L"PROGRESS", kNoParameterFile,
     [](const Invocation& call, System& system) {
       return MoveProgressBox(call, system, system, system, system);
     }},
};

}  // namespace

std::span<const CommandRow> CommandTable() {
  return kCommandTable;
}

}  // namespace kelvari
