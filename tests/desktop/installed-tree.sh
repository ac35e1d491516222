#!/usr/bin/env bash
# Installs the build into a temporary prefix, checks that every expected file is there, then has
# a MIME database built from that install alone tell question files from other files.
#
# usage: installed-tree.sh BUILD_DIR EXPECTED_FILES_LIST QuestionFileTypeTest
set -euo pipefail
build=$1
expected=$2
probe=$3
here=$(cd "$(dirname "$0")" && pwd)

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
prefix=$tmp/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
"$here/../../tools/check-installed-files.sh" "$prefix" "$expected"

update-mime-database "$prefix/share/mime"
# An empty data home keeps the user's own MIME definitions out of the answer.
XDG_DATA_HOME=$tmp/data-home XDG_DATA_DIRS=$prefix/share "$probe"
