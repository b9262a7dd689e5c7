@echo off
rem Beispiel zu Kelvari: eine Frage mit Zeitlimit (KVTIMEOUT), die Texte mit /T auf der
rem Aufrufzeile. Antwortet niemand, schliesst sich das Fenster nach 20 Sekunden selbst, die
rem vorgewaehlte Schaltflaeche (hier "Ja") gilt als Antwort, und der Exit-Code ist 3.
rem kv.cmd legt den Exit-Code auch in KVEXIT ab: "call" gibt ihn nicht in jedem cmd weiter
rem (unter Wine wird jeder Code ausser 0 zu 1).
rem Aufruf: zeitlimit.cmd  (kv.cmd und kelvari.exe liegen im Ordner darueber)
setlocal
set "KV=%~dp0..\kv.cmd"
set "KVTIMEOUT=20"
call "%KV%" MESSAGEBOX /T "Datensicherung" "JN FRAGE" "Soll die Datensicherung jetzt starten?" "Ohne Antwort startet sie in 20 Sekunden von selbst."
if "%KVEXIT%"=="3" echo Niemand hat geantwortet: es gilt die Vorauswahl.
if "%KVEXIT%"=="2" goto ende
:antwort
set "KVTIMEOUT="
if "%KVRESULT%"=="JA" echo Die Datensicherung startet jetzt.
if "%KVRESULT%"=="NEIN" echo Keine Datensicherung.
:ende
endlocal
