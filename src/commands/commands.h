// The command handlers, one file each (named after the command word), and the command table
// that the program looks the second word of the command line up in. A handler gets the call
// as it was understood and only the roles of the system it uses, and returns its outcome.
#pragma once

#include <span>

#include "core/command_table.h"

namespace kelvari {

// The rows of the command table, in the order they are compared.
std::span<const CommandRow> CommandTable();

Outcome AskWithMessageBox(const Invocation& call, Text& texts, Dialogs& dialogs);
Outcome AskForText(const Invocation& call, Text& texts, Dialogs& dialogs);
Outcome AskForPassword(const Invocation& call, Text& texts, Dialogs& dialogs);
Outcome AskWithListBox(const Invocation& call, Text& texts, Files& files, Process& process,
                       Dialogs& dialogs);
Outcome AskForFileToOpen(const Invocation& call, Text& texts, Files& files, Dialogs& dialogs);
Outcome AskForFileToSave(const Invocation& call, Text& texts, Files& files, Dialogs& dialogs);
Outcome AskForFolder(const Invocation& call, Text& texts, Files& files, Dialogs& dialogs);
Outcome AskForFolderWithOptions(const Invocation& call, Text& texts, Files& files,
                                Dialogs& dialogs);
Outcome CheckDrive(const Invocation& call, Drives& drives);
Outcome CheckLabel(const Invocation& call, Text& texts, Drives& drives);
Outcome PlayWaveFile(const Invocation& call, Sound& sound);
Outcome ShowProgramInfo(Process& process, Dialogs& dialogs);
Outcome ShowHelp(Process& process, Dialogs& dialogs);
Outcome ReportInternalError();
Outcome RefuseOldSystemCheck();
Outcome AskWithButtonBox(const Invocation& call, Text& texts, Dialogs& dialogs);
Outcome ShowNoticeBox(const Invocation& call, Text& texts, JobWindows& windows);
Outcome OpenProgressBox(const Invocation& call, Text& texts, JobWindows& windows);
Outcome MoveProgressBox(const Invocation& call, Text& texts, Files& files, Process& process,
                        JobWindows& windows);

}  // namespace kelvari
