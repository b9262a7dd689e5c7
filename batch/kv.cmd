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
rem   KVEXIT     denselben Exit-Code (0 bis 3), auch wo "call" ihn nicht weitergibt (Wine).
rem   KVCOUNT    bei mehreren Antworten (LISTBOX MULTISELECT) ihre Anzahl, und KVRESULT_1 ...
rem              jede einzeln; sonst nicht definiert. Durchgehen, genau fuer jeden Namen:
rem                for /l %%i in (1,1,%KVCOUNT%) do call :jede %%i
rem                ...
rem                :jede
rem                setlocal EnableDelayedExpansion
rem                del "!KVRESULT_%1!"
rem                endlocal
rem                goto :eof
rem Ist KVTIMEOUT eine Zahl von Sekunden (1 bis 86400), schliesst sich jedes Fenster von
rem Kelvari nach dieser Zeit selbst, wenn niemand eine Taste drueckt oder klickt; KVRESULT
rem wird dann aus der Antwortzeile gesetzt wie bei 0.
rem Nach PASSWORDBOX steht das Kennwort in KVRESULT: sofort verwenden, dann mit
rem set "KVRESULT=" loeschen, nie mit echo anzeigen.
rem Mit /T sind die folgenden Argumente die Zeilen der Parameterdatei (jedes in
rem Anfuehrungszeichen, "" steht fuer ein "), mit /V die Namen von Umgebungsvariablen, deren
rem Werte die Zeilen sind; jede Zeile kommt genau wie angegeben an (Leerzeichen vorn und
rem hinten inbegriffen), ueber die Umgebung: kv.cmd schreibt nur die Namen von Variablen in
rem seine Datei, Kelvari liest die Werte selbst. Namen mit kv_ am Anfang gehoeren kv.cmd.
rem LISTBOX: nach /E ist jedes Argument ein Eintrag (nach /V der Name einer Variablen), nach
rem /C "BEFEHL" jede Zeile, die der Befehl ausgibt; kv.cmd setzt seine Listendatei als Zeile 2.
rem Kelvari laeuft mit KVCHARSET=UTF-8 und Codepage 65001, so dass Texte und Antwort jedes
rem Zeichen behalten; danach gilt wieder die Codepage des Aufrufers. Geht 65001 nicht (keine
rem Konsole), arbeitet kv.cmd im ANSI-Zeichensatz und lehnt Texte ab, die er nicht darstellt.
rem Die Ergebnisdatei liegt in einem neuen Ordner unter KVTEMP (falls gesetzt) oder TEMP;
rem taugt keiner davon (Leerzeichen im Pfad, nicht beschreibbar), nimmt kv.cmd einen anderen
rem Ordner, den der Benutzer beschreiben darf. Der Ordner wird danach geloescht.
rem Die Antwort darf Leerzeichen und & | < > ^ %% ! " enthalten.
rem
rem Eigene Fehler meldet kv.cmd auf stderr und in einem Meldungsfenster und endet mit 2.
setlocal EnableExtensions
if /i "%~1"=="PROGRESS" goto kv_progress
rem With delayed expansion on in the caller, a "!" in a path breaks the last lines below.
set "kv_dx="
if "!!"=="" set "kv_dx=1"
setlocal DisableDelayedExpansion
rem Tells kelvari.exe that a cmd waits for its answer in a folder of kv.cmd: see kv.cmds end.
set "KVCALLER=kv.cmd"
rem Programs are started by their full path in the system folder only: cmd looks for a bare name
rem in the current folder first, where anyone may have put a chcp.exe of their own.
set "kv_chcp=%SystemRoot%\System32\chcp.com"
set "kv_reg=%SystemRoot%\System32\reg.exe"
set "kv_cmd=%SystemRoot%\System32\cmd.exe"
rem The umlauts of kv.cmd's messages. cmd reads this file in a code page it does not name (the
rem console's, the ANSI code page without a console, under Wine the one it started with). Each
rem pair below is u-umlaut and its capital in one encoding: the pair that differs, but is equal
rem ignoring case, was read right, and gives the letters.
set "kv_enc=aou"
set "kv_lo="
set "kv_up=š"
if /i "%kv_lo%"=="%kv_up%" if not "%kv_lo%"=="%kv_up%" set "kv_enc=„”"
set "kv_lo=ü"
set "kv_up=Ü"
if /i "%kv_lo%"=="%kv_up%" if not "%kv_lo%"=="%kv_up%" set "kv_enc=äöü"
set "kv_lo=Ã¼"
set "kv_up=Ãœ"
if /i "%kv_lo%"=="%kv_up%" if not "%kv_lo%"=="%kv_up%" set "kv_enc=Ã¤Ã¶Ã¼"
set "kv_ae=%kv_enc:~0,1%"
set "kv_oe=%kv_enc:~1,1%"
set "kv_ue=%kv_enc:~2,1%"
set "kv_w1=%~1"
rem The entries of an earlier call are cleared at the end (KVRESULT_1 to its KVCOUNT).
set "kv_old=0"
set /a kv_old=KVCOUNT 2>nul
if %kv_old% gtr 32767 set "kv_old=32767"
if %kv_old% lss 0 set "kv_old=0"
set "kv_last=0"
set "kv_exe=%~dp0kelvari.exe"
if not exist "%kv_exe%" (
  echo kv.cmd: "%kv_exe%" wurde nicht gefunden. 1>&2
  endlocal & endlocal & set "KVRESULT=" & set "KVCOUNT=" & set "KVEXIT=2" & exit /b 2
)

rem A folder of this call's own. Kelvari separates its words by blanks, so its path must have
rem none: each candidate is taken in its short form, and one with blanks even then is skipped.
rem A folder whose disk is full is skipped too, and named once another one is found.
set "kv_dir="
set "kv_full="
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
  endlocal & endlocal & set "KVRESULT=" & set "KVCOUNT=" & set "KVEXIT=2" & exit /b 2
)
set "kv_file=%kv_dir%\ergebnis.txt"

