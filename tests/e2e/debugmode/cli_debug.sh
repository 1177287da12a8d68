#!/usr/bin/env bash
# qm314-cli debug against qm314-sim on a pseudo-terminal: the frames the radio
# receives, Retry after a stage fault, Cancel, a noisy line and a silent radio.
set -euo pipefail
cli=$1
sim=$2
work=$(mktemp -d)
simpid=
stop_sim() {
  if [ -n "$simpid" ]; then kill "$simpid" 2>/dev/null || true; wait "$simpid" 2>/dev/null || true; fi
  simpid=
}
trap 'stop_sim; rm -rf "$work"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

# Starts a simulated radio with the given faults; sets $dev.
start_sim() {
  stop_sim
  : > "$work/sim.log"
  coproc SIM { exec "$sim" --log "$work/sim.log" "$@"; }
  simpid=$SIM_PID
  read -r dev <&"${SIM[0]}"
  [ -e "$dev" ] || fail "no device from qm314-sim"
}

debug() {
  set +e
  "$cli" debug "$dev" "$@" 2> "$work/err"
  status=$?
  set -e
}

expect_log() {
  grep -qxF "$1" "$work/sim.log" || { cat "$work/sim.log" >&2; fail "sim log lacks: $1"; }
}

# A loaded machine can make a reply miss its 100 ms, so the commands that must
# succeed allow a few Retries; every box before the last is then the error box.
finished_after_retries() {
  [ "$(tail -n 1 "$work/err")" = "Finish successfully!" ] || return 1
  [ "$(head -n -1 "$work/err" | grep -vcxF ' Error had happen ,need try again')" -eq 0 ]
}

# A whole command: the radio holds exactly the frames of the dialog's texts.
start_sim
debug --item "Squelch Level" --value 160 --rx 446.00625 --tx 446.00625 --rx-tone 69.3 --tx-tone 69.3 \
  --retries 3
[ "$status" -eq 0 ] || { cat "$work/err" >&2; fail "status $status"; }
finished_after_retries || fail "stderr: $(cat "$work/err")"
expect_log "debug item 73"
expect_log "debug frequencies 25 06 60 44 25 06 60 44"
expect_log "debug tones and value 93 06 93 06 FB 01 01 A0"
expect_log "debug command complete"

# Left out, frequencies and tones are the dialog's High test frequency and first tones.
debug --item "TX Power" --value 47 --retries 3
[ "$status" -eq 0 ] || fail "defaults: status $status"
expect_log "debug item 74"
expect_log "debug frequencies 75 93 60 44 75 93 60 44"
expect_log "debug tones and value 93 06 93 06 FB 01 01 2F"

# A radio that stops after the item select: Retry sends the whole command again.
start_sim --fault debug-silent@frequencies
debug --item "TX Frequency" --value 91 --rx 20 --tx 20 --rx-tone D023N --tx-tone 254.1 --retries 3
[ "$status" -eq 0 ] || { cat "$work/err" >&2; fail "retry: status $status"; }
finished_after_retries || fail "retry stderr: $(cat "$work/err")"
[ "$(grep -c 'Error had happen' "$work/err")" -ge 1 ] || fail "retry: no error box"
expect_log "debug fault: silent at frequencies"
[ "$(grep -c '^debug wake-up$' "$work/sim.log")" -ge 2 ] || fail "two wake-ups expected"
expect_log "debug tones and value 00 00 41 25 FB 01 01 5B"

# Cancel after a wrong answer ends with status 1 and no success.
start_sim --fault debug-wrong@confirm
debug --item "Low Power Voltage" --value 38
[ "$status" -eq 1 ] || fail "cancel: status $status"
[ "$(cat "$work/err")" = " Error had happen ,need try again" ] || fail "cancel stderr: $(cat "$work/err")"
if grep -q 'debug item' "$work/sim.log"; then fail "item sent after a failed confirmation"; fi

# A noisy line: two stray bytes ahead of the wake-up answer fail the attempt
# (one is forgiven: the desktop program's Debug Mode test goes through one).
start_sim --fault noise:2
debug --item "TX Power" --value 47
[ "$status" -eq 1 ] || fail "two stray bytes: status $status"
[ "$(cat "$work/err")" = " Error had happen ,need try again" ] || fail "two stray bytes: $(cat "$work/err")"
if grep -q 'debug item' "$work/sim.log"; then fail "item sent after two stray bytes"; fi

# A silent radio, retried twice.
start_sim --fault silent
debug --item "Squelch Level" --value 1 --retries 2
[ "$status" -eq 1 ] || fail "silent: status $status"
[ "$(grep -c 'Error had happen' "$work/err")" -eq 3 ] || fail "silent: three boxes expected"
echo "cli debug e2e: ok"
