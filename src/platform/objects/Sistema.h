#pragma once

#include "platform/base/Rutas.h"

#include <QString>

// Workstation identity and the program's surroundings.
class Sistema {
public:
    QString NombreMaquina() const;
    QString UsuarioWindows() const;
    // This user's own temporary folder (CarpetaTemporalPropia).
    QString CarpetaTemporal() const;
    // Opens the file with the program associated with its type (xdg-open);
    // returns 33 when started and 2 when the file is missing or the opener
    // cannot start; callers test above 32. Surrounding quotes are dropped.
    long AbreConProgramaAsociado(long ventana, const QString& verbo, const QString& archivo,
                                 const QString& parametros, const QString& carpeta, int estilo) const;
    // The folder of the program's own file, without a trailing "/".
    QString CarpetaPrograma() const;
    // The program's file name without extension.
    QString NombreEjecutable() const;
};
