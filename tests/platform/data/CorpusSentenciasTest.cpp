#include "platform/data/ConexionDatos.h"
#include "platform/data/sqlite/MotorSqlite.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

const QString fuentes = QStringLiteral(ESCANEO_SOURCE_DIR);

// The statements of a corpus file: separated by a line holding only "--",
// leading "-- " comment lines dropped.
QStringList sentencias(const QString& archivo)
{
    QFile f(archivo);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QStringList lista;
    QStringList lineas;
    auto cierra = [&] {
        const QString s = lineas.join(u'\n');
        if (!s.trimmed().isEmpty())
            lista << s;
        lineas.clear();
    };
    QTextStream in(&f);
    while (!in.atEnd()) {
        const QString linea = in.readLine();
        if (linea.trimmed() == u"--")
            cierra();
        else if (!(lineas.isEmpty() && linea.startsWith(QLatin1String("-- "))))
            lineas << linea;
    }
    cierra();
    return lista;
}

bool esConsulta(const QString& sql)
{
    return sql.trimmed().startsWith(QLatin1String("SELECT"), Qt::CaseInsensitive);
}

}  // namespace

TEST(CorpusSentencias, EveryStatementRunsOnTheDemoSchema)
{
    const QString esquema = fuentes + QStringLiteral("/db/schema.sql");
    const QString demo = fuentes + QStringLiteral("/db/demo.sql");
    ASSERT_TRUE(QFile::exists(esquema) && QFile::exists(demo)) << "the demo database scripts are missing";
    const QFileInfoList archivos =
        QDir(fuentes + QStringLiteral("/tests/corpus")).entryInfoList({QStringLiteral("*.sql")}, QDir::Files, QDir::Name);
    ASSERT_FALSE(archivos.isEmpty());

    QTemporaryDir dir;
    const QString modelo = dir.filePath(QStringLiteral("modelo.db"));
    CreaBaseSqlite(modelo, {esquema, demo});
    for (const QFileInfo& archivo : archivos) {
        const QStringList lista = sentencias(archivo.filePath());
        EXPECT_FALSE(lista.isEmpty()) << archivo.fileName().toStdString();
        const QString copia = dir.filePath(QStringLiteral("escaneo.db"));
        QFile::remove(copia);
        ASSERT_TRUE(QFile::copy(modelo, copia));
        ConexionDatos db;
        db.setServidor(QStringLiteral("sqlite"));
        db.setBaseDatos(copia);
        db.setUsuario(QStringLiteral("demo"));
        db.Conecta(false, 3, QString(), false, false);
        ASSERT_TRUE(db.EstaConectado()) << db.ErrorConexion().toStdString();
        for (const QString& sql : lista) {
            try {
                if (esConsulta(sql)) {
                    auto rs = db.AbreRecordset(sql);
                    db.CierraRecordset(rs);
                } else {
                    db.Ejecuta(sql);
                }
                EXPECT_EQ(db.Conexion().Errors().Count(), 0) << archivo.fileName().toStdString() << ": "
                                                             << sql.toStdString();
            } catch (const Err& e) {
                ADD_FAILURE() << archivo.fileName().toStdString() << ": " << sql.toStdString() << "\n  -> "
                              << e.Description.toStdString();
            }
        }
    }
}
