#!/usr/bin/env bash
# Builds the Debian package gwsuite_VERSION_ARCH.deb in the top folder: the
# default build (installing missing packages first), then CPack.
#
#   scripts/package.sh            then: apt install ./gwsuite_*.deb
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/build.sh" default
out=$(mktemp -d /tmp/gwsuite-cpack-XXXXXX)
trap 'rm -rf "$out"' EXIT
(cd "$here/build/default" && cpack -G DEB -B "$out" >/dev/null)
for deb in "$out"/gwsuite_*.deb; do
  mv "$deb" "$here/"
  echo "$here/$(basename "$deb")"
done
