@echo off
rem Beispiel zu Kelvari: pruefen, ob Laufwerk A: lesbar ist, mit CHECKDRIVE.
rem Aufruf: checkdrive.cmd  (kv.cmd und kelvari.exe liegen im Ordner darueber)
setlocal
pushd "%~dp0"
set "KV=%~dp0..\kv.cmd"
call "%KV%" CHECKDRIVE A:
if "%KVRESULT%"=="OK" echo In Laufwerk A: liegt ein lesbarer Datentraeger.
if "%KVRESULT%"=="ERROR" echo Laufwerk A: ist nicht bereit.
popd
endlocal
