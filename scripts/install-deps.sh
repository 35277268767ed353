#!/usr/bin/env bash
# Installs what Kelvane builds and runs with, from Debian 12's packages. Idempotent.
#   install-deps.sh           what building, running and testing need
#   install-deps.sh package   also what making and checking the Debian package
#                             and the screenshots need
set -euo pipefail
packages=(build-essential cmake qt6-base-dev qt6-base-dev-tools libgl-dev
          firebird3.0-server firebird3.0-utils firebird-dev libfbclient2)
if [ "${1:-}" = package ]; then
  packages+=(dpkg-dev file desktop-file-utils xvfb xauth)
fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q "${missing[@]}"
