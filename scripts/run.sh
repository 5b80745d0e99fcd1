#!/usr/bin/env bash
# Installs what the build needs, builds everything, creates the demo facility
# when it is missing and starts the desk program Vantora on it, which starts
# the report server beside it (queued reports become PDF files in demo/print).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

install_packages
build_tree build -DCMAKE_BUILD_TYPE=RelWithDebInfo

DEMO="$VANTORA_ROOT/demo"
BIN="$VANTORA_ROOT/build/bin"
if [ ! -f "$DEMO/db/members.mdb" ]; then
  echo "Creating the demo facility in $DEMO"
  "$BIN/vantora-setup" --demo --name "Riverside Fitness Center" --password demo "$DEMO/db"
fi
mkdir -p "$DEMO/back" "$DEMO/print"
export VANTO_DB="$DEMO/db/" VANTO_BACK="$DEMO/back/" VANTO_PRINT="$DEMO/print/"
export VANTO_TXT="$VANTORA_ROOT/data/text/" VANTO_STN="$VANTORA_ROOT/data/stations/"
export VANTO_WT="$VANTORA_ROOT/data/weights/"

echo "Starting Vantora on the demo facility (File > Exit closes it)."
echo "Reports asked for at the desk are printed to PDF files in $DEMO/print."
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: running on a virtual screen (Ctrl+C stops it)."
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$BIN/Vantora"
fi
exec "$BIN/Vantora"
