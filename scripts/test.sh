#!/usr/bin/env bash
# Sets up, then runs every test twice: a normal build in build/ and a build
# with AddressSanitizer and UndefinedBehaviorSanitizer in build-asan/.
# Exits non-zero when anything fails.
set -euo pipefail

raiz="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$raiz/scripts/setup.sh"

# Tests scan from SANE's test device only, which needs no hardware.
sane="$(mktemp -d)"
trap 'rm -rf "$sane"' EXIT
echo test >"$sane/dll.conf"
printf 'read-delay true\nread-delay-duration 1000\n' >"$sane/test.conf"
export SANE_CONFIG_DIR="$sane"
export QT_QPA_PLATFORM=offscreen
export QTWEBENGINE_DISABLE_SANDBOX=1

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

# The sanitizers also watch the test discovery that runs during the build.
# The browser engine frees some objects through a base of another size, which
# AddressSanitizer would stop on inside Qt's library: that one check is off.
# Allocation stacks are unwound in full so that the leaks of library threads
# reach the suppression in lsan.supp.
export ASAN_OPTIONS="detect_leaks=1:new_delete_type_mismatch=0:fast_unwind_on_malloc=0:strict_string_checks=1:detect_stack_use_after_return=1"
export LSAN_OPTIONS="suppressions=$raiz/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
cmake -S "$raiz" -B "$raiz/build-asan" -DESCANEO_WERROR=ON -DESCANEO_SANITIZE=ON
cmake --build "$raiz/build-asan" -j"$(nproc)"
prueba "$raiz/build-asan" "sanitizers"

echo
echo "Resumen de CTest:"
printf '  %s\n' "${resumen[@]}"
exit "$fallo"
