#!/bin/bash
# Checks that the commands without a window load no GUI library: runs kelvari.exe under Wine
# with DLL loading traced and fails when user32, gdi32, comctl32, comdlg32, shell32, ole32 or
# winmm appears, or when the answer is not the expected one.
#   no-gui-dlls.sh WINE_DIR KELVARI_EXE
set -u
dir=$(realpath "$1")
exe=$(realpath "$2")
here=$(dirname "$(realpath "$0")")
"$here/wine-session.sh" start "$dir" >/dev/null
export WINEPREFIX=$dir/prefix WINEDEBUG=+loaddll LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8
export WINEDLLOVERRIDES="mscoree,mshtml=" DISPLAY=$(cat "$dir/display")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
status=0
while read -r expected args; do
  rm -f erg.txt
  log=$(wine "$exe" erg.txt $args 2>&1)
  gui=$(echo "$log" | grep -ioE '(user32|gdi32|comctl32|comdlg32|shell32|ole32|winmm)\.dll' | sort -u)
  answer=$(tr -d '\r\n' < erg.txt 2>/dev/null)
  if [ -n "$gui" ] || [ "$answer" != "$expected" ]; then
    echo "FAIL: $args -> '$answer' (expected '$expected'), GUI libraries loaded: ${gui:-none}"
    status=1
  else
    echo "ok: $args -> $answer, only: $(echo "$log" | grep -oiE '[a-z0-9_]+\.dll" at' | tr -d '"' | sed 's/ at//' | sort -u | tr '\n' ' ')"
  fi
done <<'CASES'
OK CHECKDRIVE K:
OK CHECKDRIVE L:
ERROR CHECKDRIVE M:
ERROR CHECKDRIVE Q:
OK CHECKLABEL N: backupä
ERROR CHECKLABEL M: backupä
CASES
exit $status
