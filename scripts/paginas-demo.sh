#!/usr/bin/env bash
# Draws a small page for every file that a demo register row names and the
# scan folder lacks (withdrawn rows aside), so every demo page shows its
# picture: a sheet with a coloured heading and lines of "text".
# Arguments: the build folder, the demo database, the scan folder.
set -euo pipefail

construccion="$1" base="$2" carpeta="$3"

mapfile -t nombres < <(sqlite3 -cmd ".load $construccion/libescaneo_sqlite" "$base" \
    "SELECT DISTINCT NombreArchivo FROM CTROL_ESCANEO WHERE COALESCE(Eliminado, 0) = 0")

n=0
for nombre in "${nombres[@]}"; do
    n=$((n + 1))
    [[ -e "$carpeta/$nombre" ]] && continue
    awk -v tono="$n" 'BEGIN {
        ancho = 170; alto = 240
        print "P3", ancho, alto, 255
        r = 60 + (tono * 70) % 160; g = 90 + (tono * 40) % 140; b = 200 - (tono * 30) % 120
        for (y = 0; y < alto; y++) {
            linea = ""
            for (x = 0; x < ancho; x++) {
                if (y >= 12 && y < 40 && x >= 12 && x < ancho - 12)
                    pixel = r " " g " " b
                else if (y >= 56 && y < alto - 20 && (y - 56) % 14 < 5 && x >= 16 &&
                         x < ancho - 16 - (int((y - 56) / 14) * 37 + tono * 11) % 60)
                    pixel = "70 70 70"
                else
                    pixel = "250 248 240"
                linea = linea pixel " "
            }
            print linea
        }
    }' | cjpeg -quality 80 >"$carpeta/$nombre"
done
