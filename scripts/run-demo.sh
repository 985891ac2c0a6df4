#!/usr/bin/env bash
# Sets up and builds what the program needs, creates the demo database when
# missing, and starts the program on it with the command line the suite's
# menu would pass.
set -euo pipefail

raiz="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# The program brings its plugins; the report layouts come with the
# configuration; the database tool and the sqlite3 shell's extension make
# the demo's files.
bash "$raiz/scripts/setup.sh" escaneo creabase escaneo_sqlite

demo="$raiz/build/demo"
escaneos="$demo/SCAN/"
mkdir -p "$escaneos" "$demo/sane"

if [[ ! -f "$demo/escaneo.db" ]]; then
    # The scan folder must be absolute for the voucher pages' image links; it
    # goes in through a script of its own because only the engine knows the
    # collation of the settings table.
    carpeta="${escaneos//\'/\'\'}"
    ubicacion="$demo/ubicacion.sql"
    cat >"$ubicacion" <<SQL
UPDATE TA_CONFIGURACION SET Valor = '$carpeta' WHERE Clave = 'RUTA_ESCANEO';
UPDATE CTROL_ESCANEO SET RutaArchivo = '$carpeta' WHERE RutaArchivo = 'SCAN/';
SQL
    estado=0
    "$raiz/build/creabase" "$demo/escaneo.db" \
        "$raiz/db/schema.sql" "$raiz/db/demo.sql" "$ubicacion" || estado=$?
    rm -f "$ubicacion"
    ((estado == 0)) || exit "$estado"
    # The scanned pages the demo vouchers' register rows name.
    cp -n "$raiz"/db/imagenes/*.jpg "$escaneos"
    bash "$raiz/scripts/paginas-demo.sh" "$raiz/build" "$demo/escaneo.db" "$escaneos"
fi

# The upload batch's requests, its share, and the scans as its source.
if [[ ! -f "$demo/subida.db" ]]; then
    "$raiz/build/creabase" "$demo/subida.db" "$raiz/db/subida.sql"
fi
mkdir -p "$demo/subidas"
export ESCANEO_SUBIDA_BASE="$demo/subida.db"
export ESCANEO_SUBIDA_CARPETA="$demo/subidas/"
export ESCANEO_SUBIDA_ORIGEN="$escaneos"

# Only SANE's test device, which needs no hardware.
echo test >"$demo/sane/dll.conf"
# A short pause per block keeps the test backend's reader thread from
# deadlocking when a scan is cancelled; the colour bars show a page that is
# visibly a scan.
printf 'read-delay true\nread-delay-duration 1000\ntest-picture "Color pattern"\n' >"$demo/sane/test.conf"
export SANE_CONFIG_DIR="$demo/sane"
export ESCANEO_SCANNER=test
# The browser's sandbox refuses to run as root.
if ((EUID == 0)); then
    export QTWEBENGINE_DISABLE_SANDBOX=1
fi

cd "$demo"
exec ../escaneo "@Server=sqlite;@DbName=escaneo.db;@Usuario=demo;@Password=demo;@UsuarioLogeado=demo;@Menu=ESCANEO;@Caja=1;@ParametroAdicional=Opcion:Cuenta,Cpte,Accion|;"
