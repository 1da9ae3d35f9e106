#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The monkey test for as long as asked: builds the game (in build/check, or
# with --sanitized under AddressSanitizer + UndefinedBehaviorSanitizer in
# build/sanitize) and plays it at random in Xvfb under openbox.
# Usage: ./monkey [--sanitized] [MINUTES (default 10)] [SEED (default: from the clock)]
set -euo pipefail
cd "$(dirname "$0")"

build=build/check
options=()
if [ "${1:-}" = --sanitized ]; then
  build=build/sanitize
  options=(-DTORVANE_SANITIZE=ON)
  shift
fi
./install-deps --test
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTORVANE_TESTS=ON "${options[@]}" >/dev/null
cmake --build "$build" -j"$(nproc)" --target torvane wm_ping
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=0:abort_on_error=1:halt_on_error=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
exec bash tests/e2e/monkey.sh "$build/torvane" "${1:-10}" "${2:-}"
