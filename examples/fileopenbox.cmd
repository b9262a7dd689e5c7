@echo off
rem Beispiel zu Kelvari: eine Datei waehlen mit FILEOPENBOX.
rem Aufruf: fileopenbox.cmd  (kv.cmd und kelvari.exe liegen im Ordner darueber)
setlocal
pushd "%~dp0"
set "KV=%~dp0..\kv.cmd"
call "%KV%" FILEOPENBOX fileopenbox.txt
if errorlevel 2 goto ende
if not defined KVRESULT echo Keine Datei gewaehlt.
if defined KVRESULT set KVRESULT
:ende
popd
endlocal
