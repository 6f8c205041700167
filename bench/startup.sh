#!/usr/bin/env bash
# Start-up cost of the program against /bin/true and pwgen, measured with hyperfine.
# Usage: bench/startup.sh [path-to-keyloom]   (default: build/release/keyloom)
set -euo pipefail
keyloom=${1:-build/release/keyloom}
for tool in hyperfine pwgen; do
  command -v "$tool" >/dev/null || { echo "needs $tool (apt-get install $tool)" >&2; exit 1; }
done
export LC_ALL=C.UTF-8
json=$(mktemp)
trap 'rm -f "$json"' EXIT
hyperfine -N --warmup 50 --runs "${RUNS:-1000}" --export-json "$json" --output=null \
  "$keyloom" "$keyloom 4096 -v -\$:SHA3_512" "$keyloom -q -s -p" /bin/true "pwgen -s 16 1" >&2
python3 - "$json" <<'PY'
import json, sys
results = json.load(open(sys.argv[1]))["results"]
base = next(r["mean"] for r in results if r["command"] == "/bin/true")
print(f"{'command':40} {'mean (ms)':>10} {'vs /bin/true':>13}")
for r in results:
    print(f"{r['command']:40} {r['mean'] * 1000:10.3f} {r['mean'] / base:13.2f}")
PY
