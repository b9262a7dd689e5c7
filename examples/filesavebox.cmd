@echo off
rem Beispiel zu Kelvari: einen Dateinamen zum Speichern erfragen mit FILESAVEBOX.
rem Aufruf: filesavebox.cmd  (kv.cmd und kelvari.exe liegen im Ordner darueber)
setlocal
pushd "%~dp0"
set "KV=%~dp0..\kv.cmd"
call "%KV%" FILESAVEBOX filesavebox.txt
if errorlevel 2 goto ende
set KVRESULT
:ende
popd
endlocal
