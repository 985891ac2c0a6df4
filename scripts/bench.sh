#!/usr/bin/env bash
# Runs every benchmark program built from bench/ (in BUILD_DIR, by default
# build/), printing each one's output, then each one's last line: its ratio
# and its goal. Exits non-zero when a program is missing, fails, or does not
# end with that line.
set -uo pipefail

raiz="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${BUILD_DIR:-$raiz/build}"
# Benchmarks need no screen; the browser's sandbox refuses to run as root.
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
if ((EUID == 0)); then
    export QTWEBENGINE_DISABLE_SANDBOX=1
fi

resumen=()
fallo=0
for fuente in "$raiz"/bench/*.cpp; do
    nombre="$(basename "$fuente" .cpp)"
    programa="$build/$nombre"
    echo "== $nombre"
    if [[ ! -x "$programa" ]]; then
        echo "no está construido: $programa"
        resumen+=("$nombre: no está construido")
        fallo=1
        continue
    fi
    salida="$(mktemp)"
    "$programa" 2>&1 | tee "$salida"
    estado="${PIPESTATUS[0]}"
    ultima="$(tail -n 1 "$salida")"
    rm -f "$salida"
    if ((estado != 0)) || [[ ! "$ultima" =~ ^ratio\ [0-9.]+\ goal\ \<=\ [0-9.]+$ ]]; then
        resumen+=("$nombre: FALLO (salida $estado)")
        fallo=1
    else
        resumen+=("$nombre: $ultima")
    fi
    echo
done

echo "Resumen:"
printf '  %s\n' "${resumen[@]}"
exit "$fallo"
