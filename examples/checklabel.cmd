@echo off
rem Beispiel zu Kelvari: pruefen, ob in Laufwerk A: die Diskette SICHERUNG1 liegt, mit CHECKLABEL.
rem Aufruf: checklabel.cmd  (kv.cmd und kelvari.exe liegen im Ordner darueber)
setlocal
pushd "%~dp0"
set "KV=%~dp0..\kv.cmd"
:nochmal
call "%KV%" CHECKLABEL A: SICHERUNG1
if "%KVRESULT%"=="OK" goto gefunden
call "%KV%" MESSAGEBOX checklabel.txt
if "%KVRESULT%"=="WIEDERHOLEN" goto nochmal
echo Abgebrochen.
goto ende
:gefunden
echo Die Diskette SICHERUNG1 liegt in Laufwerk A:.
:ende
popd
endlocal
