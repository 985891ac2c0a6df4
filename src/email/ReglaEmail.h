#pragma once

#include <QString>
#include <QVariant>

// The columns of a mailing rule of v_ma_email that a mail takes; null when
// the rule leaves them empty.
struct ReglaEmail {
    QVariant SinConfirmacion;
    QVariant De;
    QVariant Para;
    QVariant Asunto;
    QVariant Mensaje;
};

// The first active rule (baja 0, by its key) whose codigoactivador holds the
// type anywhere in its text; false when there is none. Errors reach the
// caller.
bool BuscaReglaEmail(const QString& TC, ReglaEmail& Regla);
