#!/usr/bin/env bash
# Installs the Debian packages the program and its tests need (only those
# missing), configures build/ when it is not configured yet, and builds the
# targets named as arguments there, everything (the tests too) when none is.
set -euo pipefail

raiz="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$raiz/scripts/paquetes.sh"
instala_paquetes "${paquetes[@]}"

# A configured tree re-runs CMake by itself when a build file changes.
if [[ ! -f "$raiz/build/CMakeCache.txt" ]]; then
    cmake -S "$raiz" -B "$raiz/build" -G Ninja -DESCANEO_WERROR=ON
fi
objetivos=()
for objetivo in "$@"; do
    objetivos+=(--target "$objetivo")
done
cmake --build "$raiz/build" -j"$(nproc)" "${objetivos[@]}"
