#pragma once

#include "platform/base/GuardaErrores.h"

#include <QByteArray>
#include <QString>

#include <functional>

// A page under construction: its lines, in the code page and ended by CR LF,
// kept until the page is saved in one piece. The file on disk is therefore
// never half of a page: it is the whole page, or the whole part written
// before the operator chose to leave.
class PaginaHtml {
public:
    // One line; characters outside the code page become "&#N;".
    void Linea(QStringView texto);
    // The start of a line that `Linea` ends.
    void Agrega(QStringView texto);

    // Runs one section of the page under the writers' error handler: the
    // error dialog with the routine "Generar". Retry runs the failed section
    // again, Ignore goes on with the next one, anything else leaves the page
    // (this and every later section is skipped). A failed section leaves no
    // half of itself behind. False once the page has been left.
    bool Seccion(const std::function<void()>& escribe);

    // Saves what the page holds to the file, under the same handler. True
    // when the file was written.
    bool Guarda(const QString& ruta);

private:
    QByteArray bytes_;
    GuardaErrores guarda_{PoliticaGenerar()};

    static Politica PoliticaGenerar();
};
