#!/usr/bin/env bash
# The command line speaks the chosen language or the system's, Qt's own words included.
# Argument: the program.
set -uo pipefail
program=$1
fail=0
expect() {  # what, expected exit status, text the output must hold, command...
  local what=$1 status=$2 text=$3
  shift 3
  local out
  out=$("$@" 2>&1)
  local got=$?
  if [ "$got" != "$status" ] || ! grep -qF -- "$text" <<<"$out"; then
    echo "FAIL $what: status $got, output:"; echo "$out"; fail=1
  fi
}
expect "help in German" 0 "Aufruf:" env LANG=de_DE.UTF-8 LC_ALL= "$program" --help
expect "help in English" 0 "Usage:" env LANG=de_DE.UTF-8 LC_ALL= "$program" --help --lang en
expect "unknown language, English system" 2 "unknown language" \
  env LANG=en_US.UTF-8 LC_ALL= "$program" --lang fr
expect "unknown language, German system" 2 "Unbekannte Sprache" \
  env LANG=de_DE.UTF-8 LC_ALL= "$program" --lang fr
[ "$fail" = 0 ] && echo "The command line speaks the chosen language."
exit "$fail"
