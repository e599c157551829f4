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

home=$(mktemp -d /tmp/gwsuite-monbench-XXXXXX)
sim=
cleanup() {
  if [ -n "$sim" ]; then kill "$sim" 2>/dev/null || true; wait "$sim" 2>/dev/null || true; fi
  rm -rf "$home"
}
trap cleanup EXIT
mkdir -p "$home/Config"
printf '[PortLink]\nCommType=1\nCOMPort=1\nRemoteIP=%s\nBroadcastAddress=%s\nModbusTCPPort=%s\n' \
  "$address" "$address" "$modbus_port" > "$home/Config/PortLink.ini"
# Seed 4 gives a Serial Master, whose tables can be monitored.
"$build/bin/nxgsim" --address "$address" --modules 1 --seed 4 --modbus-port "$modbus_port" \
  --modbus-step 300 --ready-file "$home/ready" > "$home/sim.log" 2>&1 &
sim=$!
for _ in $(seq 100); do [ -e "$home/ready" ] && break; sleep 0.1; done
[ -e "$home/ready" ] || { echo "gui-monitor: nxgsim did not start:" >&2; cat "$home/sim.log" >&2; exit 1; }
env GWSUITE_HOME="$home" GWSUITE_LOOPBACK_ONLY=1 QT_QPA_PLATFORM=offscreen \
  XDG_CONFIG_HOME="$home/xdg" XDG_RUNTIME_DIR="$home" ${GWMONBENCH_WRAP:-} "$build/bin/gwmonbench" "$seconds"
