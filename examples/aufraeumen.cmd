@echo off
rem Beispiel zu Kelvari: raeumt einen Ordner auf. Eine Liste (LISTBOX mit /C) zeigt seine
rem *.tmp-Dateien, jeden Namen genau wie er ist; nach einer Rueckfrage (MESSAGEBOX) loescht es
rem genau die gewaehlten. QUOTED setzt jeden gewaehlten Namen in Anfuehrungszeichen, so dass
rem die for-Schleife unten sie einzeln durchgeht: Namen mit Umlauten, Leerzeichen, & ! %%
rem und ; am Anfang kommen heil an.
rem Aufruf: aufraeumen.cmd [ORDNER]  (kv.cmd und kelvari.exe liegen im Ordner darueber)
rem Ohne ORDNER raeumt es eine Kopie des Ordners aufraeumen-demo im Temp-Ordner auf.
setlocal
set "KV=%~dp0..\kv.cmd"
set "ORDNER=%~1"
if not defined ORDNER (set "ORDNER=%TEMP%\kelvari-aufraeumen" & xcopy /i /q /y "%~dp0aufraeumen-demo" "%TEMP%\kelvari-aufraeumen" >nul)
if not exist "%ORDNER%\*.tmp" echo Keine *.tmp-Dateien in "%ORDNER%".& exit /b 1
pushd "%ORDNER%"
call "%KV%" LISTBOX /T "Ordner bereinigen" "" "MULTISELECT QUOTED" "Welche Dateien sollen entfernt werden?" /C "dir /b /a-d *.tmp"
if errorlevel 1 goto ende
if not defined KVRESULT goto ende
set WAHL=%KVRESULT%
call "%KV%" MESSAGEBOX /T "Dateien entfernen" "JN FRAGE" "Die markierten Dateien wirklich entfernen?"
if "%KVRESULT%"=="JA" for %%f in (%WAHL%) do del "%%~f"
:ende
popd
