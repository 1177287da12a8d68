#!/usr/bin/env bash
# The manual pages render without a warning and document every command and
# option the programs' own help lists, so a new option cannot ship undocumented.
# qm314 is checked when its path is given (builds without the desktop program
# have none).
# Usage: man_pages_test.sh MAN_DIR QM314_CLI QM314_SIM [QM314]
set -euo pipefail
man_dir=$1
cli=$2
sim=$3
gui=${4:-}
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

for page in "$man_dir"/*.1 "$man_dir"/*.1.gz; do
  [ -e "$page" ] || continue
  warnings=$(MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null) || fail "$page does not render"
  [ -z "$warnings" ] || fail "$page renders with warnings: $warnings"
done

# The words of a page as a reader sees them, one a line.
page_words() {
  local page=$man_dir/$1.1
  [ -e "$page" ] || page=$page.gz
  MANWIDTH=200 man -l "$page" 2>/dev/null | col -b | tr -s ' \t,[]()' '\n'
}

# expect_documented PAGE WORD...
expect_documented() {
  local page=$1 words word
  shift
  words=$(page_words "$page")
  for word in "$@"; do
    grep -qxF -- "$word" <<< "$words" || fail "$page(1) does not document $word"
  done
}

# The options a program's --help lists: "-o", "--retries", "[--verify]", ...
options_of() { "$@" --help | grep -oE -- '(^|[][ ])--?[a-z][-a-z]*' | sed 's/^[][ ]//' | sort -u; }

help=$("$cli" help)
mapfile -t commands < <(sed -n 's/^  \([a-z][a-z-]*\).*/\1/p' <<< "$help")
[ ${#commands[@]} -ge 10 ] || fail "qm314-cli help lists only ${#commands[@]} commands"
mapfile -t options < <(options_of "$cli")
expect_documented qm314-cli "${commands[@]}" "${options[@]}"
documented=${#options[@]}

mapfile -t sim_options < <(options_of "$sim")
[ ${#sim_options[@]} -ge 8 ] || fail "qm314-sim --help lists only ${#sim_options[@]} options"
expect_documented qm314-sim "${sim_options[@]}"
documented=$((documented + ${#sim_options[@]}))
# The fault kinds, as the lines after "--fault KIND" write them: "silent | noise[:N] | ...".
mapfile -t faults < <("$sim" --help | sed -n '/^ *--fault KIND/,/^ *(/p' | grep -v '^ *(' |
                      sed 's/.*--fault KIND//' | tr '|' '\n' | tr -d ' ' | sed '/^$/d')
[ ${#faults[@]} -ge 9 ] || fail "qm314-sim --help lists only ${#faults[@]} fault kinds"
sim_page=$(MANWIDTH=200 man -l "$(ls "$man_dir"/qm314-sim.1*)" 2>/dev/null | col -b)
for fault in "${faults[@]}"; do
  grep -qF -- "$fault" <<< "$sim_page" || fail "qm314-sim(1) does not document the fault $fault"
done

if [ -n "$gui" ]; then
  mapfile -t gui_options < <(options_of "$gui")
  [ ${#gui_options[@]} -ge 4 ] || fail "qm314 --help lists only ${#gui_options[@]} options"
  expect_documented qm314 "${gui_options[@]}"
  documented=$((documented + ${#gui_options[@]}))
fi

[ "$failures" -eq 0 ] || exit 1
echo "manual pages: render cleanly and document ${#commands[@]} commands and $documented options"
