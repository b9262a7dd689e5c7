#!/bin/bash
# Checks that a dialog command that cannot show its window (Wine without an X display has no
# desktop) ends with exit code 2 and writes nothing: an old result file keeps its content.
#   no-desktop.sh WINE_DIR KELVARI_EXE
set -u
dir=$(realpath "$1")
exe=$(realpath "$2")
here=$(dirname "$(realpath "$0")")
"$here/wine-session.sh" start "$dir" >/dev/null
export WINEPREFIX=$dir/prefix WINEDEBUG=-all LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8
export WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
printf 'Frage\r\nJN\r\nWeiter?\r\n' > frage.txt
printf 'Eingabe\r\nVorschlag\r\nName?\r\n' > eingabe.txt
printf 'Auswahl\r\nliste.txt\r\n\r\nBitte\r\n' > auswahl.txt
printf 'Rot\r\nBlau\r\n' > liste.txt
printf 'Datei\r\nvorschlag.txt\r\n\r\nAlle|*.*\r\n' > datei.txt
printf 'Ordner?\r\n' > ordner.txt
printf 'Neustart\r\n\r\n&Jetzt|&Sp\xe4ter\r\nWeiter?\r\n' > knoepfe.txt
printf 'Sicherung\r\nINFO 5\r\nFertig\r\n' > hinweis.txt
printf 'Sicherung\r\nABBRECHEN\r\nKopiert\r\n' > fortschritt.txt
status=0
for args in "MESSAGEBOX frage.txt" "INPUTBOX eingabe.txt" "LISTBOX auswahl.txt" \
  "FILEOPENBOX datei.txt" "FILESAVEBOX datei.txt" "QUERYFOLDERBOX ordner.txt" "INFO" "HELP" \
  "BUTTONBOX knoepfe.txt" "NOTICEBOX hinweis.txt" "PROGRESSBOX fortschritt.txt"; do
  printf 'ALT\r\n' > erg.txt
  timeout 60 wine "$exe" erg.txt $args >/dev/null 2>&1
  rc=$?
  if [ "$rc" -ne 2 ] || [ "$(cat erg.txt)" != $'ALT\r' ]; then
    echo "FAIL: $args -> exit code $rc, result file: $(od -c erg.txt | head -2 | tr '\n' ' ')"
    status=1
  else
    echo "ok: $args -> exit code 2, result file kept"
  fi
done
exit $status
