#!/bin/bash
# Makes docs/Kelvari.htm, the user's manual: builds kelvari.exe, takes a screenshot of every
# dialog under Wine with the end-to-end rig (the Screenshots tests), and fills the pictures into
# docs/manual/Kelvari.template.htm as data URIs. A dialog that the program does not have yet
# is left out. Run it after a change to the template or to a dialog, and commit the result.
#   scripts/make-manual.sh
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset windows >/dev/null
cmake --build --preset windows >/dev/null
shots=build/windows/screenshots
rm -rf "$shots"
mkdir -p "$shots"
KELVARI_SCREENSHOT_DIR="Z:$(realpath "$shots" | tr / '\\')" \
  tests/e2e/wine-run.sh build/windows/tests/e2e/kelvari_e2e_tests.exe --gtest_filter='*Screenshots.*'
for bmp in "$shots"/*.bmp; do
  [ -e "$bmp" ] || continue
  convert "$bmp" -strip -define png:compression-level=9 "${bmp%.bmp}.png"
done
python3 docs/manual/build_manual.py docs/manual/Kelvari.template.htm "$shots" docs/Kelvari.htm
echo "docs/Kelvari.htm: $(ls "$shots"/*.png 2>/dev/null | wc -l) pictures, $(stat -c %s docs/Kelvari.htm) bytes"
