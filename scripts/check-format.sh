#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a C++ file of src/, tests/, assets/, bench/ or cmake/ departs from
# .clang-format; prints what clang-format would change.
set -eu
cd "$(dirname "$0")/.."
files=$(find src tests assets bench cmake -type f \( -name '*.cpp' -o -name '*.h' \) | sort)
[ -z "$files" ] && exit 0
# shellcheck disable=SC2086
exec clang-format --dry-run -Werror $files
