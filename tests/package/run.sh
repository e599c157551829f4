#!/usr/bin/env bash
# The Debian package as a user gets it: built with CPack from the build tree,
# checked by lintian, desktop-file-validate and appstreamcli, unpacked with
# dpkg -x into a temporary root, and run from there with an empty HOME and no
# GWSUITE_HOME: nxgcfg searches nxgsim on a loopback address of this test's
# own, gwsuite opens the modules found on Qt's offscreen platform, paints them
# and keeps them when SIGTERM closes it, and all of it lands in
# $HOME/.config/gwsuite.
#
#   run.sh BUILD_DIR [sanitized]
set -euo pipefail
build=$(cd "${1:?usage: run.sh BUILD_DIR [sanitized]}" && pwd)
if [ "${2:-}" = sanitized ]; then
  echo "package: skipped: the package is built from the default build, not the sanitizer build"
  exit 77
fi
address=127.0.14.1

tmp=$(mktemp -d /tmp/gwsuite-package-XXXXXX)
pids=()
# Ends what this test started: SIGTERM, and SIGKILL for what is still there
# after 5 s (a program stuck in a dialog).
alive() { local state; state=$(ps -o stat= -p "$1" 2>/dev/null) && [[ $state != Z* ]]; }
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${pids[@]}"; do
    for _ in $(seq 50); do alive "$pid" || break; sleep 0.1; done
    kill -KILL "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  rm -rf "$tmp"
}
trap cleanup EXIT
fail() { echo "package: FAILED: $*" >&2; exit 1; }
step() { echo "package: $*"; }

# Waits up to 20 s for a command to succeed.
wait_for() {
  for _ in $(seq 200); do
    if "$@"; then return 0; fi
    sleep 0.1
  done
  return 1
}

step "building the package"
(cd "$build" && cpack -G DEB -B "$tmp/out" >"$tmp/cpack.log" 2>&1) || { cat "$tmp/cpack.log"; fail "cpack"; }
debs=("$tmp"/out/gwsuite_*.deb)
deb=${debs[0]}
[ -f "$deb" ] || fail "no gwsuite_*.deb in $tmp/out"
size=$(stat -c %s "$deb")
step "$(basename "$deb"): $size bytes"
[ "$size" -lt $((15 * 1024 * 1024)) ] || fail "the package is 15 MB or more"

# Every dependency is a Debian package (the ones this build links are installed here).
depends=$(dpkg-deb --field "$deb" Depends)
step "Depends: $depends"
for name in $(echo "$depends" | tr ',|' '\n\n' | sed 's/(.*//; s/ //g'); do
  dpkg-query --show "$name" >/dev/null 2>&1 || fail "dependency $name is not a Debian package installed here"
done

step "lintian"
lint=0
lintian --fail-on error "$deb" >"$tmp/lintian.txt" 2>&1 || lint=$?
grep -v "running with root privileges" "$tmp/lintian.txt" || true
[ "$lint" = 0 ] || fail "lintian reports an error"

root=$tmp/root
dpkg -x "$deb" "$root"
step "desktop entry and AppStream metadata"
desktop-file-validate "$root/usr/share/applications/gwsuite.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml || fail "appstreamcli validate"
for page in gwsuite nxgcfg nxgsim; do
  warnings=$(zcat "$root/usr/share/man/man1/$page.1.gz" | groff -man -Tutf8 -ww -z 2>&1)
  [ -z "$warnings" ] || fail "manual page $page.1: $warnings"
done

# Nothing in the unpacked tree leans on the build folder.
if grep -rlF "$build" "$root" >"$tmp/leaks"; then fail "files naming the build folder: $(cat "$tmp/leaks")"; fi
bin=$root/usr/bin

# The programs run as a user's would: an empty HOME, no GWSUITE_HOME, nothing
# on the library path; the link only on loopback.
home=$tmp/home
mkdir -m 0700 "$home" "$tmp/runtime"
run=(env -u GWSUITE_HOME -u XDG_CONFIG_HOME -u LD_LIBRARY_PATH HOME="$home" XDG_RUNTIME_DIR="$tmp/runtime"
  GWSUITE_LOOPBACK_ONLY=1)
config=$home/.config/gwsuite

step "nxgcfg --version, nxgsim --help"
version=$("${run[@]}" "$bin/nxgcfg" --version) || fail "nxgcfg --version"
[ "$version" = "nxgcfg $(dpkg-deb --field "$deb" Version)" ] || fail "nxgcfg --version says $version"
"${run[@]}" "$bin/nxgsim" --help | grep -q "^Usage: nxgsim" || fail "nxgsim --help"
[ -z "$(ls -A "$home")" ] || fail "--version or --help wrote into HOME: $(ls -A "$home")"

step "nxgcfg search --ip $address against nxgsim"
"${run[@]}" "$bin/nxgsim" --address "$address" --modules 3 --ready-file "$tmp/ready" >"$tmp/sim.log" 2>&1 &
pids+=($!)
wait_for test -e "$tmp/ready" || fail "nxgsim did not start: $(cat "$tmp/sim.log")"
"${run[@]}" "$bin/nxgcfg" search --ip "$address" >"$tmp/search.txt" 2>&1 || fail "nxgcfg search: $(cat "$tmp/search.txt")"
cat "$tmp/search.txt"
[ "$(grep -c "unlocked" "$tmp/search.txt")" = 3 ] || fail "the search did not list the 3 modules"
[ -s "$config/NxgcfgNodes.dat" ] || fail "nxgcfg kept no node list in $config"
[ ! -e "$bin/Config" ] || fail "settings were written beside the program"

step "gwsuite (offscreen) opens the modules found and paints them"
# The broadcast replacement stays on loopback, as in every test.
printf '[PortLink]\nCommType=1\nRemoteIP=%s\nBroadcastAddress=%s\n' "$address" "$address" >"$config/PortLink.ini"
"${run[@]}" QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES="qt.widgets.painting=true" \
  "$bin/gwsuite" "$config/NxgcfgNodes.dat" >"$tmp/gwsuite.log" 2>&1 &
gwsuite=$!
pids+=("$gwsuite")
painted() { grep -q "Drawing .* of gw::view::CGwCfgView" "$tmp/gwsuite.log"; }
wait_for painted || fail "gwsuite did not paint its view: $(grep -v qt.widgets "$tmp/gwsuite.log")"
kill -TERM "$gwsuite"
ended() { ! alive "$gwsuite"; }
wait_for ended || fail "gwsuite did not end on SIGTERM"
status=0
wait "$gwsuite" || status=$?
[ "$status" = 0 ] || fail "gwsuite ended with $status: $(grep -v qt.widgets "$tmp/gwsuite.log")"
# On closing, the host hands the document's node list to its store.
cmp -s "$config/CfgLib.dat" "$config/NxgcfgNodes.dat" || fail "gwsuite kept no node list of the 3 modules in $config"
[ ! -e "$bin/Config" ] || fail "settings were written beside the program"
step "settings in \$HOME/.config/gwsuite: $(cd "$config" && echo *)"
echo "package: passed"