rem The code page: kelvari.exe answers in UTF-8 (KVCHARSET) and cmd reads and writes files in
rem the console's code page, so the console is switched to 65001 for the call and back at its
rem end. chcp is a program of its own: it is asked twice only, its answer read from a file.
rem Without a console (chcp says 0) cmd uses the ANSI code page, and so does kv.cmd; with a
rem console that refuses 65001, kv.cmd switches it to the ANSI code page instead.
rem CHECKDRIVE and CHECKLABEL answer OK or ERROR and show no text: they need no code page, and
rem kv.cmd starts no chcp for them.
set "kv_cpfile=%kv_dir%\codepage.txt"
set "kv_oldcp="
set "kv_cp="
set "kv_ascii="
if /i "%~1"=="CHECKDRIVE" set "kv_ascii=1"
if /i "%~1"=="CHECKLABEL" set "kv_ascii=1"
if not defined kv_ascii call :kv_chcp
set "kv_oldcp=%kv_cp%"
set "kv_set="
set "KVCHARSET=ANSI"
set "kv_sign=;kv.cmd:ANSI"
if "%kv_oldcp%"=="0" set "kv_oldcp="
if "%kv_oldcp%"=="65001" set "kv_set=65001"
if defined kv_oldcp if not defined kv_set call :kv_chcp 65001
if defined kv_oldcp if not defined kv_set if "%kv_cp%"=="65001" set "kv_set=65001"
if "%kv_set%"=="65001" (
  set "KVCHARSET=UTF-8"
  set "kv_sign=;kv.cmd:UTF-8"
)
if defined kv_oldcp if not defined kv_set call :kv_ansi_console
if "%kv_set%"=="%kv_oldcp%" set "kv_oldcp="
set "kv_par=%kv_dir%\parameter.txt"
set "kv_rc=2"
rem The paths as words of a command line: carets and ampersands escaped.
set "kv_e1=%kv_file:^=^^%"
set "kv_e1=%kv_e1:&=^&%"
set "kv_epar=%kv_par:^=^^%"
set "kv_epar=%kv_epar:&=^&%"
if defined kv_full goto kv_disk_full

