#!/usr/bin/env bash
# Builds the link fuzzer with clang into build/fuzz and runs it for a bounded
# time: fuzz/run.sh [seconds] (default 60). Fails on any crash, leak,
# sanitizer report or slow input; the input that did it is kept in
# build/fuzz/findings/.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
build="$here/build/fuzz"

"$here/scripts/install-deps.sh"
cmake -S "$here/fuzz" -B "$build" -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j 2

# Fresh seeds every run; what the fuzzer finds on top of them goes to work/.
rm -rf "$build/seeds" "$build/findings"
mkdir -p "$build/seeds" "$build/work" "$build/findings"
"$build/make_corpus" "$build/seeds"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:symbolize=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
"$build/link_fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
  -print_final_stats=1 -artifact_prefix="$build/findings/" "$build/work" "$build/seeds"
