#!/usr/bin/env bash
# Installs every Debian package that building, running and testing roomlet needs.
# Packages already present are skipped; apt-get update runs only when something is missing.
set -euo pipefail
packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6sql6 qt6-translations-l10n qt6-qpa-plugins libgl-dev
  libsqlcipher-dev sqlcipher
  libgtest-dev googletest
  fonts-wqy-zenhei
  catdoc python3-xlrd poppler-utils xvfb x11-apps imagemagick xdg-utils
  golang-github-mozillazg-go-pinyin-dev
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO=sudo
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
