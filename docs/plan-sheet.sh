#!/usr/bin/env bash
# Takes docs/channel-plan.png: the channel plan sheet of a file with all 16
# rows set, printed by qm314 --print-plan to a PDF and rendered as the
# page looks.  Needs no display.
# Usage: docs/plan-sheet.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
export QT_QPA_PLATFORM=offscreen
# The sheet says when it was printed: a moment of our choosing, so the picture
# only changes when the sheet does.
export SOURCE_DATE_EPOCH=1767254400 TZ=UTC

cat > "$dir/rows.csv" <<'CSV'
CH,Channel,Tones,BCLO,Scan
1,01,Off,Off,Add
2,02,08,Off,Add
3,03,12,Carrier,Add
4,04,D023N,QT/DQT,Add
5,05,D754I,Off,Add
6,06,69.3,Off,Delete
7,07,01,Off,Add
8,08,Off,Off,Delete
9,01,D125N,Off,Add
10,02,20,Off,Add
11,03,D411I,Off,Add
12,04,159.8,Off,Delete
13,05,33,Carrier,Add
14,06,Off,Off,Add
15,07,D565N,Off,Add
16,08,05,Off,Delete
CSV
plan="$dir/Summer fair 2026.int"
"$build/cli/qm314-cli" new "$plan"
"$build/cli/qm314-cli" import "$dir/rows.csv" "$plan"
"$build/cli/qm314-cli" set "$plan" tot=60s squelch=3 moni="Monitor Lock"
"$build/desktop/app/qm314" --print-plan "$plan" --pdf "$dir/plan.pdf"
pdftoppm -png -r 72 -singlefile "$dir/plan.pdf" docs/channel-plan
