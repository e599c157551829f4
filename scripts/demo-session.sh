#!/usr/bin/env bash
# Simulated modules on loopback, in a configuration folder of its own, and a
# session against them: with "gui" the desktop program gwsuite, with "cli"
# (the default) a short nxgcfg session: search, show one module, log in to a
# locked one, export a parameter file and decode it, watch a module's values.
set -euo pipefail
bin=${1:?usage: demo-session.sh BIN_FOLDER [cli|gui]}
mode=${2:-cli}

address=127.0.77.1
modbus_port=1502
. "$(dirname "$0")/sim-home.sh"
sim_home demo "$address" "$modbus_port"
export GWSUITE_HOME=$home GWSUITE_LOOPBACK_ONLY=1
# A fresh login may have no runtime folder; the toolkit wants a private one.
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
  export XDG_RUNTIME_DIR=$home/runtime
  mkdir -m 0700 "$XDG_RUNTIME_DIR"
fi

start_sim "$bin/nxgsim" --modules 4 --module-numbers 12,3,40,7 \
  --names "Boiler house,Pump station,Dock gate,Mixer room" --locked 3 --password 4321 \
  --firmware 1.55,1.54,1.55,1.55 --modbus-port "$modbus_port"

if [ "$mode" = gui ]; then
  echo "gwsuite with four simulated modules at $address (close the window to end)."
  # The plug-in finds its translations relative to the current folder.
  (cd "$bin" && ./gwsuite)
  exit 0
fi

step() { printf '\n\033[1m$ %s\033[0m\n' "$*"; }
run() { step "nxgcfg $*"; "$bin/nxgcfg" "$@"; }

run search --ip "$address"
run show 3
step "NXGCFG_PASSWORD=4321 nxgcfg login 40"
NXGCFG_PASSWORD=4321 "$bin/nxgcfg" login 40
run export 12 "$home/boiler-house.mod"
# The first lines only; the whole report is long.
run decode "$home/boiler-house.mod" --json > "$home/boiler-house.json"
head -n 30 "$home/boiler-house.json"
echo "..."
# The values the module collects, three polls of its word table.
run monitor 12 --words --count 3
run link
