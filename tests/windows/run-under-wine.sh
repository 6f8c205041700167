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

if [ ! -f "$prefix/system.reg" ]; then
  mkdir -p "$prefix"
  (
    if command -v flock >/dev/null 2>&1; then flock 9; fi
    if [ ! -f "$prefix/system.reg" ]; then
      "$wine" wineboot --init >/dev/null 2>&1 || true
      wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver64)
      "$wineserver" --wait 2>/dev/null || true
    fi
  ) 9>"$prefix.lock"
fi

exec "$wine" "$@"
