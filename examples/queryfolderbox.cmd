@echo off
rem Beispiel zu Kelvari: einen Ordner waehlen mit QUERYFOLDERBOX.
rem Aufruf: queryfolderbox.cmd  (kv.cmd und kelvari.exe liegen im Ordner darueber)
setlocal
pushd "%~dp0"
set "KV=%~dp0..\kv.cmd"
call "%KV%" QUERYFOLDERBOX queryfolderbox.txt
if errorlevel 2 goto ende
if not defined KVRESULT echo Kein Ordner gewaehlt.
if defined KVRESULT set KVRESULT
:ende
popd
endlocal
