#!/usr/bin/env bash
# Runs a test program under valgrind memcheck. Fails when the test fails or when memcheck saw
# a read or write of memory that is not the program's (freed or out of bounds) or a bad free.
# Other reports (uninitialised values inside the libraries' JIT code) are left alone.
#   memcheck.sh TEST [ARGS...]
set -uo pipefail
log="$(mktemp)"
trap 'rm -f "$log"' EXIT
valgrind --tool=memcheck --log-file="$log" "$@"
status=$?
! grep -A25 -E "Invalid (read|write|free)|Mismatched free" "$log" >&2 || exit 1
exit $status
