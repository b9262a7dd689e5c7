@echo off
rem Beispiel zu Kelvari: das Info-Fenster zeigen mit INFO.
rem Aufruf: info.cmd  (kv.cmd und kelvari.exe liegen im Ordner darueber)
setlocal
pushd "%~dp0"
set "KV=%~dp0..\kv.cmd"
call "%KV%" INFO
popd
endlocal
