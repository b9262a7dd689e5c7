@echo off
rem Beispiel zu Kelvari: eine Kennwortabfrage mit PASSWORDBOX. Die Zeilen der Parameterdatei
rem kommen mit /V aus Umgebungsvariablen (eine nicht definierte ergibt eine leere Zeile).
rem Das Kennwort steht danach in KVRESULT: sofort verwenden, dann mit set "KVRESULT=" loeschen,
rem nie mit echo anzeigen.
rem Aufruf: passwordbox.cmd  (kv.cmd und kelvari.exe liegen im Ordner darueber)
setlocal
set "KV=%~dp0..\kv.cmd"
set "TITEL=Anmeldung"
set "FRAGE=Bitte geben Sie das Kennwort des Beispiel-Servers ein:"
call "%KV%" PASSWORDBOX /V TITEL LEER FRAGE
if errorlevel 2 goto ende
if errorlevel 1 echo Abgebrochen.
if errorlevel 1 goto ende
rem Hier wuerde es verwendet, etwa: net use K: \\server\daten "%%KVRESULT%%" /user:%%USERNAME%%
if defined KVRESULT echo Ein Kennwort wurde eingegeben; es wird nicht angezeigt.
if not defined KVRESULT echo Das Kennwort ist leer.
set "KVRESULT="
:ende
endlocal
