#!/usr/bin/env bash
# For root (CI): the normal build and its tests once more as a user who is
# not root, in a copy of the source tree in that user's home, so that a test
# that passes only for root cannot pass unseen. The user is made when
# missing; the copy goes at the end. Exits non-zero when anything fails.
set -euo pipefail

raiz="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
usuario=escaneo-prueba
# Debian's useradd gives it subordinate ids too, which the tests run as root
# of a user namespace map so that they can become other users.
id "$usuario" >/dev/null 2>&1 || useradd -m -s /bin/bash "$usuario"
casa="$(getent passwd "$usuario" | cut -d: -f6)"
copia="$(runuser -u "$usuario" -- mktemp -d "$casa/escaneo.XXXXXX")"
trap 'rm -rf "$copia"' EXIT
tar -C "$raiz" --exclude=./.git --exclude=./build --exclude='./build-*' -cf - . |
    runuser -u "$usuario" -- tar -C "$copia" -xf -
# A login's environment: no sbin on PATH, none of root's temporary folders,
# nor its working folder, which others may not enter.
cd "$copia"
runuser -u "$usuario" -- env -i HOME="$casa" USER="$usuario" LOGNAME="$usuario" SHELL=/bin/bash \
    PATH=/usr/local/bin:/usr/bin:/bin LANG="${LANG:-C.UTF-8}" bash "$copia/scripts/test.sh" --solo-normal
