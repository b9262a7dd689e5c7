@echo off
rem Beispiel zu Kelvari: eine Texteingabe mit INPUTBOX.
rem Aufruf: inputbox.cmd  (kv.cmd und kelvari.exe liegen im Ordner darueber)
setlocal
pushd "%~dp0"
set "KV=%~dp0..\kv.cmd"
call "%KV%" INPUTBOX inputbox.txt
if errorlevel 2 goto ende
if not defined KVRESULT echo Keine Eingabe: leer oder abgebrochen.
if defined KVRESULT set KVRESULT
:ende
popd
endlocal
