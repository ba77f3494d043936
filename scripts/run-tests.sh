#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs every CTest test of a build tree, each under an Xvfb display of its own
# (see tests/CMakeLists.txt), with Mesa's software OpenGL, so no test depends on
# the machine's screen or on another test's windows.
set -eu
BUILD_DIR="$1"
export QT_QPA_PLATFORM=xcb
export LIBGL_ALWAYS_SOFTWARE=1
export LC_ALL=C.UTF-8
export ASAN_OPTIONS="detect_leaks=0:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
exec ctest --test-dir "$BUILD_DIR" --output-on-failure --timeout 300 -j 2
