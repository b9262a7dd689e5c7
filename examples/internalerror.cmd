@echo off
rem Beispiel zu Kelvari: die Meldungen von INTERNALERROR 1 und _ERROR:OS=NT zeigen.
rem Aufruf: internalerror.cmd  (kv.cmd und kelvari.exe liegen im Ordner darueber)
setlocal
pushd "%~dp0"
set "KV=%~dp0..\kv.cmd"
call "%KV%" INTERNALERROR 1
call "%KV%" _ERROR:OS=NT
popd
endlocal
