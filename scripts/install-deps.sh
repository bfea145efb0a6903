#!/usr/bin/env bash
# Installs the Debian packages the program and its tests need; does nothing
# when everything is already there.
set -euo pipefail

PACKAGES=(
  cmake g++ make pkg-config
  clang libclang-rt-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-image-formats-plugins libqt6svg6
  libjpeg62-turbo-dev libgif-dev
  fonts-dejavu-core fonts-liberation2
  xvfb xauth
  poppler-utils
  python3
  locales-all
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
  SUDO="sudo"
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
