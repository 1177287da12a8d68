#!/usr/bin/env bash
# qm314 --print FILE --pdf OUT: one page whose text reads as the report, the
# table's columns aligned; and the failures: usage, missing or short file,
# no printer.
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

fail() { echo "FAIL: $*" >&2; exit 1; }

"$cli" new blank.int
"$cli" import "$here/channels.csv" blank.int -o radio.int
"$cli" set radio.int tot=300s warning=Disable squelch=7 scan_switch=On moni="Monitor  Momentary"

"$qm314" --print radio.int --pdf report.pdf || fail "printing to a PDF failed"
pages=$(pdfinfo report.pdf | awk '/^Pages:/ {print $2}')
[ "$pages" = 1 ] || fail "expected one page, got $pages"

# Word by word, as a reader would see the page.
pdftotext -layout report.pdf - | tr -d '\f' | tr -s ' ' | sed -e 's/^ //' -e 's/ $//' -e '/^$/d' >text.txt
cat >expected.txt <<'TEXT'
The Radio Settings
Function Setting:
Type: Trevna QM-314
Field: PMR 446 BAND
TOT: 300s
Warning: Disable
Power: 500mw
Squelch Level: 7
Scan Switch: On
Moni: Monitor Momentary
Channel Setting:
CH Channel Tones Scan
1 01 Add
2 02 12 Add
4 04 D023N Delete
5 05 69.3 Add
7 07 D754I Add
8 08 38 Delete
10 03 Add
16 06 25 Add
TEXT
diff -u expected.txt text.txt || fail "the page's text differs from the report"

# Every word of the table, from the header line down, starts on one of the
# four column edges.
columns=$(pdftotext -bbox report.pdf - | awk -F'"' '
  /<word / { text = $0; sub(/.*">/, "", text); sub(/<.*/, "", text)
             n++; x[n] = $2; y[n] = $4; if (text == "CH") top = $4 }
  END { for (i = 1; i <= n; i++) if (y[i] >= top) printf "%.1f\n", x[i] }' | sort -u | wc -l)
[ "$columns" = 4 ] || fail "table words start at $columns different places, not 4"

# Failures: a clear message, a non-zero status, no file.
expect_failure() {
  local status=$1 message=$2
  shift 2
  local actual=0
  "$@" 2>err.txt || actual=$?
  [ "$actual" = "$status" ] || fail "$* ended with $actual, not $status"
  grep -qF -- "$message" err.txt || fail "$* said: $(cat err.txt)"
}
expect_failure 2 "Usage: qm314 --print FILE.int [--pdf OUT.pdf]" "$qm314" --print
expect_failure 2 "Usage: qm314 --print FILE.int [--pdf OUT.pdf]" "$qm314" --pdf x.pdf
expect_failure 2 "Usage: qm314 --print FILE.int [--pdf OUT.pdf]" "$qm314" --print radio.int --pdf
expect_failure 2 "missing.int" "$qm314" --print missing.int --pdf missing.pdf
head -c 1000 radio.int >short.int
expect_failure 2 "short.int" "$qm314" --print short.int --pdf short.pdf
[ ! -e missing.pdf ] && [ ! -e short.pdf ] || fail "a PDF was written for a file that failed"
expect_failure 1 "Cannot write $work/no/such/dir/out.pdf" "$qm314" --print radio.int --pdf "$work/no/such/dir/out.pdf"
# A print server that is not there offers no printer.
CUPS_SERVER=$work/no-cups-here expect_failure 1 "No printer is installed; nothing was printed." \
  "$qm314" --print radio.int
echo "print to PDF: ok"
