# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced first by the checks that mount file systems of their own: runs the
# check again in a private mount namespace (as root, or mapped to root), so
# that its mounts stay its own and vanish with it.
if [ -z "${TORVANE_PRIVATE_MOUNTS:-}" ]; then
  export TORVANE_PRIVATE_MOUNTS=1
  if [ "$(id -u)" -eq 0 ]; then
    exec unshare --mount --propagation private bash "$0" "$@"
  fi
  exec unshare --map-root-user --mount bash "$0" "$@"
fi