rem Commands with a parameter file: its path may be quoted and hold blanks, or the file is
rem written here from the texts or variables on the call line.
set "kv_word="
for %%c in (MESSAGEBOX INPUTBOX PASSWORDBOX FILEOPENBOX FILESAVEBOX LISTBOX QUERYFOLDERBOX FOLDERBOX PLAY BUTTONBOX NOTICEBOX PROGRESSBOX) do (
  if /i "%~1"=="%%c" set "kv_word=%%c"
)
if defined kv_word if "%~2"=="" set "kv_word="
if not defined kv_word goto kv_run_words
rem Windows' call doubles the carets inside quotes of the arguments; Wine's does not. Asked
rem only here: every call of a label costs a pass over this file, which is slow in Wine's cmd.
call :kv_carets "^"
if /i "%~2"=="/T" goto kv_texts
if /i "%~2"=="/V" goto kv_texts

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
rem The copy has a name of its own: only kv.cmd's own files may name variables.
set "kv_copy=%kv_dir%\kopie.txt"
if defined kv_attr if not "%kv_attr:~0,1%"=="d" copy /b /y "%kv_pf%" "%kv_copy%" >nul 2>&1
set "kv_e3=%kv_copy:^=^^%"
set "kv_e3=%kv_e3:&=^&%"
if exist "%kv_copy%" goto kv_run_param
set "kv_msg=Die Parameterdatei '%kv_pf%' konnte nicht gefunden werden."
call :kv_fail
goto kv_quit

:kv_texts
rem The texts and entries reach kelvari.exe through the environment, never through cmd's
rem output: each one is put into a variable of this call (kv_line_1..., kv_entry_1...), and the
rem file names the variables, whose values kelvari.exe reads exactly, whatever their characters.
rem With /V the caller's own variables are named. LISTBOX takes its entries after /E (texts,
rem or names after /V) or from the lines a command after /C prints; line 2 then names the list
rem file kv.cmd writes.
set "kv_how=%~2"
shift
shift
set "kv_n=0"
set "kv_en=0"
set "kv_list="
set "kv_c="
set "kv_lst=%kv_dir%\liste.txt"
rem Wine's cmd takes neither a block nor /i after a second if: /i comes first, blocks go.
if /i "%kv_word%"=="LISTBOX" for %%a in (%*) do if /i "%%~a"=="/E" if not defined kv_list set "kv_list=E"
if /i "%kv_word%"=="LISTBOX" for %%a in (%*) do if /i "%%~a"=="/C" if not defined kv_list set "kv_list=C"
if defined kv_list set "kv_listfile=%kv_lst%"
>"%kv_par%" echo.%kv_sign%:VARIABLES
if "%kv_list%"=="E" >"%kv_lst%" echo.%kv_sign%:VARIABLES
set "kv_target=%kv_par%"
:kv_next_text
if "%~1"=="" if [%1]==[] goto kv_texts_written
if /i "%~1"=="/E" if "%kv_list%"=="E" if "%kv_target%"=="%kv_par%" goto kv_to_entries
if /i "%~1"=="/C" if "%kv_list%"=="C" if "%kv_target%"=="%kv_par%" goto kv_to_command
if "%kv_target%"=="C" goto kv_command_text
set /a kv_n+=1
if "%kv_target%"=="%kv_lst%" goto kv_entry
rem Line 2 of a list from /E or /C is the list file.
if defined kv_list if "%kv_n%"=="2" goto kv_list_line
if /i "%kv_how%"=="/V" goto kv_name_given
set kv_t=%1
call :kv_unquote kv_line_%kv_n%
>>"%kv_par%" echo.kv_line_%kv_n%
shift
goto kv_next_text
:kv_to_entries
set "kv_target=%kv_lst%"
shift
goto kv_next_text
:kv_to_command
set "kv_target=C"
shift
goto kv_next_text
:kv_list_line
>>"%kv_par%" echo.kv_listfile
shift
goto kv_next_text
:kv_entry
set /a kv_en+=1
if /i "%kv_how%"=="/V" goto kv_name_given
set kv_t=%1
call :kv_unquote kv_entry_%kv_en%
>>"%kv_lst%" echo.kv_entry_%kv_en%
shift
goto kv_next_text
:kv_name_given
set "kv_t=%~1"
call :kv_name
shift
goto kv_next_text
:kv_command_text
if defined kv_c goto kv_texts_written
set kv_t=%1
call :kv_unquote kv_c
if not defined kv_c set "kv_c= "
shift
goto kv_next_text
:kv_texts_written
set "kv_failed="
if "%kv_list%"=="C" call :kv_list_of_command
if defined kv_failed goto kv_quit
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
rem Commands that write an answer whenever they end with 0 or 3: without one, something took it.
set "kv_answers="
for %%c in (MESSAGEBOX INPUTBOX PASSWORDBOX FILEOPENBOX FILESAVEBOX LISTBOX QUERYFOLDERBOX FOLDERBOX BUTTONBOX CHECKDRIVE CHECKLABEL) do if /i "%kv_w1%"=="%%c" set "kv_answers=1"
if "%kv_rc%"=="3" if defined kv_answers if not exist "%kv_file%" goto kv_no_answer
if "%kv_rc%"=="0" if defined kv_answers if not exist "%kv_file%" goto kv_no_answer

