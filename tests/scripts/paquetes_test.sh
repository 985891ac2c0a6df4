#!/usr/bin/env bash
# The set-up's package step on this machine's dpkg database, apt-get and sudo
# replaced by stand-ins that note their calls: with every package installed
# it calls neither; with one missing it installs just that one.
set -uo pipefail

tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
mkdir "$tmp/bin"
for orden in apt-get sudo; do
    printf '#!/bin/sh\necho "$@" >>"%s/llamadas"\n' "$tmp" >"$tmp/bin/$orden"
    chmod +x "$tmp/bin/$orden"
done
fallos=0
for caso in ":bash dpkg" "install -y no-existe:bash dpkg no-existe"; do
    rm -f "$tmp/llamadas"
    PATH="$tmp/bin:$PATH" bash -c 'source "$1"; instala_paquetes $2' _ "$1" "${caso#*:}" >/dev/null
    hubo="$(grep -o 'install -y.*' "$tmp/llamadas" 2>/dev/null)"
    [[ "$hubo" == "${caso%%:*}" ]] || { echo "FALLA: ${caso#*:}: se esperaba '${caso%%:*}', hubo '$hubo'" >&2; fallos=1; }
done
exit "$fallos"
