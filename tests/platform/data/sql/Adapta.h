#pragma once

#include "platform/data/sql/AdaptadorSql.h"

#include <string>
#include <vector>

// What the adapter makes of one statement or of a batch, for the rules' tests.

inline std::string adapta(const char* sql)
{
    return AdaptaSentencia(QString::fromUtf8(sql)).toStdString();
}

inline std::vector<SentenciaAdaptada::Clase> clases(const QString& lote)
{
    std::vector<SentenciaAdaptada::Clase> c;
    for (const auto& s : AdaptaLote(lote))
        c.push_back(s.clase);
    return c;
}

inline QStringList textos(const QString& lote)
{
    QStringList t;
    for (const auto& s : AdaptaLote(lote))
        t << s.sql.trimmed();
    return t;
}

using S = SentenciaAdaptada;
