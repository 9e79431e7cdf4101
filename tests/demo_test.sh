#!/usr/bin/env bash
# The demo a newcomer runs first (`make demo`) must go through and say
# nothing on standard error: no failure, and no notice such as the mining
# road's fallback for a project file that names another machine's folders.
#   tests/demo_test.sh BUILD
set -uo pipefail
err=$(bash "$(dirname "$0")/../scripts/demo" "$1" 2>&1 >/dev/null)
status=$?
if [ "$status" -ne 0 ] || [ -n "$err" ]; then
  printf 'demo: status %d, standard error:\n%s\n' "$status" "$err"
  exit 1
fi
