@echo off
rem Beispiel zu Kelvari: ein Fortschrittsfenster ueber einer Schleife von Dateien. Jede
rem kopierte Datei bewegt den Balken (PROGRESS) und nennt ihren Namen; "Abbrechen" hoert die
rem naechste Aktualisierung (KVEXIT 1), und die Schleife endet. Am Ende meldet ein Hinweis in
rem der Ecke des Bildschirms das Ergebnis, ohne zu warten.
rem Aufruf: sicherung.cmd [QUELLE [ZIEL]]  (kv.cmd und kelvari.exe liegen im Ordner darueber)
rem Ohne QUELLE werden die Beispieldateien gesichert, ohne ZIEL nach %TEMP%\kelvari-sicherung.
setlocal
set "KV=%~dp0..\kv.cmd"
set "QUELLE=%~1"
if not defined QUELLE set "QUELLE=%~dp0."
set "ZIEL=%~2"
if not defined ZIEL set "ZIEL=%TEMP%\kelvari-sicherung"
if not exist "%ZIEL%\" md "%ZIEL%"
for %%d in ("%ZIEL%") do set "ZIEL=%%~fd"
rem Die Schleifen laufen im Quellordner: ein Muster in Anfuehrungszeichen findet nicht
rem jedes cmd.
pushd "%QUELLE%"
set /a ANZAHL=0
for %%f in (*.*) do set /a ANZAHL+=1
if %ANZAHL%==0 echo Im Ordner "%QUELLE%" liegen keine Dateien.
if %ANZAHL%==0 goto ende

call "%KV%" PROGRESSBOX /T "Datensicherung" "ABBRECHEN" "Dateien werden kopiert ..."
if errorlevel 1 goto ende
set /a NR=0
set "ABGEBROCHEN="
for %%f in (*.*) do call :kopiere "%%~ff" "%%~nxf"
if defined ABGEBROCHEN goto abgebrochen
call "%KV%" PROGRESS ENDE
echo %NR% Dateien gesichert.
call "%KV%" NOTICEBOX /T "Datensicherung" "INFO 10" "Die Sicherung ist fertig: %NR% Dateien."
goto ende
:abgebrochen
echo Abgebrochen nach %NR% von %ANZAHL% Dateien.
call "%KV%" NOTICEBOX /T "Datensicherung" "WARNUNG 10" "Die Sicherung wurde abgebrochen: %NR% von %ANZAHL% Dateien."
goto ende

:kopiere
if defined ABGEBROCHEN exit /b 0
copy /y %1 "%ZIEL%\" >nul
set /a NR+=1
set /a PROZENT=NR*100/ANZAHL
call "%KV%" PROGRESS %PROZENT% /T "%~2 (%NR% von %ANZAHL%)"
rem 1: der Benutzer hat abgebrochen; 2: das Fenster gibt es nicht mehr.
if not "%KVEXIT%"=="0" set "ABGEBROCHEN=1"
exit /b 0

:ende
popd
endlocal
