#!/usr/bin/env bash
# The bash completion of qm314-cli as a user meets it at the Tab key: the
# commands, a command's options, ports, and channel data or CSV files where the
# usage line asks for them.
# Usage: completion_test.sh COMPLETION_FILE DIR_OF_QM314_CLI
set -euo pipefail
completion=$(realpath "$1")
export PATH="$(realpath "$2"):$PATH"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
touch a.int b.csv notes.txt
mkdir sub

# shellcheck source=/dev/null
source "$completion"
function=$(complete -p qm314-cli | sed -n 's/.*-F \([^ ]*\) .*/\1/p')
[ -n "$function" ] || { echo "FAIL: no completion registered for qm314-cli" >&2; exit 1; }

failures=0
# Completes the typed words (space-separated; the last is the word under the
# cursor, empty after a trailing space) and prints the offers sorted, one a line.
offers() {
  read -r -a COMP_WORDS <<< "$1"
  [[ $1 == *' ' ]] && COMP_WORDS+=("")
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  COMPREPLY=()
  "$function" 2>/dev/null || true
  [ ${#COMPREPLY[@]} -eq 0 ] || printf '%s\n' "${COMPREPLY[@]}" | sort
}
fail() {
  echo "FAIL: '$1<TAB>' offers '$(offers "$1" | tr '\n' ' ')', expected $2" >&2
  failures=$((failures + 1))
}
# expect "TYPED" "EXACTLY THESE OFFERS"
expect() {
  [ "$(offers "$1")" = "$(tr ' ' '\n' <<< "$2" | sed '/^$/d' | sort)" ] || fail "$1" "'$2'"
}
# expect_among "TYPED" "OFFERS THAT MUST BE AMONG THEM"
expect_among() {
  local missing
  missing=$(comm -13 <(offers "$1") <(tr ' ' '\n' <<< "$2" | sort))
  [ -z "$missing" ] || fail "$1" "'$2' among them"
}

expect "qm314-cli " "debug diff export help import new ports read set show write"
expect "qm314-cli s" "set show"
expect "qm314-cli show " "a.int sub"
expect "qm314-cli --" "--help --version"
expect "qm314-cli show a.int --" "--help --json --plan"
expect "qm314-cli import " "b.csv sub"
expect "qm314-cli import b.csv " "a.int sub"
expect "qm314-cli export a.int -o " "b.csv sub"
expect "qm314-cli export a.int --format " "grid-csv radio-csv"
expect "qm314-cli export a.int --format r" "radio-csv"
expect "qm314-cli set a.int sq" "squelch="
expect "qm314-cli write --verify COM1 " "a.int sub"
expect "qm314-cli write --retries 2 COM1 " "a.int sub"
# bash hands "--retries=2" over as three words.
expect "qm314-cli write --retries = 2 COM1 " "a.int sub"
expect "qm314-cli write COM1 a.int --backup = " "a.int sub"
expect "qm314-cli write COM1 a.int --" "--backup --clone-word --force --help --log --repeat --retries --verify --wait-for-radio"
expect "qm314-cli write COM1 a.int --log " "b.csv sub"
# Several ports, separated by commas: the one after the last comma completes.
expect_among "qm314-cli write COM1,CO" "COM1,COM2 COM1,COM3 COM1,COM4"
expect "qm314-cli write COM1,COM2 " "a.int sub"
expect "qm314-cli write COM1 a.int --backup " "a.int sub"
expect "qm314-cli write COM1 a.int --retries " ""
# A port name may point at any device; ports lists it, and so does the completion.
QM314_COM2=/dev/null expect_among "qm314-cli read " "/dev/null COM1 COM2 COM3 COM4"
expect "qm314-cli read COM1 -o " "a.int sub"
expect "qm314-cli diff a.int a.int " ""

[ "$failures" -eq 0 ] || exit 1
echo "completion: all cases offered what they should"
