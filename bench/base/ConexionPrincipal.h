#pragma once

#include "services/Objetos.h"

#include <QString>

#include <cstdio>

// The main connection on the benchmark's own SQLite file, as the given user;
// false, said on standard error, when it does not connect.
inline bool ConectaPrincipalSqlite(const QString& archivo, const QString& usuario)
{
    ConexionDatos& cn = ConexionPrincipal();
    cn.setServidor(QStringLiteral("sqlite"));
    cn.setBaseDatos(archivo);
    cn.setUsuario(usuario);
    cn.Conecta(false, 3, QString(), true, true);
    if (!cn.EstaConectado())
        std::fprintf(stderr, "no se pudo conectar con %s\n", qPrintable(archivo));
    return cn.EstaConectado();
}
