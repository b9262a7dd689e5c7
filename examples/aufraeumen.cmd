@echo off
rem Beispiel zu Kelvari: raeumt einen Ordner auf. Eine Liste (LISTBOX mit /C) zeigt seine
rem *.tmp-Dateien, jeden Namen genau wie er ist; nach einer Rueckfrage (MESSAGEBOX) loescht es
rem genau die gewaehlten. kv.cmd legt jeden gewaehlten Namen einzeln in KVRESULT_1 ... ab,
rem KVCOUNT sagt wie viele; :weg nimmt jeden mit !...! genau wie er ist (.\ davor, weil del
rem ein ; am Anfang sonst als Trennzeichen liest): Namen mit Umlauten,
rem Leerzeichen, & ! %% ^ und ; am Anfang kommen heil an. Vor der Rueckfrage wird KVCOUNT
rem geleert, sonst raeumt kv.cmd die Eintraege der Liste beim naechsten Aufruf weg.
rem Aufruf: aufraeumen.cmd [ORDNER]  (kv.cmd und kelvari.exe liegen im Ordner darueber)
rem Ohne ORDNER raeumt es eine Kopie des Ordners aufraeumen-demo im Temp-Ordner auf.
setlocal
set "ORDNER=%~1" & if not defined ORDNER (set "ORDNER=%TEMP%\kelvari-aufraeumen" & xcopy /i /q /y "%~dp0aufraeumen-demo" "%TEMP%\kelvari-aufraeumen" >nul)
pushd "%ORDNER%" && call "%~dp0..\kv.cmd" LISTBOX /T "Ordner bereinigen" "" "MULTISELECT" "Welche Dateien sollen entfernt werden?" /C "dir /b /a-d *.tmp"
if "%KVCOUNT%" gtr "0" (set "ANZAHL=%KVCOUNT%" & set "KVCOUNT=" & call "%~dp0..\kv.cmd" MESSAGEBOX /T "Dateien entfernen" "JN FRAGE" "Die markierten Dateien wirklich entfernen?")
if "%KVRESULT%"=="JA" for /l %%i in (1,1,%ANZAHL%) do call :weg %%i
popd & exit /b
:weg
setlocal EnableDelayedExpansion
del ".\!KVRESULT_%1!"
