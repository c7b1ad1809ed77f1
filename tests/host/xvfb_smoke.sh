#!/bin/sh
# The real program on a virtual X server: a real pointer press on the OK
# key shows the key pressed; dragging off the key before the release
# still releases it; the LCD window shows the panel in its shades.
# Usage: xvfb_smoke.sh KALVERO_SIM PROBE
set -eu
if ! command -v xvfb-run >/dev/null 2>&1; then
  echo "SKIPPED: xvfb-run is not installed (Debian package xvfb)"
  exit 77
fi
if [ "${1:-}" != "--inside" ]; then
  exec xvfb-run -a -s "-screen 0 800x600x24" "$0" --inside "$@"
fi
sim=$2
probe=$3
work=$(mktemp -d)
trap 'kill $pid 2>/dev/null || true; rm -rf "$work"' EXIT
cd "$work"
QT_QPA_PLATFORM=xcb "$sim" --no-message-boxes --service-port none 2>"$work/stderr" &
pid=$!

# The device window sits at (10, 20); the OK key's centre at (369, 112) in it.
okx=379; oky=132
# Wait for the device picture: the body colour at the window's top middle.
i=0
while [ "$($probe pixel 235 25)" = "000000" ]; do
  i=$((i + 1)); [ $i -lt 100 ] || { echo "FAIL: no device window"; exit 1; }
  sleep 0.1
done
sleep 0.5
up=$($probe pixel $okx $((oky - 8)))
$probe press $okx $oky
sleep 0.3
down=$($probe pixel $okx $((oky - 8)))
# Drag off the key and release far away.
$probe release 600 500
sleep 0.3
after=$($probe pixel $okx $((oky - 8)))
echo "OK key: up $up, pressed $down, after release $after"
[ "$up" != "$down" ] || { echo "FAIL: the key did not show pressed"; exit 1; }
[ "$after" = "$up" ] || { echo "FAIL: the release off the key did not reach the key"; exit 1; }

# The LCD window (at 45, 30 in the device) shows the panel in at most its two shades.
colours=$($probe colours 55 50 240 160)
echo "LCD area colours: $colours"
[ "$colours" -le 2 ] || { echo "FAIL: the LCD area is not the panel"; exit 1; }
kill $pid
wait $pid 2>/dev/null || true
echo "PASS"
