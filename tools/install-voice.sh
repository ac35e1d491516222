#!/usr/bin/env bash
# Installs the speech synthesiser's voice, which Debian carries in contrib, not in main: adds a
# sources entry of its own for bookworm contrib (signed by the same Debian archive keyring as the
# main sources), then installs the voice. Kept apart from install-deps.sh because it widens the
# machine's package sources; the tests that need the voice are skipped without it.
set -euo pipefail
voice=hts-voice-nitech-jp-atr503-m001
status=$(dpkg-query -W -f='${Status}' "$voice" 2>/dev/null || true)
[[ "$status" == "install ok installed" ]] && exit 0

sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)
entry=/etc/apt/sources.list.d/debian-contrib.sources
if [[ ! -e "$entry" ]]; then
    "${sudo[@]}" tee "$entry" >/dev/null <<'SOURCES'
Types: deb
URIs: http://deb.debian.org/debian
Suites: bookworm
Components: contrib
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SOURCES
fi
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "$voice"
