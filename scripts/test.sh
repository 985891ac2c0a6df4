#!/usr/bin/env bash
# Sets up, then runs every test twice: a normal build in build/ and a build
# with AddressSanitizer and UndefinedBehaviorSanitizer in build-asan/. Each
# build's CTest gives the tests their environment (offscreen platform, SANE's
# test device, the sanitizers' options). With --solo-normal only the normal
# build's. Exits non-zero when anything fails.
set -euo pipefail

raiz="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$raiz/scripts/setup.sh"

resumen=()
fallo=0

# Runs the tests of one build directory and keeps CTest's summary line.
prueba() {
    local dir="$1" nombre="$2" salida estado
    salida="$(mktemp)"
    set +e
    ctest --test-dir "$dir" --output-on-failure -j4 --timeout 300 2>&1 | tee "$salida"
    estado="${PIPESTATUS[0]}"
    set -e
    resumen+=("$nombre: $(grep -E 'tests passed|No tests were found' "$salida" | tail -1)")
    rm -f "$salida"
    if ((estado != 0)); then
        resumen+=("$nombre: FALLO (ctest $estado)")
        fallo=1
    fi
}

prueba "$raiz/build" "normal"

if [[ "${1:-}" != --solo-normal ]]; then
    cmake -S "$raiz" -B "$raiz/build-asan" -DESCANEO_WERROR=ON -DESCANEO_SANITIZE=ON
    cmake --build "$raiz/build-asan" -j"$(nproc)"
    prueba "$raiz/build-asan" "sanitizers"
fi

echo
echo "Resumen de CTest:"
printf '  %s\n' "${resumen[@]}"
exit "$fallo"
