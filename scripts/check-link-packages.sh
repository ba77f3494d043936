#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when the build links a library file that no package of the install step
# brings in. Every absolute library path in the build's link lines must belong to
# a package that scripts/install-deps.sh installs, or to one of their dependencies,
# so that a fresh machine can build what this one builds.
set -eu
BUILD_DIR="$1"
cd "$(dirname "$0")/.."

libs=$(grep -o '/usr/lib/[^ ]*\.\(so\|a\)[.0-9]*' "$BUILD_DIR/build.ninja" | sort -u)

# The install step's packages and everything they depend on, transitively.
closure=$(mktemp)
trap 'rm -f "$closure" "$closure.next"' EXIT
./scripts/install-deps.sh --list | sort -u >"$closure"
while :; do
    # shellcheck disable=SC2046
    dpkg-query -W -f='${Package}\n${Depends}\n${Pre-Depends}\n${Provides}\n' $(cat "$closure") 2>/dev/null \
        | tr ',|' '\n\n' | sed -e 's/([^)]*)//g' -e 's/:any//g' -e 's/ //g' | grep -v '^$' \
        | cat - "$closure" | sort -u >"$closure.next"
    cmp -s "$closure" "$closure.next" && break
    mv "$closure.next" "$closure"
done

status=0
for lib in $libs; do
    real=$(readlink -f "$lib")
    owner=$(dpkg -S "$lib" 2>/dev/null || dpkg -S "$real" 2>/dev/null || true)
    owner=${owner%%:*}
    if [ -z "$owner" ]; then
        echo "check-link-packages: $lib belongs to no Debian package" >&2
        status=1
    elif ! grep -qx "$owner" "$closure"; then
        echo "check-link-packages: $lib comes from $owner, which scripts/install-deps.sh does not install" >&2
        status=1
    fi
done
[ "$status" -eq 0 ] && echo "check-link-packages: $(echo "$libs" | wc -l) linked library files, each from an installed package"
exit $status
