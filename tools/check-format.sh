#!/usr/bin/env bash
# Fails when a C++ file of the repository is not as clang-format writes it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
mapfile -t files < <(git ls-files '*.cpp' '*.h' '*.h.in')
clang-format --dry-run --Werror "${files[@]}"
echo "clang-format: ${#files[@]} files as formatted"
