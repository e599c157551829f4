#!/usr/bin/env bash
# The main job: builds the tool and runs it against simulated modules on
# loopback: the desktop program when there is a display, otherwise the
# command-line session. Installs missing packages first.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/build.sh" default >/dev/null
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  "$here/scripts/demo-session.sh" "$here/build/default/bin" gui
else
  echo "No display here: running the command-line session instead of the desktop program."
  "$here/scripts/demo-session.sh" "$here/build/default/bin" cli
fi
