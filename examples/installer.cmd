@echo off
rem Beispiel zu Kelvari: ein kleiner "Installer", der mehrere Fragen nacheinander stellt:
rem einen Ordner (QUERYFOLDERBOX), eine Bestaetigung (MESSAGEBOX), eine Auswahl (LISTBOX),
rem einen Klang (PLAY) und eine Schlussmeldung (MESSAGEBOX). Er kopiert nichts.
rem Aufruf: installer.cmd  (kv.cmd und kelvari.exe liegen im Ordner darueber)
setlocal
pushd "%~dp0"
set "KV=%~dp0..\kv.cmd"

call "%KV%" QUERYFOLDERBOX installer-ordner.txt
if errorlevel 1 goto abbruch
if not defined KVRESULT goto abbruch
set "ZIEL=%KVRESULT%"

call "%KV%" MESSAGEBOX installer-frage.txt
if not "%KVRESULT%"=="JA" goto abbruch

call "%KV%" LISTBOX installer-teile.txt
if errorlevel 1 goto abbruch
set "TEILE=%KVRESULT%"

call "%KV%" PLAY installer-klang.txt
call "%KV%" MESSAGEBOX installer-fertig.txt
set ZIEL
set TEILE
goto ende

:abbruch
echo Der Installer wurde abgebrochen.
:ende
popd
endlocal
