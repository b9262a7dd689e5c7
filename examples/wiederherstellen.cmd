@echo off
rem Beispiel zu Kelvari: stellt eine Sicherung wieder her. FILEOPENBOX mit MUSTEXIST laesst nur
rem eine vorhandene Sicherungsdatei zu, FOLDERBOX schlaegt einen Zielordner vor und legt ihn auf
rem Nachfrage an (ein getippter Pfad ebenso); dann wird die Datei dorthin kopiert.
rem Zum Ausprobieren ist gong.wav aus diesem Ordner vorgeschlagen.
rem Aufruf: wiederherstellen.cmd  (kv.cmd und kelvari.exe liegen im Ordner darueber)
setlocal
set "KV=%~dp0..\kv.cmd"
call "%KV%" FILEOPENBOX /T "Sicherung wiederherstellen" "gong.wav" "%~dp0" "Sicherungen (*.bak;*.zip;*.wav)|*.bak;*.zip;*.wav|Alle Dateien (*.*)|*.*" "OPTIONS: MUSTEXIST"
if errorlevel 1 goto ende
set "QUELLE=%KVRESULT%"
call "%KV%" FOLDERBOX /T "Ziel der Wiederherstellung" "%TEMP%\kelvari-wiederhergestellt" "In welchen Ordner soll die Sicherung kopiert werden?"
if errorlevel 1 goto ende
if not defined KVRESULT goto ende
copy /-y "%QUELLE%" "%KVRESULT%" && echo Wiederhergestellt in "%KVRESULT%".
:ende
endlocal
