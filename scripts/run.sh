#!/usr/bin/env bash
# Installs what is missing, builds and starts the simulator. Without a
# display it says so and runs the unit headless in real time instead.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake --preset default >/dev/null
cmake --build --preset default -j "$(nproc)"

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -x build/default/host/kalvero-sim ]; then
  exec build/default/host/kalvero-sim "$@"
fi
echo "No display found: running the unit headless instead (kalvero-cli --realtime, Ctrl+C ends it)."
exec build/default/cli/kalvero-cli --realtime "$@"
