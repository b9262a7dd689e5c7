#!/bin/bash
# Runs a Windows program of the build under Wine, in the session that wine-session.sh starts
# (started here when it is not running yet).
dir=${KELVARI_WINE_DIR:-$(dirname "$(realpath "$0")")/../../build/windows/wine}
here=$(dirname "$(realpath "$0")")
if ! [ -f "$dir/display" ] || ! xdpyinfo -display "$(cat "$dir/display")" >/dev/null 2>&1; then
  "$here/wine-session.sh" start "$dir" >/dev/null
fi
export WINEPREFIX=$dir/prefix WINEDEBUG=-all LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8
export WINEDLLOVERRIDES="mscoree,mshtml=" DISPLAY=$(cat "$dir/display")
export ALSA_CONFIG_PATH=$dir/asound.conf
# A start of Wine that fails at once, before the program prints anything but Wine's own
# messages (seen once on a fresh machine), is tried again; the program's own failures are not.
log=$(mktemp)
trap 'rm -f "$log"' EXIT
for attempt in 1 2 3; do
  began=$(date +%s%N)
  wine "$@" 2>&1 | tee "$log"
  rc=${PIPESTATUS[0]}
  ms=$(( ($(date +%s%N) - began) / 1000000 ))
  if [ "$rc" -eq 0 ] || [ "$ms" -ge 2000 ] || grep -qv '^wine' "$log"; then break; fi
  echo "wine-run: Wine ended after $ms ms with exit code $rc before the program ran" \
    "(attempt $attempt)" >&2
  [ "$attempt" -lt 3 ] && sleep 1
done
exit "$rc"
