@echo off
rem Beispiel zu Kelvari: die Meldung von INTERNALERROR 1 zeigen.
rem Aufruf: internalerror.cmd  (kv.cmd und kelvari.exe liegen im Ordner darueber)
setlocal
pushd "%~dp0"
set "KV=%~dp0..\kv.cmd"
call "%KV%" INTERNALERROR 1
popd
endlocal
