#!/usr/bin/env bash
# The channel plan sheet of a file with every kind of tone and empty rows:
# qm314-cli show --plan gives its lines, qm314 --print-plan puts the same
# lines on one PDF page.
# Arguments: the qm314 program, the qm314-cli program, this test's folder.
set -euo pipefail
qm314=$1
cli=$2
here=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
# The sheet says when it was printed: a fixed moment, read in UTC.
export SOURCE_DATE_EPOCH=1710408360 TZ=UTC

fail() { echo "FAIL: $*" >&2; exit 1; }

"$cli" new blank.int
"$cli" import "$here/plan.csv" blank.int -o "events team.int"
"$cli" set "events team.int" tot=60s squelch=2 moni="Monitor Lock"

"$cli" show "events team.int" --plan >plan.txt
cat >expected.txt <<'TEXT'
Channel plan: events team.int
Radio: Trevna QM-314
Printed: 2024-03-14 09:26

Knob  Channel             Tone              Scan list  Notes
1     01 - 446.00625 MHz  no tone           yes
2     03 - 446.03125 MHz  CTCSS 88.5 Hz     yes
4     08 - 446.09375 MHz  CTCSS 25.0 Hz     no
5     02 - 446.01875 MHz  CTCSS 69.3 Hz     yes
7     05 - 446.05625 MHz  DCS 023 normal    yes
8     06 - 446.06875 MHz  DCS 754 inverted  no
16    04 - 446.04375 MHz  CTCSS 250.3 Hz    yes

Radio settings
Time-out timer:  60 seconds
Squelch level:   2
Power:           500 mW
Warning:         on
Scan switch:     off
Monitor key:     monitor until pressed again
TEXT
diff -u expected.txt plan.txt || fail "show --plan differs"

"$cli" show "events team.int" --plan --json >plan.json
grep -qF '{"row": 8, "channel": "06 - 446.06875 MHz", "tone": "DCS 754 inverted", "scan": "no"}' plan.json ||
  fail "show --plan --json: $(cat plan.json)"

"$qm314" --print-plan "events team.int" --pdf plan.pdf || fail "printing the plan to a PDF failed"
pages=$(pdfinfo plan.pdf | awk '/^Pages:/ {print $2}')
[ "$pages" = 1 ] || fail "expected one page, got $pages"
# Word by word, as a reader would see the page, against the text's lines.
words() { tr -d '\f' | tr -s ' ' | sed -e 's/^ //' -e 's/ $//' -e '/^$/d'; }
pdftotext -layout plan.pdf - | words >pdf.txt
words <plan.txt >txt.txt
diff -u txt.txt pdf.txt || fail "the page's text differs from show --plan"

status=0
"$qm314" --print-plan 2>err.txt || status=$?
[ "$status" = 2 ] && grep -qF "Usage: qm314 --print-plan FILE.int [--pdf OUT.pdf]" err.txt ||
  fail "--print-plan without a file ended with $status: $(cat err.txt)"
echo "channel plan: ok"