set "kv_size=0"
if exist "%kv_file%" for %%f in ("%kv_file%") do set "kv_size=%%~zf"
if %kv_size% leq 2 goto kv_answer
rem A line of at most 1,000 bytes has at most 1,000 characters: set /p takes it whole.
if %kv_size% leq 1002 goto kv_answer

rem The line must come into the variable whole. set /p takes about 1,023 characters on
rem Windows: the part it took, written back the same way, must be as long as the file.
rem set writes the variable as kv_probe=... straight into the folder: no step passes the answer
rem through a file elsewhere (for /f over a command's output would, in Wine's cmd).
set "kv_probe="
set /p kv_probe=<"%kv_file%"
if defined kv_probe >"%kv_dir%\probe.txt" set kv_probe
if defined kv_probe goto kv_probed
"%kv_exe%" %kv_e1% INTERNALERROR 1
set "kv_rc=2"
goto kv_quit
:kv_probed
set "kv_back=0"
for %%f in ("%kv_dir%\probe.txt") do set "kv_back=%%~zf"
set /a kv_whole=kv_size+9
if "%kv_back%"=="%kv_whole%" goto kv_answer
set "kv_probe="
set "kv_msg=Die Antwort von Kelvari ist zu lang f%kv_ue%r KVRESULT: cmd %kv_ue%bernimmt h%kv_oe%chstens rund 1.000 Zeichen."
set "kv_rc=2"
call :kv_fail
goto kv_quit

:kv_no_answer
set "kv_msg=Kelvari endete mit dem Exit-Code %kv_rc%, doch die Antwort fehlt: Der Ordner '%kv_dir%' enth%kv_ae%lt keine Ergebnisdatei mehr."
set "kv_rc=2"
call :kv_fail
goto kv_quit

:kv_disk_full
set "kv_msg=Auf dem Datentr%kv_ae%ger des Ordners '%kv_full%' ist kein Platz mehr frei: kv.cmd kann dort keine Datei anlegen."
set "kv_rc=2"
call :kv_fail
goto kv_quit

