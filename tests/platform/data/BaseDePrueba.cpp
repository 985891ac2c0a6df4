#include "BaseDePrueba.h"

#include "platform/data/sqlite/MotorSqlite.h"

#include <gtest/gtest.h>

#include <QFile>

BaseDePrueba::BaseDePrueba(const QString& esquema, const QString& nombre, const QString& usuario)
{
    const QString script = dir.filePath(QStringLiteral("esquema.sql"));
    QFile f(script);
    if (f.open(QIODevice::WriteOnly))
        f.write(esquema.toUtf8());
    f.close();
    abre({script}, nombre, usuario);
}

BaseDePrueba::BaseDePrueba(const QStringList& scripts, const QString& nombre, const QString& usuario)
{
    abre(scripts, nombre, usuario);
}

void BaseDePrueba::abre(const QStringList& scripts, const QString& nombre, const QString& usuario)
{
    archivo = dir.filePath(nombre);
    CreaBaseSqlite(archivo, scripts);
    db.setServidor(QStringLiteral("sqlite"));
    db.setBaseDatos(archivo);
    db.setUsuario(usuario);
    db.setPassword(QStringLiteral("clave"));
    db.Conecta(false, 3, QString(), false, false);
    EXPECT_TRUE(db.EstaConectado()) << db.ErrorConexion().toStdString();
}

long BaseDePrueba::nativo(const QString& sql)
{
    EXPECT_THROW(db.Ejecuta(sql), Err) << sql.toStdString();
    return db.Conexion().Errors().Count() > 0 ? db.Conexion().Errors().Item(0).NativeError : 0;
}

long BaseDePrueba::cuenta(const QString& desdeDonde)
{
    auto rs = db.AbreRecordset(QStringLiteral("SELECT COUNT(*) AS n FROM ") + desdeDonde);
    return long(rs->Campo(QStringLiteral("n")).toLongLong());
}
