#!/usr/bin/env bash
# Installs the Debian packages that are missing; quick when all are present.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t wanted < <(grep -v '^\s*#' scripts/packages.txt | grep -v '^\s*$')
missing=()
for pkg in "${wanted[@]}"; do
  dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
