#!/bin/bash
# Builds kelvari.exe and runs the example installer procedure (examples/installer.cmd) under
# Wine, the way a batch author's user meets it.
#
# On a desktop (DISPLAY set, run from a terminal) you answer the dialogs yourself. Without a
# display (a server, a container, CI) a virtual display is started and a scripted user answers
# every dialog; a picture of each dialog is saved in build/demo-screenshots/.
#   scripts/demo.sh [NAME.cmd]   runs examples/NAME.cmd instead of the installer;
#                                KELVARI_DEMO=scripted forces the scripted user.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
scripts/install-deps.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target kelvari kelvari_user_files kelvari_demo_user >/dev/null
name=$(basename "${1:-installer.cmd}")
[ -f "examples/$name" ] || { echo "no procedure examples/$name" >&2; exit 2; }

# The folder a user would unpack: the program, its manual, kv.cmd and the examples.
stage=build/windows/demo
rm -rf "$stage" && mkdir -p "$stage"
cp build/windows/kelvari.exe docs/Kelvari.htm batch/kv.cmd "$stage/"
cp -r examples "$stage/examples"
winstage="Z:$(realpath "$stage" | tr / '\\')\\examples"

if [ -n "${DISPLAY:-}" ] && [ -t 0 ] && [ -z "${CI:-}" ] && [ "${KELVARI_DEMO:-}" != scripted ]; then
  echo "Kelvari: $name runs on your display; answer its dialogs."
  export WINEPREFIX=$root/build/windows/wine-desktop WINEDEBUG=-all LANG=de_DE.UTF-8
  export LC_ALL=de_DE.UTF-8 WINEDLLOVERRIDES="mscoree,mshtml="
  cd "$stage/examples" && exec wine cmd /c "$name"
fi

wine_dir=$root/build/windows/wine
tests/e2e/wine-session.sh start "$wine_dir" >/dev/null
pictures=build/demo-screenshots
rm -rf "$pictures" && mkdir -p "$pictures"
winpictures="Z:$(realpath "$pictures" | tr / '\\')"
echo "Kelvari: $name runs in a virtual display; a scripted user answers."
set +e
(cd "$stage/examples" && KELVARI_WINE_DIR=$wine_dir "$root/tests/e2e/wine-run.sh" \
  "$root/build/windows/tools/kelvari_demo_user.exe" "$winpictures" \
  'C:\windows\system32\cmd.exe' /c "$winstage\\$name")
status=$?
set -e
for bmp in "$pictures"/*.bmp; do
  [ -e "$bmp" ] || continue
  convert "$bmp" "${bmp%.bmp}.png" && rm "$bmp"
done
echo "Pictures of the dialogs: $root/$pictures/ ($(ls "$pictures" | wc -l) files)"
exit $status
