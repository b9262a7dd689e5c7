#!/bin/bash
# Takes a screenshot of each of the program's own windows (the input box and the list dialog)
# in the virtual display of the test session, at the display's DPI or at the one given:
#   scripts/screenshot-dialogs.sh [OUTDIR] [DPI]
# The pictures are for looking at, not for the repository.
set -euo pipefail
root=$(realpath "$(dirname "$0")/..")
out=$(realpath -m "${1:-/tmp/kelvari-shots}")
dpi=${2:-}
run="$root/tests/e2e/wine-run.sh"
exe="$root/build/windows/kelvari.exe"
[ -f "$exe" ] || { echo "build kelvari.exe first: cmake --build --preset windows" >&2; exit 1; }
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
printf 'Dateiname\r\nbericht.txt\r\nUnter welchem Namen soll der Bericht\r\ngespeichert werden?\r\n' >input.txt
printf 'Farbwahl\r\nfarben.txt\r\nMULTISELECT\r\nBitte w\xe4hlen Sie eine oder\r\nmehrere Farben aus.\r\n\r\nMit Strg+Klick w\xe4hlen Sie weitere,\r\nmit der Tastatur mit Strg+Pfeiltaste und Strg+Leertaste.\r\n' >liste.txt
printf 'Rot\r\nGr\xfcn\r\nBlau\r\nGelb\r\nWei\xdf\r\nSchwarz\r\n' >farben.txt

wine_dir=$root/build/windows/wine
if ! [ -f "$wine_dir/display" ] || ! xdpyinfo -display "$(cat "$wine_dir/display")" >/dev/null 2>&1; then
  "$root/tests/e2e/wine-session.sh" start "$wine_dir" >/dev/null
fi
display=$(cat "$wine_dir/display")
if [ -n "$dpi" ]; then
  "$run" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
fi
shoot() {  # name, command word, parameter file
  "$run" "$exe" erg.txt "$2" "$3" &
  local pid=$!
  sleep 3
  DISPLAY=$display import -window root "$work/full.png"
  convert "$work/full.png" -trim +repage "$out/$1.png"
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
}
shoot inputbox INPUTBOX input.txt
shoot listbox LISTBOX liste.txt
if [ -n "$dpi" ]; then
  "$run" reg delete 'HKCU\Control Panel\Desktop' /v LogPixels /f >/dev/null 2>&1 || true
fi
echo "$out/inputbox.png $out/listbox.png"
