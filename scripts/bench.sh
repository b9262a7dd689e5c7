#!/bin/bash
# The benchmark: kelvari.exe against minimal Win32 programs under the same Wine server, in one
# run, printed as ratios (start to first dialog, CHECKDRIVE in a loop, a 32,767-entry list,
# peak memory, a call through kv.cmd against a direct call, a progress update against a direct
# CHECKDRIVE call, exe size).
#   scripts/bench.sh [ROUNDS] [CHECKDRIVE_CALLS]
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
scripts/install-deps.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target kelvari kelvari_bench kelvari_min_msgbox kelvari_min_writer \
  kelvari_user_files >/dev/null
wine_dir=$root/build/windows/wine
tests/e2e/wine-session.sh start "$wine_dir" >/dev/null
win() { echo "Z:$(realpath "$1" | tr / '\\')"; }
mkdir -p build/windows/bench-work
b=build/windows/tools/bench
KELVARI_WINE_DIR=$wine_dir tests/e2e/wine-run.sh "$b/kelvari_bench.exe" \
  "$(win build/windows/kelvari.exe)" "$(win $b/kelvari_min_msgbox.exe)" \
  "$(win $b/kelvari_min_writer.exe)" "$(win build/windows/bench-work)" "${1:-20}" "${2:-500}" \
  "$(win build/windows/kv.cmd)"
echo "kelvari.exe: $(stat -c %s build/windows/kelvari.exe) bytes; imports:" \
  $(x86_64-w64-mingw32-objdump -p build/windows/kelvari.exe | sed -n 's/.*DLL Name: //p')
