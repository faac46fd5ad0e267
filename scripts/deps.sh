#!/usr/bin/env bash
# Installs the Debian 12 packages the build and tests need, and any named on the command line,
# only when some are missing.
set -euo pipefail

packages=(cmake ninja-build g++ clang libclang-rt-14-dev qt6-base-dev qt6-svg-dev qt6-websockets-dev
          libqrcodegencpp-dev libnats-dev qt6-translations-l10n pkg-config libgl-dev googletest
          libgtest-dev libbenchmark-dev librapidcheck-dev fonts-dejavu-core fonts-liberation2
          appstream desktop-file-utils locales gettext python3-polib "$@")
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi

# The number tests run under a German locale too, to prove numbers ignore it.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
    echo "Generating the de_DE.UTF-8 locale"
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo localedef -i de_DE -f UTF-8 de_DE.UTF-8
fi
