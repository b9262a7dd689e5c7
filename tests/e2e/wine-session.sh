#!/bin/bash
# Starts or stops the test session of the end-to-end tests: a Wine prefix of our own (German,
# no window manager), a virtual X display and a persistent wineserver.
#   wine-session.sh start DIR   creates DIR/prefix when missing, starts Xvfb and the wineserver
#   wine-session.sh stop DIR    stops both (and unmounts DIR/small-disk)
set -u
cmd=$1
dir=$(realpath -m "$2")
mkdir -p "$dir"
export WINEPREFIX=$dir/prefix WINEDEBUG=-all LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8
export WINEDLLOVERRIDES="mscoree,mshtml="
# Sound goes to an ALSA file device: its samples land in $dir/sound-capture.raw.
export ALSA_CONFIG_PATH=$dir/asound.conf

case $cmd in
start)
  if [ -f "$dir/display" ] && xdpyinfo -display "$(cat "$dir/display")" >/dev/null 2>&1; then
    echo "session already running on $(cat "$dir/display")"
  else
    n=90
    while [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ]; do n=$((n + 1)); done
    setsid Xvfb :$n -screen 0 1280x1024x24 -nolisten tcp -dpi 96 </dev/null >/dev/null 2>&1 &
    echo $! > "$dir/xvfb.pid"
    for _ in $(seq 50); do xdpyinfo -display :$n >/dev/null 2>&1 && break; sleep 0.1; done
    echo ":$n" > "$dir/display"
  fi
  export DISPLAY=$(cat "$dir/display")
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    wineboot -i </dev/null >/dev/null 2>&1
    # Without a window manager every hidden window would stall for two seconds.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1
    wineserver -w
  fi
  # Drives for the drive checks: K: a folder with files, L: an empty folder, M: a drive
  # without a medium (a dangling link), N: a medium with a volume label.
  mkdir -p "$dir/drives/files/ordner" "$dir/drives/empty" "$dir/drives/labelled"
  echo "Inhalt" > "$dir/drives/files/datei.txt"
  printf 'Backup\xc3\x84\n' > "$dir/drives/labelled/.windows-label"
  ln -sfn "$dir/drives/files" "$WINEPREFIX/dosdevices/k:"
  ln -sfn "$dir/drives/empty" "$WINEPREFIX/dosdevices/l:"
  ln -sfn "$dir/drives/no-medium" "$WINEPREFIX/dosdevices/m:"
  ln -sfn "$dir/drives/labelled" "$WINEPREFIX/dosdevices/n:"
  # A small file system of its own (64 KiB), which the tests of a full disk fill up. Mounting
  # needs root; without it those tests are skipped.
  mkdir -p "$dir/small-disk"
  mountpoint -q "$dir/small-disk" ||
    mount -t tmpfs -o size=64k,mode=0777 kelvari-small-disk "$dir/small-disk" 2>/dev/null
  cat > "$ALSA_CONFIG_PATH" <<ALSA
</usr/share/alsa/alsa.conf>
pcm.!default { type file slave.pcm "null" file "$dir/sound-capture.raw" format "raw" }
ALSA
  setsid wineserver -p </dev/null >/dev/null 2>&1
  # Fonts with the metrics of Windows' own: Wine's Tahoma and Marlett (the title bar's close
  # symbol), which this Wine does not find in its own folder, go into the prefix's font
  # folder; Arial, Times New Roman and Courier New are drawn with their metric-compatible
  # Liberation stand-ins. Set on every start, so an older prefix gets them too.
  for font in /usr/share/wine/fonts/*.ttf; do
    [ -e "$font" ] && ln -sfn "$font" "$WINEPREFIX/drive_c/windows/Fonts/"
  done
  cat > "$dir/fonts.reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"Arial"="Liberation Sans"
"Times New Roman"="Liberation Serif"
"Courier New"="Liberation Mono"
REG
  wine regedit /s "Z:$(echo "$dir/fonts.reg" | tr / '\\')" </dev/null >/dev/null 2>&1
  # Sound through ALSA (the default device is set up above); set on every start, since a test
  # that switches the sound off for a while may have been stopped before it switched it back.
  wine reg add 'HKCU\Software\Wine\Drivers' /v Audio /d alsa /f </dev/null >/dev/null 2>&1
  # Start Wine's own background processes now, detached from any test's output pipe.
  setsid wine cmd /c exit </dev/null >/dev/null 2>&1
  echo "Wine session: DISPLAY=$DISPLAY WINEPREFIX=$WINEPREFIX"
  ;;
stop)
  wineserver -k >/dev/null 2>&1
  [ -f "$dir/xvfb.pid" ] && kill "$(cat "$dir/xvfb.pid")" 2>/dev/null
  rm -f "$dir/xvfb.pid" "$dir/display"
  mountpoint -q "$dir/small-disk" && umount "$dir/small-disk"
  ;;
esac
exit 0
