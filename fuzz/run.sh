#!/usr/bin/env bash
# Builds the fuzz targets with clang into build/fuzz and runs them for a
# bounded time:
#   fuzz/run.sh [SECONDS]          every target for SECONDS each (default 20)
#   fuzz/run.sh TARGET [SECONDS]   one target (default 600), e.g. settings
# Targets: link, parameter_file, node_list, settings, sim_request,
# modbus_reply. Fails on any crash, leak, sanitizer report, broken invariant
# or slow input; the input that did it is kept in build/fuzz/findings/TARGET/.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build="$here/build/fuzz"
targets=(link parameter_file node_list settings sim_request modbus_reply)

if [[ $# -ge 1 && ! $1 =~ ^[0-9]+$ ]]; then
  target=${1%_fuzzer}
  [[ " ${targets[*]} " == *" $target "* ]] || { echo "unknown target: $1 (${targets[*]})" >&2; exit 2; }
  targets=("$target")
  seconds=${2:-600}
else
  seconds=${1:-20}
fi

"$here/scripts/install-deps.sh"
# The build folder once held a project of fuzz/ alone; it is the whole
# source tree's now.
if [[ -f $build/CMakeCache.txt ]] && ! grep -qx "CMAKE_HOME_DIRECTORY:INTERNAL=$here" "$build/CMakeCache.txt"; then
  rm -rf "$build"
fi
cmake -S "$here" -B "$build" -DGWSUITE_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j 2 --target fuzzers

# Fresh seeds every run; what the fuzzers find on top of them goes to work/.
rm -rf "$build/seeds" "$build/findings"
"$build/bin/make_seeds" "$build/seeds"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:symbolize=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
for target in "${targets[@]}"; do
  echo "== ${target}_fuzzer for ${seconds} s"
  mkdir -p "$build/work/$target" "$build/findings/$target"
  "$build/bin/${target}_fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$build/findings/$target/" \
    "$build/work/$target" "$build/seeds/$target"
done
