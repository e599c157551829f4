#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the tools need.
# Safe to run again: it installs only what is missing. Needs root (or sudo).
set -euo pipefail

packages=(
  build-essential g++ cmake pkg-config
  libgtest-dev libgmock-dev
  clang libclang-rt-14-dev
  libsimpleini-dev libicu-dev libmodbus-dev
  libcli11-dev nlohmann-json3-dev
  iproute2
  qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools libgl-dev
  qt6-translations-l10n qt6-charts-dev
  # the monitor's trend plot; a third-party Modbus client the tests read the simulator with
  mbpoll
  # Qt Charts' CMake package needs Qt OpenGL's, which qt6-charts-dev does not bring
  libqt6opengl6-dev
  xvfb xauth fonts-liberation fonts-wqy-microhei fontconfig
  # the Debian package and its checks (scripts/package.sh, tests/package)
  dpkg-dev file icoutils groff-base procps lintian desktop-file-utils appstream
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
