@echo off
rem Beispiel zu Kelvari: ein kleiner "Installer", der nacheinander einen Ordner (FOLDERBOX, mit
rem vorgeschlagenem Ordner, den er auf Nachfrage anlegt), eine Bestaetigung (MESSAGEBOX), die
rem Bestandteile (LISTBOX, Eintraege mit /E, "Programm" fest gewaehlt mit REQUIRED), einen Klang
rem (PLAY) und eine Schlussmeldung (MESSAGEBOX) zeigt. Er kopiert nichts. Alle Texte stehen mit
rem /T auf der Aufrufzeile, ohne Parameterdateien.
rem Aufruf: installer.cmd  (kv.cmd und kelvari.exe liegen im Ordner darueber)
setlocal
set "KV=%~dp0..\kv.cmd"

call "%KV%" FOLDERBOX /T "Beispiel-Installer" "%LOCALAPPDATA%\Beispiel-Anwendung" "Wohin soll die Beispiel-Anwendung installiert werden?"
if errorlevel 1 goto abbruch
if not defined KVRESULT goto abbruch
set "ZIEL=%KVRESULT%"

call "%KV%" MESSAGEBOX /T "Beispiel-Installer" "JN FRAGE" "Soll die Beispiel-Anwendung in diesen Ordner installiert werden?"
if not "%KVRESULT%"=="JA" goto abbruch

call "%KV%" LISTBOX /T "Beispiel-Installer: Bestandteile" "" "MULTISELECT QUOTED REQUIRED=1" "Welche Bestandteile sollen installiert werden? Das Programm selbst ist immer dabei." /E "Programm" "Handbuch" "Beispiele" "Klangdateien"
if errorlevel 1 goto abbruch
if not defined KVRESULT goto abbruch
for %%t in (%KVRESULT%) do echo Bestandteil: %%~t

call "%KV%" PLAY /T "%~dp0gong.wav"
call "%KV%" MESSAGEBOX /T "Beispiel-Installer" "OK INFO" "Die Installation ist abgeschlossen (nur ein Beispiel: es wurde nichts kopiert)."
set ZIEL
goto ende

:abbruch
echo Der Installer wurde abgebrochen.
:ende
endlocal
