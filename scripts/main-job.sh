#!/usr/bin/env bash
# The main job: builds the tool and runs a session against simulated modules.
# Installs missing packages first.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/build.sh" default >/dev/null
"$here/scripts/demo-session.sh" "$here/build/default/bin"