:kv_answer
rem A multiple answer also comes one entry a file (eintrag1.txt ...), their number last.
set "kv_count="
if exist "%kv_dir%\anzahl.txt" set /p kv_count=<"%kv_dir%\anzahl.txt"
if defined kv_count if not "%kv_count%"=="0" set "kv_last=%kv_count%"
rem Everything in the block is expanded before endlocal runs, so the caller's KVRESULT is read
rem straight from the file (Wine's cmd skips the rest of a block after a for /l without a
rem turn: each one there starts at 0, a turn that does nothing); no character of the answer
rem passes through cmd's parser. chcp
rem is the last program kv.cmd starts: in a setlocal of its own without KVRESULT, so that no
rem answer is in the environment of any program kv.cmd starts.
(
  endlocal
  endlocal
  set "KVRESULT="
  for /l %%i in (0,1,%kv_old%) do if not "%%i"=="0" set "KVRESULT_%%i="
  for /l %%i in (0,1,%kv_last%) do if not "%%i"=="0" set "KVRESULT_%%i="
  set "KVCOUNT=%kv_count%"
  set "KVEXIT=%kv_rc%"
  if %kv_size% gtr 2 set /p KVRESULT=<"%kv_file%"
  for /l %%i in (0,1,%kv_last%) do if exist "%kv_dir%\eintrag%%i.txt" set /p KVRESULT_%%i=<"%kv_dir%\eintrag%%i.txt"
  if not "%kv_oldcp%"=="" setlocal
  if not "%kv_oldcp%"=="" set "KVRESULT="
  if not "%kv_oldcp%"=="" "%kv_chcp%" %kv_oldcp% >nul 2>&1
  if not "%kv_oldcp%"=="" endlocal
  rd /s /q "%kv_dir%" 2>nul
  exit /b %kv_rc%
)

:kv_quit
(
  endlocal
  endlocal
  set "KVRESULT="
  for /l %%i in (0,1,%kv_old%) do if not "%%i"=="0" set "KVRESULT_%%i="
  set "KVCOUNT="
  set "KVEXIT=%kv_rc%"
  if not "%kv_oldcp%"=="" "%kv_chcp%" %kv_oldcp% >nul 2>&1
  rd /s /q "%kv_dir%" 2>nul
  exit /b %kv_rc%
)

rem ---- subroutines ----

:kv_carets
set "kv_cd="
if "%~1"=="^^" set "kv_cd=1"
exit /b 0

rem Makes a new folder under kv_base and leaves its path in kv_dir, or leaves kv_dir undefined.
rem md fails when the folder exists already (another call made it at the same moment); its
rem errorlevel tells it once it was 0 before; "(call )" sets 0 without a pass over this file.
:kv_folder_in
if not defined kv_base exit /b 0
set "kv_named=%kv_base%"
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
if exist "%kv_new%\" goto kv_folder_try
(call )
md "%kv_new%" 2>nul
if errorlevel 1 if exist "%kv_new%\" goto kv_folder_try
if errorlevel 1 exit /b 0
if not exist "%kv_new%\" exit /b 0
rem kv.cmd's mark: only a folder that holds it is ever removed by kelvari.exe. It cannot be
rem written on a full disk.
>"%kv_new%\kvcmd.txt" echo.kv.cmd
set "kv_marked=0"
for %%f in ("%kv_new%\kvcmd.txt") do set "kv_marked=%%~zf"
if not "%kv_marked%"=="8" rd /s /q "%kv_new%" 2>nul
if not "%kv_marked%"=="8" if not defined kv_full set "kv_full=%kv_named%"
if not "%kv_marked%"=="8" exit /b 0
set "kv_dir=%kv_new%"
exit /b 0

rem Puts the text of an argument (kv_t, as %1 gave it) into the variable %1: surrounding quotes
rem taken off, "" made one ", and carets as the caller wrote them. Every special character is
rem escaped for the one set below, which cmd parses without quotes, so nothing of the text can
rem end the command: its parts in quotes, too, and a lone " comes out as it is.
:kv_unquote
if not defined kv_t (
  set "%1="
  exit /b 0
)
set "kv_q=%kv_t:~0,1%"
set "kv_q=%kv_q:"=kvq%"
if "%kv_q%"=="kvq" set "kv_t=%kv_t:~1,-1%"
if not defined kv_t (
  set "%1="
  exit /b 0
)
if defined kv_cd set "kv_t=%kv_t:^^=^%"
set "kv_t=%kv_t:^=^^%"
set "kv_t=%kv_t:&=^&%"
set "kv_t=%kv_t:|=^|%"
set "kv_t=%kv_t:<=^<%"
set "kv_t=%kv_t:>=^>%"
set %1=%kv_t:""=^"%
exit /b 0

