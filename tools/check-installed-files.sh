#!/usr/bin/env bash
# Checks that an installed tree holds every file of a list, paths relative to the install prefix:
#   tools/check-installed-files.sh PREFIX_DIR LIST_FILE
# The list has one path a line; empty lines and lines starting with '#' are skipped.
set -euo pipefail
prefix=$1
list=$2
missing=0
while IFS= read -r path; do
    [[ -z "$path" || "$path" == \#* ]] && continue
    if [[ ! -f "$prefix/$path" ]]; then
        echo "missing from the installed tree: $path" >&2
        missing=$((missing + 1))
    fi
done <"$list"
if [[ $missing -gt 0 ]]; then
    echo "$missing expected file(s) missing under $prefix" >&2
    exit 1
fi
