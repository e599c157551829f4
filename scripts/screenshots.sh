#!/usr/bin/env bash
# Pictures of the desktop program for the README: nxgsim plays nine modules on
# a loopback address, and gwshot runs a gwsuite session against them on Qt's
# offscreen platform (no display needed); the parameter sheet also in
# Traditional Chinese. Writes docs/screenshots/*.png.
#
#   scripts/screenshots.sh [BUILD_DIR]     (default: build/default, built if missing)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build/default}
out=$here/docs/screenshots
address=127.0.0.61
modbus_port=1561

if [ ! -x "$build/bin/gwshot" ] || [ ! -x "$build/bin/nxgsim" ]; then
  if [ "$build" = "$here/build/default" ]; then
    "$here/scripts/build.sh" default
  else
    echo "screenshots: $build has no gwshot and nxgsim; build it first" >&2
    exit 1
  fi
fi

. "$here/scripts/sim-home.sh"
sim_home shots "$address" "$modbus_port"
mkdir -p "$home/xdg-en" "$home/xdg-zh/Orvane" "$out"
printf '[General]\nLanguageId=1028\n' > "$home/xdg-zh/Orvane/GwSuite.conf"

start_sim "$build/bin/nxgsim" --modules 9 \
  --module-numbers 1,2,3,10,11,12,20,21,300 \
  --names "Boiler house,Pump station,Line 1 PLC,Mixer,Packing,Labeller,Chiller,Compressor,Warehouse" \
  --locked 9 --modbus-port "$modbus_port" --modbus-step 400

run_shot() {  # config folder, output folder
  rm -f "$home/Config/CfgLib.dat"
  env GWSUITE_HOME="$home" GWSUITE_LOOPBACK_ONLY=1 QT_QPA_PLATFORM=offscreen \
    XDG_CONFIG_HOME="$1" "$build/bin/gwshot" "$2"
}

run_shot "$home/xdg-en" "$out"
run_shot "$home/xdg-zh" "$home/zh"
cp "$home/zh/parameter-sheet.png" "$out/parameter-sheet-zh-tw.png"
cp "$home/zh/sheet-basic.png" "$out/sheet-basic-zh-tw.png"
cp "$home/zh/sheet-mail.png" "$out/sheet-mail-zh-tw.png"
cp "$home/zh/sheet-monitor-words.png" "$out/sheet-monitor-words-zh-tw.png"
echo "screenshots in $out"
