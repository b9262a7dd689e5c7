#!/bin/bash
# Builds everything and runs every test: the unit tests of the logic (native, with sanitizers)
# and the end-to-end tests of kelvari.exe under Wine in a virtual display. Both builds run the
# layer guard before they compile the logic; the native tests check the formatting of every
# C/C++ file (lint_clang_format), the windows tests lint src/win32 (lint_clang_tidy_win32).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
start=$(date +%s)
cmake --preset native -DKELVARI_REQUIRE_CHROMIUM=ON >/dev/null
cmake --build --preset native
ctest --preset native
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
ctest --preset fuzz -j2
cmake --preset windows >/dev/null
cmake --build --preset windows
ctest --preset windows
size=$(stat -c %s build/windows/kelvari.exe)
echo "kelvari.exe: $size bytes; whole run: $(( $(date +%s) - start )) s"
