@echo off
rem Beispiel zu Kelvari: eine Ja/Nein-Frage mit MESSAGEBOX.
rem Aufruf: messagebox.cmd  (kv.cmd und kelvari.exe liegen im Ordner darueber)
setlocal
pushd "%~dp0"
set "KV=%~dp0..\kv.cmd"
call "%KV%" MESSAGEBOX messagebox.txt
if errorlevel 2 goto ende
if "%KVRESULT%"=="JA" echo Sie haben JA gewaehlt.
if "%KVRESULT%"=="NEIN" echo Sie haben NEIN gewaehlt.
:ende
popd
endlocal
