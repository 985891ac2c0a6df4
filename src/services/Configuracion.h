#pragma once

#include <QString>
#include <QVariant>

// Configuration keys of TA_CONFIGURACION: read on every call, never cached.
// A missing key reads " "; a closed main connection reads "".
QString Cfg(const QString& Clave, QString& ValorAux);
QString Cfg(const QString& Clave);
QString CfgCV(const QString& Clave, QString& ValorAux);
QString CfgCV(const QString& Clave);
void GrabaDfg(const QString& Clave, const QVariant& Valor, const QString& ValorAux, bool PoliticaNegocio,
              const QString& Grupo, bool RecortaValor);
void GrabaCfgCV(const QString& Clave, const QVariant& Valor, const QString& ValorAux, bool PoliticaNegocio,
                const QString& Grupo, bool RecortaValor);
