# The Debian packages the program, its demo and its tests need, and their
# installation; sourced by setup.sh.

paquetes=(
    g++ cmake ninja-build
    libgtest-dev libgmock-dev libbenchmark-dev
    qt6-base-dev qt6-webengine-dev qt6-qpa-plugins libfontconfig-dev qt6-translations-l10n
    qt6-pdf-dev libxlsxwriter-dev cups printer-driver-cups-pdf poppler-utils
    libsqlite3-dev sqlite3
    unixodbc-dev tdsodbc libsqliteodbc
    libsane-dev sane-utils
    libturbojpeg0-dev libjpeg-turbo-progs
    libcurl4-openssl-dev
    python3-aiosmtpd openssl
    xvfb xauth
    uidmap
)

# Prints the named packages that are not installed, one a line. One question
# to dpkg for all of them: a start with everything in place costs nothing.
paquetes_faltantes() {
    { dpkg-query -W -f='${Package} ${Status}\n' "$@" 2>/dev/null || true; } |
        awk -v pedidos="$*" '
            $NF == "installed" && $(NF-1) == "ok" { sub(/:.*/, "", $1); hay[$1] = 1 }
            END { n = split(pedidos, p, " "); for (i = 1; i <= n; i++) if (!(p[i] in hay)) print p[i] }'
}

# Installs the missing ones; the package manager runs only when one is.
instala_paquetes() {
    local faltan
    mapfile -t faltan < <(paquetes_faltantes "$@")
    ((${#faltan[@]})) || return 0
    echo "Instalando: ${faltan[*]}"
    local como=()
    if ((EUID != 0)); then
        if ! command -v sudo >/dev/null; then
            echo "Faltan paquetes (${faltan[*]}) y no hay sudo: instalelos como root." >&2
            return 1
        fi
        como=(sudo)
    fi
    "${como[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update
    "${como[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y "${faltan[@]}"
}