rem Writes the variable name kv_t as one line of the file kv_target.
:kv_name
if not defined kv_t (
  >>"%kv_target%" echo.
  exit /b 0
)
set "kv_t=%kv_t:^=^^%"
set "kv_t=%kv_t:&=^&%"
set "kv_t=%kv_t:|=^|%"
set "kv_t=%kv_t:<=^<%"
set "kv_t=%kv_t:>=^>%"
>>"%kv_target%" echo.%kv_t%
exit /b 0

rem The list of /C: the command runs in a cmd of its own, in the caller's folder, its output
rem after the sign line in the list file. The command text reaches that cmd as %%kv_c%%, which
rem only the new cmd expands and parses, as if the caller had typed it. In a console under code
rem page 65001 cmd's own commands (dir, echo, type) write UTF-8; otherwise cmd /u makes them
rem write UTF-16, the sign line too, so names beyond the ANSI code page stay exact there as well.
rem A command that ends with an errorlevel other than 0 or prints no line is reported.
:kv_list_of_command
set "kv_csign=;kv.cmd:UTF-8"
set "kv_cu="
set "kv_csize=15"
if not "%kv_set%"=="65001" (
  set "kv_csign=;kv.cmd:UTF-16"
  set "kv_cu=/u"
  set "kv_csize=32"
)
>"%kv_lst%" "%kv_cmd%" /d %kv_cu% /s /c "echo.%kv_csign%& %kv_c%"
set "kv_crc=%errorlevel%"
set "kv_lsize=0"
if exist "%kv_lst%" for %%f in ("%kv_lst%") do set "kv_lsize=%%~zf"
set "kv_msg="
if %kv_lsize% leq %kv_csize% set "kv_msg=Der Befehl nach /C hat keine Zeile ausgegeben."
if not "%kv_crc%"=="0" set "kv_msg=Der Befehl nach /C endete mit dem Exit-Code %kv_crc%."
if not defined kv_msg exit /b 0
set "kv_failed=1"
set "kv_rc=2"
call :kv_fail
exit /b 0

rem Shows kv_msg: on stderr, and in a message box of Kelvari like its own error messages.
:kv_fail
if defined kv_oldcp "%kv_chcp%" %kv_oldcp% >nul 2>&1
setlocal EnableDelayedExpansion
>&2 echo.kv.cmd: !kv_msg!
endlocal
rem The box's texts pass through the environment, like the texts after /T.
set "kv_title=Kelvari"
set "kv_style=OK STOP"
set "kv_head=Ausf%kv_ue%hrungsfehler:"
>"%kv_par%" echo.;kv.cmd:ANSI:VARIABLES
>>"%kv_par%" echo.kv_title
>>"%kv_par%" echo.kv_style
>>"%kv_par%" echo.kv_head
>>"%kv_par%" echo.
>>"%kv_par%" echo.kv_msg
set "kv_oldcp="
set "kv_ebox=%kv_dir:^=^^%"
set "kv_ebox=%kv_ebox:&=^&%"
set "KVCHARSET="
"%kv_exe%" %kv_ebox%\meldung.txt MESSAGEBOX %kv_epar%
exit /b 0

rem Runs chcp (with the code page %1, if given) and leaves the code page it names in kv_cp:
rem the last word of its line ("Aktive Codepage: 850." or "Active code page: 65001").
:kv_chcp
set "kv_line="
"%kv_chcp%" %1 >"%kv_cpfile%" 2>nul
set /p kv_line=<"%kv_cpfile%"
set "kv_cp="
if defined kv_line for %%w in (%kv_line%) do set "kv_cp=%%w"
if defined kv_cp set "kv_cp=%kv_cp:.=%"
exit /b 0

