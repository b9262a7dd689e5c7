@echo off
rem Beispiel zu Kelvari: die Hilfe Kelvari.htm im Browser oeffnen mit HELP.
rem Aufruf: help.cmd  (kv.cmd und kelvari.exe liegen im Ordner darueber)
setlocal
pushd "%~dp0"
set "KV=%~dp0..\kv.cmd"
call "%KV%" HELP
popd
endlocal
