#!/usr/bin/env bash
# Builds the project with the default preset and prints the speed figures:
# the search, the inquiry, nxgcfg batch and the Monitor's word poll tick
# (against mbpoll, with its CPU time and resident memory over 10 000 ticks)
# against nxgsim on loopback, beside their floors.
# Arguments go to gwbench (e.g. --runs 9, --only serial, --only monitor,
# --ticks 20000, --verbose).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset default
cmake --build --preset default -j2
exec build/default/bin/gwbench "$@"
