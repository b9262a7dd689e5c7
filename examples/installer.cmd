@echo off
rem Beispiel zu Kelvari: ein kleiner "Installer", der nacheinander einen Ordner (QUERYFOLDERBOX),
rem eine Bestaetigung (MESSAGEBOX), die Bestandteile (LISTBOX, Eintraege mit /E, "Programm"
rem vorgewaehlt), einen Klang (PLAY) und eine Schlussmeldung (MESSAGEBOX) zeigt. Er kopiert
rem nichts. Alle Texte stehen mit /T auf der Aufrufzeile, ohne Parameterdateien.
rem Aufruf: installer.cmd  (kv.cmd und kelvari.exe liegen im Ordner darueber)
setlocal
set "KV=%~dp0..\kv.cmd"

call "%KV%" QUERYFOLDERBOX /T "Wohin soll die Beispiel-Anwendung installiert werden?"
if errorlevel 1 goto abbruch
if not defined KVRESULT goto abbruch
set "ZIEL=%KVRESULT%"

call "%KV%" MESSAGEBOX /T "Beispiel-Installer" "JN FRAGE" "Soll die Beispiel-Anwendung in diesen Ordner installiert werden?"
if not "%KVRESULT%"=="JA" goto abbruch

call "%KV%" LISTBOX /T "Beispiel-Installer: Bestandteile" "" "MULTISELECT QUOTED SELECTED=1" "Welche Bestandteile sollen installiert werden?" /E "Programm" "Handbuch" "Beispiele" "Klangdateien"
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
