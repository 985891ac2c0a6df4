#pragma once

#include <QString>
#include <QVariant>

// Configuration keys of TA_CONFIGURACION: read on every call, never cached.
// A missing key reads " "; a closed main connection reads "". A failed read
// shows the error routine; anything but Ignore returns "".
QString Cfg(const QString& Clave, QString& ValorAux);
QString Cfg(const QString& Clave);
// The same on the statistics database.
QString CfgCV(const QString& Clave, QString& ValorAux);
QString CfgCV(const QString& Clave);
// Adds or updates the key (stored upper-cased and trimmed); failures are
// passed over silently.
void GrabaDfg(const QString& Clave, const QVariant& Valor, const QString& ValorAux, bool PoliticaNegocio,
              const QString& Grupo, bool RecortaValor);
void GrabaCfgCV(const QString& Clave, const QVariant& Valor, const QString& ValorAux, bool PoliticaNegocio,
                const QString& Grupo, bool RecortaValor);
