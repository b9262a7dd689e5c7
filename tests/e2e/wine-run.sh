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
exec wine "$@"
