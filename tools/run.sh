#!/usr/bin/env bash
# Installs what is missing, builds, and starts Tazune on the bundled sample question file.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/install-deps.sh"
# Only what is started: the tests and benchmarks wait for tools/test.sh.
"$root/tools/build.sh" build -- tazune tazune-sample-data tazune-help
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" && -z "${QT_QPA_PLATFORM:-}" ]]; then
    echo "Tazune is built ($root/build/src/app/tazune) but cannot open its window:" >&2
    echo "no graphical display here (neither DISPLAY nor WAYLAND_DISPLAY is set)." >&2
    echo "Run this command from a desktop session, or e.g. under xvfb-run." >&2
    exit 2
fi
exec "$root/build/src/app/tazune" "$root/build/data/sample.DAT"
