#!/usr/bin/env bash
# Runs the commands the manual and the README show as runnable, so neither can
# show a command that no longer works: each <pre class="run"> block of the
# manual and each README code block after a "<!-- run -->" line, in order, in
# one scratch folder, with a simulated radio on COM1.  Every block must end
# with status 0.
# Usage: shown_commands.sh MANUAL_HTML README APP_DIR CLI_DIR SIM_DIR
set -euo pipefail
manual=$(realpath "$1")
readme=$(realpath "$2")
export PATH="$(realpath "$3"):$(realpath "$4"):$(realpath "$5"):$PATH"
export QT_QPA_PLATFORM=offscreen
unset DISPLAY WAYLAND_DISPLAY
work=$(mktemp -d)
export HOME=$work XDG_CONFIG_HOME=$work/config
simpid=
blockpid=
# Ends a block's process group and waits until every process of it is gone:
# a simulated radio saves its memory when it is stopped, and that file must
# not appear in a folder that is being deleted.
stop_group() {
  kill -- "-$1" 2>/dev/null || return 0
  for _ in $(seq 100); do
    kill -0 -- "-$1" 2>/dev/null || return 0
    sleep 0.05
  done
}
cleanup() {
  [ -n "$blockpid" ] && stop_group "$blockpid"
  if [ -n "$simpid" ]; then
    kill "$simpid" 2>/dev/null || true
    wait "$simpid" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

coproc SIM { exec qm314-sim; }
simpid=$SIM_PID
read -r dev <&"${SIM[0]}"
[ -e "$dev" ] || fail "no device from qm314-sim"
export QM314_COM1=$dev

# The blocks, each ending in a line "--- end of block ---".
blocks=$work/blocks
{
  sed -n '/<pre class="run">/,/<\/pre>/p' "$manual" |
    sed -e 's/<pre class="run">//' -e 's/<\/pre>/\n--- end of block ---/' \
        -e 's/&lt;/</g' -e 's/&gt;/>/g' -e 's/&quot;/"/g' -e 's/&amp;/\&/g'
  awk '/^<!-- run -->$/ { inblock = 1; started = 0; next }
       inblock && /^    / { started = 1; print substr($0, 5); next }
       inblock && started && !/^    / { print "--- end of block ---"; inblock = 0 }
       inblock && started == 0 && /^$/ { next }
       END { if (inblock && started) print "--- end of block ---" }' "$readme"
} > "$blocks"
count=$(grep -c '^--- end of block ---$' "$blocks")
[ "$count" -ge 3 ] || fail "only $count runnable blocks found"

cd "$work"
block=
n=0
while IFS= read -r line; do
  if [ "$line" != "--- end of block ---" ]; then
    block+="$line"$'\n'
    continue
  fi
  n=$((n + 1))
  # A block of its own process group, so whatever it leaves running ends with it.
  setsid bash -euo pipefail -c "$block" > "out.$n" 2>&1 < /dev/null &
  blockpid=$!
  status=0
  wait "$blockpid" || status=$?
  stop_group "$blockpid"
  blockpid=
  if [ "$status" -ne 0 ]; then
    cat "out.$n" >&2
    fail "block $n ended with status $status:"$'\n'"$block"
  fi
  block=
done < "$blocks"
echo "shown commands: $n blocks ran"
