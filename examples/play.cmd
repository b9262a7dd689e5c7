@echo off
rem Beispiel zu Kelvari: einen Klang abspielen mit PLAY.
rem Aufruf: play.cmd  (kv.cmd und kelvari.exe liegen im Ordner darueber)
setlocal
pushd "%~dp0"
set "KV=%~dp0..\kv.cmd"
call "%KV%" PLAY play.txt
echo Der Klang ist zu Ende.
popd
endlocal
