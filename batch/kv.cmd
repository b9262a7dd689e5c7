@echo off
rem kv.cmd - fragt den Benutzer mit Kelvari und legt die Antwort in KVRESULT ab.
rem
rem   call kv.cmd KOMMANDO [WOERTER...]       zum Beispiel: call kv.cmd MESSAGEBOX frage.txt
rem
rem Startet kelvari.exe (liegt neben dieser Datei) mit einer eigenen Ergebnisdatei, wartet auf
rem das Ende und setzt dann
rem   KVRESULT   die Antwortzeile; nicht definiert, wenn es keine gibt oder sie leer ist,
rem   ERRORLEVEL den Exit-Code von kelvari.exe: 0 Antwort, 1 abgebrochen, 2 Fehler.
rem Die Ergebnisdatei liegt in einem neuen Ordner unter %KVTEMP% (falls gesetzt) oder %TEMP%,
rem so dass gleichzeitig laufende Stapeldateien ihre Antworten nie vermischen; sie wird danach
rem geloescht. kelvari.exe schreibt die Antwort im ANSI-Zeichensatz von Windows, cmd liest
rem Dateien in der Codepage der Konsole: zum Lesen wird die Konsole auf die ANSI-Codepage
rem umgeschaltet und danach zurueck. Die Antwort darf Leerzeichen und & | < > ^ %% ! " enthalten.
setlocal EnableExtensions DisableDelayedExpansion
set "kv_exe=%~dp0kelvari.exe"
if not exist "%kv_exe%" (
  echo kv.cmd: "%kv_exe%" wurde nicht gefunden. 1>&2
  endlocal & set "KVRESULT=" & exit /b 2
)

rem Kelvari separates its words by blanks: the folder is taken in its short form.
set "kv_base=%TEMP%"
if defined KVTEMP set "kv_base=%KVTEMP%"
for %%d in ("%kv_base%") do set "kv_base=%%~sd"
if not "%kv_base%"=="%kv_base: =%" (
  echo kv.cmd: Der Ordner "%kv_base%" fuer die Ergebnisdatei enthaelt Leerzeichen. 1>&2
  echo kv.cmd: Setzen Sie KVTEMP auf einen Ordner ohne Leerzeichen. 1>&2
  endlocal & set "KVRESULT=" & exit /b 2
)

rem A folder of this call's own: md fails when the folder exists already. Its errorlevel is
rem not reliable everywhere, its message is: any output means failure.
set /a kv_try=0
:kv_new_folder
set /a kv_try+=1
if %kv_try% gtr 200 (
  echo kv.cmd: In "%kv_base%" kann kein Ordner angelegt werden. 1>&2
  endlocal & set "KVRESULT=" & exit /b 2
)
set "kv_dir=%kv_base%\kv%RANDOM%%RANDOM%.tmp"
set "kv_md="
for /f "delims=" %%e in ('md "%kv_dir%" 2^>^&1') do set "kv_md=%%e"
if defined kv_md goto kv_new_folder
if not exist "%kv_dir%\" goto kv_new_folder
set "kv_file=%kv_dir%\ergebnis.txt"

if "%~1"=="" (
  "%kv_exe%"
) else (
  "%kv_exe%" %kv_file% %*
)
set "kv_rc=%errorlevel%"

set "kv_size=0"
if exist "%kv_file%" for %%f in ("%kv_file%") do set "kv_size=%%~zf"

rem The code pages: Windows' ANSI code page, and the console's one now.
set "kv_acp="
for /f "tokens=3" %%a in ('reg query "HKLM\SYSTEM\CurrentControlSet\Control\Nls\CodePage" /v ACP 2^>nul') do set "kv_acp=%%a"
set "kv_oldcp="
for /f "tokens=2 delims=:." %%a in ('chcp') do set /a "kv_oldcp=%%a" >nul 2>&1

rem A line of more than CR LF must come into the variable; when it cannot, say so.
if %kv_size% gtr 2 (
  if defined kv_acp chcp %kv_acp% >nul 2>&1
  set "kv_probe="
  set /p kv_probe=<"%kv_file%"
  if defined kv_oldcp chcp %kv_oldcp% >nul 2>&1
)
if %kv_size% gtr 2 if not defined kv_probe (
  "%kv_exe%" %kv_file% INTERNALERROR 1
  rd /s /q "%kv_dir%" 2>nul
  endlocal & set "KVRESULT=" & exit /b 2
)
set "kv_probe="

rem Everything in the block is expanded before endlocal runs, so the caller's KVRESULT is
rem read straight from the file: no character of the answer passes through cmd's parser.
(
  endlocal
  set "KVRESULT="
  if %kv_size% gtr 2 (
    chcp %kv_acp% >nul 2>&1
    set /p KVRESULT=<"%kv_file%"
    chcp %kv_oldcp% >nul 2>&1
  )
  rd /s /q "%kv_dir%" 2>nul
  exit /b %kv_rc%
)
