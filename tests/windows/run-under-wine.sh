#!/bin/sh
# Runs a Windows program under Wine, in a Wine prefix of its own.
#
#   run-under-wine.sh <prefix-dir> <program.exe> [arguments...]
#
# The prefix is created on first use (one creator at a time, so that parallel test runs can
# share it). A missing Wine is an error, never a silent skip.
set -eu

if [ "$#" -lt 2 ]; then
  echo "usage: $0 <prefix-dir> <program.exe> [arguments...]" >&2
  exit 2
fi
prefix=$1
shift

wine=""
for candidate in wine64 /usr/lib/wine/wine64 wine; do
  if command -v "$candidate" >/dev/null 2>&1; then
    wine=$(command -v "$candidate")
    break
  fi
done
if [ -z "$wine" ]; then
  echo "$0: Wine is not installed (Debian package wine64); cannot run $1" >&2
  exit 127
fi

WINEPREFIX=$prefix
WINEDEBUG=-all
# No Mono or Gecko installers: the programs here are plain console programs.
WINEDLLOVERRIDES="mscoree,mshtml="
export WINEPREFIX WINEDEBUG WINEDLLOVERRIDES

wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver64)

if [ ! -f "$prefix/system.reg" ]; then
  mkdir -p "$prefix"
  (
    if command -v flock >/dev/null 2>&1; then flock 9; fi
    if [ ! -f "$prefix/system.reg" ]; then
      "$wine" wineboot --init >/dev/null 2>&1 || true
      "$wineserver" --wait 2>/dev/null || true
    fi
  ) 9>"$prefix.lock"
fi

# A server that outlives each program by 30 seconds. A server started on demand ends as soon
# as its last program does, and a program that connects while it is ending fails with
# "recvmsg: Connection reset by peer"; one long-lived server serves the whole test run.
# When a server is running already this returns at once.
"$wineserver" -p30 >/dev/null 2>&1 || true

# Now and then Wine ends a program before it starts, with exit code 1 and no output at all
# (no test program and no run of keyloom.exe ends like that). Such a start is tried again;
# the output is held until the program ends so that a retried start shows nothing twice.
out=$(mktemp)
err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
attempt=1
while :; do
  rc=0
  "$wine" "$@" >"$out" 2>"$err" || rc=$?
  if [ "$rc" -eq 0 ] || [ -s "$out" ] || [ -s "$err" ] || [ "$attempt" -ge 3 ]; then
    break
  fi
  echo "$0: Wine ended $1 with exit code $rc and no output; starting it again" >&2
  attempt=$((attempt + 1))
done
cat "$out"
cat "$err" >&2
exit "$rc"
