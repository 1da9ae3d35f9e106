#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Without any display, ./play says so in one line and fails, before building anything.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
status=0
output=$(env -u DISPLAY -u WAYLAND_DISPLAY "$root/play" 2>&1) || status=$?
[ "$status" -ne 0 ] || { echo "FAIL: ./play succeeded without a display"; exit 1; }
[ "$(printf '%s\n' "$output" | wc -l)" -eq 1 ] || { echo "FAIL: more than one line: $output"; exit 1; }
case "$output" in *display*) ;; *) echo "FAIL: '$output'"; exit 1 ;; esac
echo "play without a display: $output"
