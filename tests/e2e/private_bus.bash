# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced first by the checks that read the game through AT-SPI: runs the check
# again on a D-Bus session of its own.
if [ -z "${TORVANE_PRIVATE_BUS:-}" ]; then
  exec env TORVANE_PRIVATE_BUS=1 dbus-run-session -- bash "$0" "$@"
fi