rem A console without 65001: it is switched to Windows' ANSI code page, in which kelvari.exe
rem reads and writes without KVCHARSET.
:kv_ansi_console
set "kv_acp="
"%kv_reg%" query "HKLM\SYSTEM\CurrentControlSet\Control\Nls\CodePage" /v ACP >"%kv_cpfile%" 2>nul
for /f "usebackq tokens=3" %%a in ("%kv_cpfile%") do set "kv_acp=%%a"
if defined kv_acp call :kv_chcp %kv_acp%
if defined kv_acp if "%kv_cp%"=="%kv_acp%" set "kv_set=%kv_acp%"
exit /b 0
rem ---- PROGRESS: the fast path ----
rem   call kv.cmd PROGRESS 40                      moves the bar of the progress window
rem   call kv.cmd PROGRESS 40 /T "Neuer Text"      and replaces its text
rem   call kv.cmd PROGRESS 40 /V VARIABLE          the text from a variable
rem   call kv.cmd PROGRESS ENDE                    closes the window
rem ERRORLEVEL and KVEXIT: 0 the window stands, 1 the user cancelled it (it is gone), 2 there
rem is none. KVRESULT is not defined afterwards. A loop updates on every file, so this path
rem starts no chcp and makes no folder: the text reaches kelvari.exe through a variable of
rem this call, whose value it reads itself (wide, in any code page). The window belongs to the
rem cmd that runs the batch file, kelvari.exe's parent.
:kv_progress
setlocal DisableDelayedExpansion
set "kv_exe=%~dp0kelvari.exe"
set "kv_pct=%~2"
set "kv_how=%~3"
set "kv_name=kv_progress_text"
set "kv_progress_text="
set "KVCALLER="
set "kv_rc=2"
if not exist "%kv_exe%" (
  echo kv.cmd: "%kv_exe%" wurde nicht gefunden. 1>&2
  goto kv_progress_end
)
if /i "%kv_how%"=="/V" set "kv_name=%~4"
if /i not "%kv_how%"=="/T" goto kv_progress_run
rem The text of /T as kv_unquote takes it: quotes off, "" made one ", carets as written.
call :kv_progress_carets "^"
set kv_t=%4
if not defined kv_t goto kv_progress_run
set "kv_q=%kv_t:~0,1%"
set "kv_q=%kv_q:"=kvq%"
if "%kv_q%"=="kvq" set "kv_t=%kv_t:~1,-1%"
if not defined kv_t goto kv_progress_run
if defined kv_pcd set "kv_t=%kv_t:^^=^%"
set "kv_t=%kv_t:^=^^%"
set "kv_t=%kv_t:&=^&%"
set "kv_t=%kv_t:|=^|%"
set "kv_t=%kv_t:<=^<%"
set "kv_t=%kv_t:>=^>%"
set kv_progress_text=%kv_t:""=^"%
:kv_progress_run
rem The words are expanded after cmd has parsed the line: none of their characters can start
rem another command.
setlocal EnableDelayedExpansion
if /i "!kv_how!"=="/T" goto kv_progress_with_text
if /i "!kv_how!"=="/V" goto kv_progress_with_text
"!kv_exe!" NUL PROGRESS !kv_pct!
goto kv_progress_ran
:kv_progress_with_text
"!kv_exe!" NUL PROGRESS !kv_pct! /V !kv_name!
:kv_progress_ran
set "kv_rc=!errorlevel!"
endlocal & set "kv_rc=%kv_rc%"
:kv_progress_end
(
  endlocal
  endlocal
  set "KVRESULT="
  set "KVEXIT=%kv_rc%"
  exit /b %kv_rc%
)

:kv_progress_carets
set "kv_pcd="
if "%~1"=="^^" set "kv_pcd=1"
exit /b 0
