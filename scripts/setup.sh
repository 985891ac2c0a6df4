#!/usr/bin/env bash
# Installs the Debian packages the program and its tests need (only those
# missing), then configures and builds the program and its tests in build/.
set -euo pipefail

raiz="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

paquetes=(
    g++ cmake
    libgtest-dev libgmock-dev libbenchmark-dev
    qt6-base-dev qt6-webengine-dev qt6-qpa-plugins libfontconfig-dev
    qt6-pdf-dev libxlsxwriter-dev cups printer-driver-cups-pdf poppler-utils
    libsqlite3-dev sqlite3
    unixodbc-dev tdsodbc libsqliteodbc
    libsane-dev sane-utils
    libturbojpeg0-dev libjpeg-turbo-progs
    libcurl4-openssl-dev
    python3-aiosmtpd openssl
    xvfb xauth
)

instalado() {
    dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'
}

faltan=()
for p in "${paquetes[@]}"; do
    instalado "$p" || faltan+=("$p")
done

if ((${#faltan[@]})); then
    echo "Instalando: ${faltan[*]}"
    if ((EUID == 0)); then
        como=()
    elif command -v sudo >/dev/null; then
        como=(sudo)
    else
        echo "Faltan paquetes (${faltan[*]}) y no hay sudo: instalelos como root." >&2
        exit 1
    fi
    "${como[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update
    "${como[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y "${faltan[@]}"
fi

cmake -S "$raiz" -B "$raiz/build" -DESCANEO_WERROR=ON
cmake --build "$raiz/build" -j"$(nproc)"
