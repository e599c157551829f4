#!/usr/bin/env bash
# The main job: builds the tool and runs it. Installs missing packages first.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/build.sh" default
"$here/build/default/bin/gwdemo" "$@"
