#!/usr/bin/env bash
# Builds and runs every test of one preset (default: "default"; "asan" for the
# sanitizer build). Exits non-zero when a test fails.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
preset=${1:-default}
"$here/scripts/build.sh" "$preset"
cd "$here"
ctest --preset "$preset" -j "$(nproc)"
