#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs lintian over the .deb that `make package` left in the given folder and fails on
# any error or warning; the pedantic and informational tags are printed for reading.
set -eu
dir=${1:-build}
deb=$(ls -t "$dir"/corvalto_*.deb | head -n 1)
out=$(lintian -I --pedantic --tag-display-limit 0 "$deb" 2>&1) || true
[ -n "$out" ] && printf '%s\n' "$out"
if printf '%s\n' "$out" | grep -q '^[EW]: '; then
    echo "check-package: lintian reports errors or warnings on $deb" >&2
    exit 1
fi
echo "check-package: lintian finds no error or warning on $deb"
