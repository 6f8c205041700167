#!/usr/bin/env bash
# Builds the Debian package from the release build, installs it into this machine, checks
# that the program and its man page are found, and removes it again.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}

rm -f "$build"/keyloom_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/keyloom_*.deb)
echo "package: $deb"
dpkg-deb --contents "$deb"

if dpkg-query -W keyloom >/dev/null 2>&1; then dpkg -r keyloom >/dev/null; fi
dpkg -i "$deb"
trap 'dpkg -r keyloom >/dev/null' EXIT

installed=$(command -v keyloom)
[ "$installed" = /usr/bin/keyloom ] || { echo "keyloom found at '$installed'" >&2; exit 1; }
status=0
(cd / && keyloom -info) || status=$?
[ "$status" -eq 99 ] || { echo "keyloom -info exited with $status" >&2; exit 1; }
man -w keyloom
[ -f /usr/share/bash-completion/completions/keyloom ]
echo "package check passed"
