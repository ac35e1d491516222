#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless; ends with a summary line.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/install-deps.sh"
"$root/tools/build.sh" build
log=$(mktemp)
trap 'rm -f "$log"' EXIT
status=0
ctest --test-dir "$root/build" --output-on-failure -j2 2>&1 | tee "$log" || status=$?
summary=$(grep -E 'tests passed, [0-9]+ tests? failed out of' "$log" | tail -n 1 || true)
echo "SUMMARY: ${summary:-no test ran}"
exit $status
