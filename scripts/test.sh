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
# The clang-tidy lints take minutes of one core each; they run later, beside the end-to-end
# tests, whose waits for windows leave a core idle.
ctest --preset native -j2 -E '^lint_clang_tidy$'
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
ctest --preset fuzz -j2
cmake --preset windows >/dev/null
cmake --build --preset windows
# Both clang-tidy lints run beside the end-to-end tests, at a lower priority; a lint that fails
# fails the run.
(nice -n 10 ctest --preset native -R '^lint_clang_tidy$' &&
  nice -n 10 ctest --preset windows -R '^lint_clang_tidy_win32$') >build/lints.log 2>&1 &
lints=$!
ctest --preset windows -E '^lint_clang_tidy_win32$'
if ! wait "$lints"; then
  cat build/lints.log
  exit 1
fi
size=$(stat -c %s build/windows/kelvari.exe)
echo "kelvari.exe: $size bytes; whole run: $(( $(date +%s) - start )) s"
