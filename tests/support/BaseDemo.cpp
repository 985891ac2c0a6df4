#include "support/BaseDemo.h"

#include "platform/data/sqlite/MotorSqlite.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

namespace {

QString scriptDeBase(const char* nombre)
{
    return QStringLiteral(ESCANEO_SOURCE_DIR "/db/") + QLatin1String(nombre);
}

}

BaseDemo::BaseDemo()
    : archivoBase(dir.filePath(QStringLiteral("escaneo.db"))),
      carpetaTemporal(dir.filePath(QStringLiteral("temp")) + QLatin1Char('/')),
      temp_("TEMP", QFile::encodeName(carpetaTemporal)),
      config_("XDG_CONFIG_HOME", QFile::encodeName(dir.filePath(QStringLiteral("config")))),
      datos_("XDG_DATA_HOME", QFile::encodeName(dir.filePath(QStringLiteral("datos"))))
{
    EXPECT_TRUE(dir.isValid());
    for (const char* sub : {"temp", "config", "datos"})
        QDir().mkpath(dir.filePath(QLatin1String(sub)));
    CreaBaseSqlite(archivoBase, {scriptDeBase("schema.sql"), scriptDeBase("demo.sql")});
    CreaBaseSqlite(archivoEstadisticas(), {scriptDeBase("QX_PRESIDIUMBAR.sql")});
}

QString BaseDemo::archivoEstadisticas() const
{
    return dir.filePath(QStringLiteral("QX_PRESIDIUMBAR.db"));
}

ConexionDatos& BaseDemo::control(const QString& archivo)
{
    const QString base = archivo.isEmpty() ? archivoBase : archivo;
    std::unique_ptr<ConexionDatos>& cn = control_[base];
    if (!cn) {
        cn = std::make_unique<ConexionDatos>();
        cn->setServidor(QStringLiteral("sqlite"));
        cn->setBaseDatos(base);
        cn->setUsuario(QStringLiteral("control"));
        cn->Conecta(false, 3, QString(), true, true);
        EXPECT_TRUE(cn->EstaConectado()) << base.toStdString();
    }
    return *cn;
}

void BaseDemo::ejecuta(const QString& sql, const QString& archivo)
{
    control(archivo).Ejecuta(sql);
}

QVariant BaseDemo::valor(const QString& sql, const QString& archivo)
{
    auto rs = control(archivo).AbreRecordset(sql);
    return rs->EOF() ? QVariant() : rs->Campo(0);
}

long BaseDemo::cuenta(const QString& tablaYCondicion)
{
    return valor(QStringLiteral("SELECT COUNT(*) FROM ") + tablaYCondicion).toLongLong();
}
