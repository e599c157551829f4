#!/usr/bin/env bash
# Builds the project with the default preset and prints the speed figures:
# the search and the inquiry against nxgsim on loopback, beside their floors.
# Arguments go to gwbench (e.g. --runs 9, --only serial, --verbose).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset default
cmake --build --preset default -j2
exec build/default/bin/gwbench "$@"
