# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the checks that listen to the game through Orca, after
# private_bus.bash and xsession.bash: Orca on the check's accessibility bus,
# speaking through speech-dispatcher's dummy output, with its debug log
# written line by line; and waits for what it says.

ORCA_LOG=""
ORCA_PID=""

# Orca with a home, settings and speech-dispatcher of its own, in the language
# of LANG; call after start_accessibility_bus.
start_orca() {
  export HOME="$WORK/home" XDG_CONFIG_HOME="$WORK/home/.config" XDG_DATA_HOME="$WORK/home/.local/share"
  export XDG_RUNTIME_DIR="$WORK/runtime" GSETTINGS_BACKEND=memory
  mkdir -p "$XDG_CONFIG_HOME/speech-dispatcher" "$XDG_DATA_HOME/orca" "$XDG_RUNTIME_DIR"
  chmod 700 "$XDG_RUNTIME_DIR"
  printf '%s\n' 'AddModule "dummy" "sd_dummy" ""' 'DefaultModule dummy' \
    'AudioOutputMethod "alsa"' 'AudioALSADevice "null"' \
    >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf"
  ORCA_LOG="$WORK/orca.log"
  : >"$ORCA_LOG"
  /usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/orca_logged.py" "$ORCA_LOG" >"$WORK/orca.out" 2>&1 &
  ORCA_PID=$!
  # Orca is ended outright: asked to, it may wait long on the bus. ORCA_KEEP_LOG
  # names a file to keep its log in, to look into a failure.
  trap '{ kill -KILL "$ORCA_PID" && wait "$ORCA_PID"; } 2>/dev/null || true; kill "$BUS_PID" 2>/dev/null || true
        [ -z "${ORCA_KEEP_LOG:-}" ] || cp "$ORCA_LOG" "$ORCA_KEEP_LOG"; cleanup' EXIT
  # Orca says that it has started once it listens.
  ORCA_MARK=0
  heard_within 60 "" || fail "Orca did not start: $(tail -n 5 "$WORK/orca.out")"
}

# What Orca has said since the last mark, one utterance a line.
said() { tail -n +"$((ORCA_MARK + 1))" "$ORCA_LOG" | sed -n "s/^.*SPEECH OUTPUT: '\(.*\)'.*$/\1/p"; }

# From here on only what Orca says next counts.
mark() { ORCA_MARK=$(wc -l <"$ORCA_LOG"); }

# Whether Orca says something holding TEXT (a fixed string) within SECONDS.
heard_within() {
  local deadline=$((SECONDS + $1))
  while [ "$SECONDS" -le "$deadline" ]; do
    said | grep -qF -- "$2" && return 0
    sleep 0.2
  done
  return 1
}

# Orca says each TEXT after the mark, within a generous time for a loaded machine.
heard() {
  local text
  for text in "$@"; do
    heard_within 30 "$text" || fail "Orca did not say '$text'; it said: $(said | tr '\n' '|')"
  done
}

# Orca says FIRST and, after it, THEN.
heard_in_order() {
  heard "$1"
  local deadline=$((SECONDS + 30))
  while [ "$SECONDS" -le "$deadline" ]; do
    said | grep -F -A 1000 -- "$1" | tail -n +2 | grep -qF -- "$2" && return 0
    sleep 0.2
  done
  fail "Orca did not say '$2' after '$1'; it said: $(said | tr '\n' '|')"
}

# Presses a key, as `xdotool key` takes it, and marks what follows as its answer.
press() {
  mark
  xdotool key "$1"
}
