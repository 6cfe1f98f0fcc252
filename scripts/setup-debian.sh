#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing Tarvo
# need. Does nothing when they are all present; uses sudo when not root.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config ccache
  qt6-base-dev qt6-multimedia-dev libgl-dev
  libcurl4-openssl-dev qtkeychain-qt6-dev libssl-dev
  fonts-liberation2 fonts-droid-fallback fonts-symbola
  python3 python3-pyftpdlib python3-openssl python3-asyncssh
  apache2 apache2-utils
  dbus-daemon gnome-keyring openssl
  clang libclang-rt-14-dev
  bash-doc
  qt6-svg-dev qt6-image-formats-plugins desktop-file-utils appstream shared-mime-info
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  lynx
  libgit2-dev git openssh-server
  chromium
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
