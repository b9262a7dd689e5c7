@echo off
rem Beispiel zu Kelvari: eine Auswahl aus einer Liste mit LISTBOX.
rem Aufruf: listbox.cmd  (kv.cmd und kelvari.exe liegen im Ordner darueber)
setlocal
pushd "%~dp0"
set "KV=%~dp0..\kv.cmd"
call "%KV%" LISTBOX listbox.txt
if errorlevel 2 goto ende
if errorlevel 1 echo Abgebrochen.
if not errorlevel 1 set KVRESULT
:ende
popd
endlocal
