#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages Corvalto needs to build, run and test, and only
# those that are missing. Runs as root or through sudo.
set -eu

PACKAGES="
cmake
ninja-build
g++
make
pkg-config
ccache
qt6-base-dev
qt6-base-dev-tools
libasound2-dev
qt6-translations-l10n
qt6-image-formats-plugins
libgl-dev
libassimp-dev
zlib1g-dev
libgif-dev
libjpeg-dev
libxcb1-dev
xvfb
xauth
x11-apps
imagemagick
fonts-texgyre
fonts-dejavu-core
fonts-dejavu-extra
libgl1-mesa-dri
librsvg2-bin
desktop-file-utils
appstream
shared-mime-info
dpkg-dev
lintian
file
python3
clang-format
chordii
poppler-utils
"

# --list prints the package names, one a line, for the build's own checks.
if [ "${1:-}" = "--list" ]; then
    printf '%s\n' $PACKAGES
    exit 0
fi

missing=""
for p in $PACKAGES; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done

[ -z "$missing" ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
    SUDO=""
else
    SUDO="sudo"
fi

echo "Installing:$missing"
$SUDO apt-get update
# shellcheck disable=SC2086
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends $missing
