@echo off
rem kv.cmd - fragt den Benutzer mit Kelvari und legt die Antwort in KVRESULT ab.
rem
rem   call kv.cmd KOMMANDO [WOERTER...]          call kv.cmd MESSAGEBOX frage.txt
rem   call kv.cmd KOMMANDO /T "ZEILE" ...        call kv.cmd MESSAGEBOX /T "Titel" "JN" "Weiter?"
rem   call kv.cmd KOMMANDO /V VARIABLE ...       call kv.cmd MESSAGEBOX /V TITEL ART FRAGE
rem
rem Startet kelvari.exe (liegt neben dieser Datei) mit einer eigenen Ergebnisdatei, wartet auf
rem das Ende und setzt dann
rem   KVRESULT   die Antwortzeile; nicht definiert, wenn es keine gibt oder sie leer ist,
rem   ERRORLEVEL den Exit-Code von kelvari.exe: 0 Antwort, 1 abgebrochen, 2 Fehler,
rem              3 niemand hat geantwortet (nur mit KVTIMEOUT; vor 2 abfragen).
rem Ist KVTIMEOUT eine Zahl von Sekunden (1 bis 86400), schliesst sich jedes Fenster von
rem Kelvari nach dieser Zeit selbst, wenn niemand eine Taste drueckt oder klickt; KVRESULT
rem wird dann aus der Antwortzeile gesetzt wie bei 0.
rem Nach PASSWORDBOX steht das Kennwort in KVRESULT: sofort verwenden, dann mit
rem set "KVRESULT=" loeschen, nie mit echo anzeigen.
rem Mit /T sind die folgenden Argumente die Zeilen der Parameterdatei (jedes in
rem Anfuehrungszeichen, "" steht fuer ein "), mit /V die Namen von Umgebungsvariablen, deren
rem Werte die Zeilen sind; kv.cmd schreibt daraus eine Parameterdatei im ANSI-Zeichensatz.
rem Die Ergebnisdatei liegt in einem neuen Ordner unter KVTEMP (falls gesetzt) oder TEMP;
rem taugt keiner davon (Leerzeichen im Pfad, nicht beschreibbar), nimmt kv.cmd einen anderen
rem Ordner, den der Benutzer beschreiben darf. Der Ordner wird danach geloescht.
rem Die Antwort darf Leerzeichen und & | < > ^ %% ! " enthalten.
rem
rem Eigene Fehler meldet kv.cmd auf stderr und in einem Meldungsfenster und endet mit 2.
setlocal EnableExtensions
rem With delayed expansion on in the caller, a "!" in a path breaks the last lines below.
set "kv_dx="
if "!!"=="" set "kv_dx=1"
setlocal DisableDelayedExpansion
set "kv_exe=%~dp0kelvari.exe"
if not exist "%kv_exe%" (
  echo kv.cmd: "%kv_exe%" wurde nicht gefunden. 1>&2
  endlocal & endlocal & set "KVRESULT=" & exit /b 2
)

rem The code pages: Windows' ANSI code page, and the console's one now. kelvari.exe reads and
rem writes its files in ANSI, cmd reads and writes files in the console's code page.
set "kv_acp="
for /f "tokens=3" %%a in ('reg query "HKLM\SYSTEM\CurrentControlSet\Control\Nls\CodePage" /v ACP 2^>nul') do set "kv_acp=%%a"
set "kv_oldcp="
for /f "tokens=2 delims=:." %%a in ('chcp') do set /a "kv_oldcp=%%a" >nul 2>&1

rem Windows' call doubles the carets inside quotes of the arguments; Wine's does not.
call :kv_carets "^"

rem A folder of this call's own. Kelvari separates its words by blanks, so its path must have
rem none: each candidate is taken in its short form, and one with blanks even then is skipped.
set "kv_dir="
set "kv_base=%KVTEMP%"
call :kv_folder_in
if not defined kv_dir set "kv_base=%TEMP%" & call :kv_folder_in
if not defined kv_dir set "kv_base=%TMP%" & call :kv_folder_in
if not defined kv_dir set "kv_base=%SystemRoot%\Temp" & call :kv_folder_in
if not defined kv_dir set "kv_base=%ProgramData%" & call :kv_folder_in
if not defined kv_dir set "kv_base=%PUBLIC%" & call :kv_folder_in
if not defined kv_dir (
  echo kv.cmd: Es gibt keinen beschreibbaren Ordner ohne Leerzeichen fuer die Ergebnisdatei. 1>&2
  echo kv.cmd: Setzen Sie KVTEMP auf einen solchen Ordner. 1>&2
  "%kv_exe%" NUL INTERNALERROR 2
  endlocal & endlocal & set "KVRESULT=" & exit /b 2
)
set "kv_file=%kv_dir%\ergebnis.txt"
set "kv_par=%kv_dir%\parameter.txt"
set "kv_rc=2"
rem The paths as words of a command line: carets and ampersands escaped.
set "kv_e1=%kv_file:^=^^%"
set "kv_e1=%kv_e1:&=^&%"
set "kv_epar=%kv_par:^=^^%"
set "kv_epar=%kv_epar:&=^&%"

rem Commands with a parameter file: its path may be quoted and hold blanks, or the file is
rem written here from the texts or variables on the call line.
set "kv_word="
for %%c in (MESSAGEBOX INPUTBOX PASSWORDBOX FILEOPENBOX FILESAVEBOX LISTBOX QUERYFOLDERBOX PLAY) do (
  if /i "%~1"=="%%c" set "kv_word=%%c"
)
if defined kv_word if "%~2"=="" set "kv_word="
if not defined kv_word goto kv_run_words
if /i "%~2"=="/T" goto kv_texts
if /i "%~2"=="/V" goto kv_variables

set "kv_pf=%~2"
if defined kv_cd set "kv_pf=%kv_pf:^^=^%"
if not "%kv_pf%"=="%kv_pf: =%" goto kv_copy_param
set "kv_e3=%kv_pf:^=^^%"
set "kv_e3=%kv_e3:&=^&%"
goto kv_run_param
:kv_copy_param
rem A path with blanks cannot be a word: the file is read through a copy in the folder.
set "kv_attr="
for %%f in ("%kv_pf%") do set "kv_attr=%%~af"
if defined kv_attr if not "%kv_attr:~0,1%"=="d" copy /b /y "%kv_pf%" "%kv_par%" >nul 2>&1
if exist "%kv_par%" (
  set "kv_e3=%kv_epar%"
  goto kv_run_param
)
set "kv_msg=Die Parameterdatei '%kv_pf%' konnte nicht gefunden werden."
call :kv_fail
goto kv_quit

:kv_texts
rem Each argument is one line. Quoted carets come doubled from Windows' call, and so already
rem escaped; "" stands for one quote. echo writes in the console's code page: ANSI meanwhile.
shift
shift
type nul >"%kv_par%"
if defined kv_acp chcp %kv_acp% >nul 2>&1
:kv_next_text
if "%~1"=="" if [%1]==[] goto kv_texts_written
set kv_t=%1
set "kv_q=%kv_t:~0,1%"
set "kv_q=%kv_q:"=kvq%"
if "%kv_q%"=="kvq" set "kv_t=%kv_t:~1,-1%"
if not defined kv_t (
  >>"%kv_par%" echo.
  shift
  goto kv_next_text
)
if not defined kv_cd set "kv_t=%kv_t:^=^^%"
set "kv_t=%kv_t:&=^&%"
set "kv_t=%kv_t:|=^|%"
set "kv_t=%kv_t:<=^<%"
set "kv_t=%kv_t:>=^>%"
>>"%kv_par%" echo.%kv_t:""=^"%
shift
goto kv_next_text
:kv_texts_written
if defined kv_oldcp chcp %kv_oldcp% >nul 2>&1
set "kv_e3=%kv_epar%"
goto kv_run_param

:kv_variables
rem Each argument names a variable; its value reaches the file through a FOR variable,
rem which cmd does not parse again, so every character stays as it is.
shift
shift
type nul >"%kv_par%"
if defined kv_acp chcp %kv_acp% >nul 2>&1
:kv_next_variable
if "%~1"=="" goto kv_variables_written
set "kv_name=%~1"
set "kv_found="
for /f "tokens=1* delims==" %%a in ('set "%kv_name%" 2^>nul') do (
  if /i "%%a"=="%kv_name%" if not defined kv_found (
    set "kv_found=1"
    >>"%kv_par%" echo.%%b
  )
)
if not defined kv_found >>"%kv_par%" echo.
shift
goto kv_next_variable
:kv_variables_written
if defined kv_oldcp chcp %kv_oldcp% >nul 2>&1
set "kv_e3=%kv_epar%"
goto kv_run_param

:kv_run_words
if "%~1"=="" (
  "%kv_exe%"
  goto kv_ran
)
"%kv_exe%" %kv_e1% %*
goto kv_ran
:kv_run_param
"%kv_exe%" %kv_e1% %kv_word% %kv_e3%
:kv_ran
set "kv_rc=%errorlevel%"

set "kv_size=0"
if exist "%kv_file%" for %%f in ("%kv_file%") do set "kv_size=%%~zf"
if %kv_size% leq 2 goto kv_answer

rem The line must come into the variable whole. set /p takes about 1,023 characters on
rem Windows: the part it took, written back the same way, must be as long as the file.
if defined kv_acp chcp %kv_acp% >nul 2>&1
set "kv_probe="
set /p kv_probe=<"%kv_file%"
if defined kv_probe for /f "delims=" %%a in ('set kv_probe') do >"%kv_dir%\probe.txt" echo.%%a
if defined kv_oldcp chcp %kv_oldcp% >nul 2>&1
if defined kv_probe goto kv_probed
"%kv_exe%" %kv_e1% INTERNALERROR 1
set "kv_rc=2"
goto kv_quit
:kv_probed
set "kv_back=0"
for %%f in ("%kv_dir%\probe.txt") do set "kv_back=%%~zf"
set /a kv_whole=kv_size+9
if not "%kv_back%"=="%kv_whole%" (
  set "kv_msg=Die Antwort von Kelvari ist zu lang fr KVRESULT: cmd bernimmt h”chstens rund 1.000 Zeichen."
  set "kv_rc=2"
  call :kv_fail
  goto kv_quit
)

:kv_answer
rem Everything in the block is expanded before endlocal runs, so the caller's KVRESULT is
rem read straight from the file: no character of the answer passes through cmd's parser.
(
  endlocal
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

:kv_quit
(
  endlocal
  endlocal
  set "KVRESULT="
  rd /s /q "%kv_dir%" 2>nul
  exit /b %kv_rc%
)

rem ---- subroutines ----

:kv_carets
set "kv_cd="
if "%~1"=="^^" set "kv_cd=1"
exit /b 0

rem Makes a new folder under kv_base and leaves its path in kv_dir, or leaves kv_dir undefined.
rem md fails when the folder exists already; its errorlevel is not reliable everywhere, its
rem message is: any output means failure.
:kv_folder_in
if not defined kv_base exit /b 0
for %%d in ("%kv_base%") do set "kv_base=%%~sd"
if "%kv_base:~-1%"=="\" set "kv_base=%kv_base:~0,-1%"
if not defined kv_base exit /b 0
if not "%kv_base%"=="%kv_base: =%" exit /b 0
if not exist "%kv_base%\" exit /b 0
if defined kv_dx if not "%kv_base%"=="%kv_base:!=%" exit /b 0
set /a kv_try=0
:kv_folder_try
set /a kv_try+=1
if %kv_try% gtr 20 exit /b 0
set "kv_new=%kv_base%\kv%RANDOM%%RANDOM%.tmp"
set "kv_md="
for /f "delims=" %%e in ('md "%kv_new%" 2^>^&1') do set "kv_md=%%e"
if defined kv_md if exist "%kv_new%\" goto kv_folder_try
if defined kv_md exit /b 0
if not exist "%kv_new%\" exit /b 0
set "kv_dir=%kv_new%"
exit /b 0

rem Shows kv_msg: on stderr, and in a message box of Kelvari like its own error messages.
:kv_fail
for /f "tokens=1* delims==" %%a in ('set kv_msg') do if "%%a"=="kv_msg" >&2 echo.kv.cmd: %%b
set "kv_head=Ausfhrungsfehler:"
if defined kv_acp chcp %kv_acp% >nul 2>&1
>"%kv_par%" echo.Kelvari
>>"%kv_par%" echo.OK STOP
>>"%kv_par%" echo.%kv_head%
>>"%kv_par%" echo.
for /f "tokens=1* delims==" %%a in ('set kv_msg') do if "%%a"=="kv_msg" >>"%kv_par%" echo.%%b
if defined kv_oldcp chcp %kv_oldcp% >nul 2>&1
set "kv_ebox=%kv_dir:^=^^%"
set "kv_ebox=%kv_ebox:&=^&%"
"%kv_exe%" %kv_ebox%\meldung.txt MESSAGEBOX %kv_epar%
exit /b 0
