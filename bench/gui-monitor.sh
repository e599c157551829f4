#!/usr/bin/env bash
# The desktop program monitoring, measured: nxgsim plays one module on a
# loopback address with its word table, and gwmonbench runs a gwsuite session
# against it on Qt's offscreen platform, monitors the word pane at its 300 ms
# interval for SECONDS (default 60) and prints the CPU share and the resident
# memory of the whole program.
#   bench/gui-monitor.sh [SECONDS] [BUILD_DIR]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
build=${2:-$here/build/default}
address=127.0.0.63
modbus_port=1563
[ -x "$build/bin/gwmonbench" ] || { echo "gui-monitor: build gwmonbench first ($build)" >&2; exit 1; }

. "$here/scripts/sim-home.sh"
sim_home monbench "$address" "$modbus_port"
# Seed 4 gives a Serial Master, whose tables can be monitored.
start_sim "$build/bin/nxgsim" --modules 1 --seed 4 --modbus-port "$modbus_port" --modbus-step 300
env GWSUITE_HOME="$home" GWSUITE_LOOPBACK_ONLY=1 QT_QPA_PLATFORM=offscreen \
  XDG_CONFIG_HOME="$home/xdg" XDG_RUNTIME_DIR="$home" ${GWMONBENCH_WRAP:-} "$build/bin/gwmonbench" "$seconds"
