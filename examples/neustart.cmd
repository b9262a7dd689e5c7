@echo off
rem Beispiel zu Kelvari: eine Frage mit eigenen Schaltfl„chen (BUTTONBOX) und Zeitlimit.
rem Die Antwort ist die Beschriftung der gedrckten Schaltfl„che ohne das "&" der
rem Zugriffstaste. Antwortet niemand in 60 Sekunden, gilt die Vorauswahl "Sp„ter", und
rem KVEXIT ist 3. Escape und das Schliessfeld bedeuten "Sp„ter" (CANCEL=3).
rem Die Datei ist in Codepage 850 gespeichert (Umlaute), wie ein Editor der Konsole sie speichert.
rem Aufruf: neustart.cmd  (kv.cmd und kelvari.exe liegen im Ordner darber)
setlocal
set "KV=%~dp0..\kv.cmd"
set "KVTIMEOUT=60"
call "%KV%" BUTTONBOX /T "Neustart" "FRAGE DEFAULT=3 CANCEL=3" "&Jetzt neu starten|In einer &Stunde|Sp„&ter" "Die Updates sind installiert. Der Rechner muss neu starten." "Nicht gespeicherte Arbeit geht dabei verloren."
set "KVTIMEOUT="
if "%KVEXIT%"=="3" echo Niemand hat geantwortet: es gilt die Vorauswahl.
if "%KVEXIT%"=="2" goto ende
if "%KVRESULT%"=="Jetzt neu starten" echo Der Rechner startet jetzt neu, hier stnde: shutdown /r /t 0
if "%KVRESULT%"=="In einer Stunde" echo Der Rechner startet in einer Stunde neu, hier stnde: shutdown /r /t 3600
if "%KVRESULT%"=="Sp„ter" echo Kein Neustart.
:ende
endlocal
