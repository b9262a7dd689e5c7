// The command table: one row per command word. Adding a command is a file of its own in this
// folder, its handler in commands.h, and a row here.
#include "commands/commands.h"

namespace kelvari {
namespace {

const CommandRow kCommandTable[] = {
    {L"_ERROR:OS=NT", kNoParameterFile,
     [](const Invocation&, System&) { return RefuseOldSystemCheck(); },
     L"Meldet Fehler 10 (Windows NT)."},
    {L"QUERYFOLDERBOX", 1,
     [](const Invocation& call, System& system) {
       return AskForFolder(call, system, system, system);
     },
     L"L\u00E4sst einen Ordner w\u00E4hlen."},
    {L"CHECKDRIVE", kNoParameterFile,
     [](const Invocation& call, System& system) { return CheckDrive(call, system); },
     L"Pr\u00FCft, ob ein Laufwerk gelesen werden kann."},
    {L"CHECKLABEL", kNoParameterFile,
     [](const Invocation& call, System& system) { return CheckLabel(call, system, system); },
     L"Pr\u00FCft die Bezeichnung eines Laufwerks."},
    {L"INTERNALERROR", kNoParameterFile,
     [](const Invocation&, System&) { return ReportInternalError(); },
     L"Zeigt die Meldung eines internen Fehlers."},
    {L"MESSAGEBOX", 3,
     [](const Invocation& call, System& system) { return AskWithMessageBox(call, system, system); },
     L"Zeigt eine Meldung mit Schaltfl\u00E4chen."},
    {L"INPUTBOX", 3,
     [](const Invocation& call, System& system) { return AskForText(call, system, system); },
     L"Fragt nach einer Zeile Text."},
    {L"FILEOPENBOX", 4,
     [](const Invocation& call, System& system) {
       return AskForFileToOpen(call, system, system, system);
     },
     L"L\u00E4sst eine Datei zum \u00D6ffnen w\u00E4hlen."},
    {L"FILESAVEBOX", 4,
     [](const Invocation& call, System& system) {
       return AskForFileToSave(call, system, system, system);
     },
     L"L\u00E4sst eine Datei zum Speichern w\u00E4hlen."},
    {L"LISTBOX", 4,
     [](const Invocation& call, System& system) {
       return AskWithListBox(call, system, system, system, system);
     },
     L"L\u00E4sst Eintr\u00E4ge aus einer Liste w\u00E4hlen."},
    {L"PLAY", 1, [](const Invocation& call, System& system) { return PlayWaveFile(call, system); },
     L"Spielt eine Wave-Datei ab."},
    {L"INFO", kNoParameterFile,
     [](const Invocation&, System& system) { return ShowProgramInfo(system, system); },
     L"Zeigt das Infofenster."},
    {L"HELP", kNoParameterFile,
     [](const Invocation&, System& system) { return ShowHelp(system, system); },
     L"\u00D6ffnet die Hilfe im Browser."},
    {L"PASSWORDBOX", 3,
     [](const Invocation& call, System& system) { return AskForPassword(call, system, system); },
     L"Fragt nach einem Kennwort."},
    {L"FOLDERBOX", 3,
     [](const Invocation& call, System& system) {
       return AskForFolderWithOptions(call, system, system, system);
     },
     L"L\u00E4sst einen Ordner w\u00E4hlen, mit Titel, Startordner und Eingabefeld."},
    {L"BUTTONBOX", 3,
     [](const Invocation& call, System& system) { return AskWithButtonBox(call, system, system); },
     L"Fragt mit eigenen Schaltfl\u00E4chen."},
    {L"NOTICEBOX", 3,
     [](const Invocation& call, System& system) { return ShowNoticeBox(call, system, system); },
     L"Zeigt einen Hinweis, ohne zu warten."},
    {L"PROGRESSBOX", 3,
     [](const Invocation& call, System& system) { return OpenProgressBox(call, system, system); },
     L"\u00D6ffnet ein Fortschrittsfenster."},
    {L"PROGRESS", kNoParameterFile,
     [](const Invocation& call, System& system) {
       return MoveProgressBox(call, system, system, system, system);
     },
     L"Bewegt oder schlie\u00DFt das Fortschrittsfenster."},
};

}  // namespace

std::span<const CommandRow> CommandTable() {
  return kCommandTable;
}

}  // namespace kelvari
