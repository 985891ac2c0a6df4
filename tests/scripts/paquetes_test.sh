#!/usr/bin/env bash
# The set-up's package step on this machine's real dpkg database, with the
# package manager and sudo replaced by stand-ins that note each call: with
# every package installed it never calls them; with one missing it installs
# just that one.
set -uo pipefail

paquetes_sh="$1"
command -v dpkg-query >/dev/null || { echo "FALLA: falta dpkg-query (paquete dpkg)" >&2; exit 1; }
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
mkdir "$tmp/bin"
for orden in apt-get sudo; do
    printf '#!/bin/sh\necho %s "$@" >>"%s/llamadas"\n' "$orden" "$tmp" >"$tmp/bin/$orden"
done
chmod +x "$tmp/bin"/*

fallos=0
# Runs the step on the packages given; compares the stand-ins' calls.
caso() {
    local nombre="$1" esperado="$2"
    shift 2
    rm -f "$tmp/llamadas"
    PATH="$tmp/bin:$PATH" bash -c 'source "$1"; shift; instala_paquetes "$@"' _ "$paquetes_sh" "$@" >/dev/null
    local llamadas
    llamadas="$(grep -o 'install -y.*' "$tmp/llamadas" 2>/dev/null)"
    if [[ "$llamadas" != "$esperado" ]]; then
        echo "FALLA: $nombre: se esperaba '$esperado', hubo '$llamadas'" >&2
        fallos=1
    fi
}

instalados=(bash dpkg coreutils)
caso "todo instalado" "" "${instalados[@]}"
caso "uno falta" "install -y paquete-que-no-existe" "${instalados[@]}" paquete-que-no-existe
exit "$fallos"
