#include "support/modulo/BaseDePrueba.h"

#include "services/Objetos.h"
#include "services/ServiciosArchivo.h"

#include <QDateTime>
#include <QFile>

namespace {

using ServiciosArchivo = BaseDePrueba;

}

TEST_F(ServiciosArchivo, FileExistsOnlyWhenItCanBeRead)
{
    const QString archivo = dir.filePath("leible.txt");
    QFile f(archivo);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    EXPECT_TRUE(ExisteArchivo(archivo));
    EXPECT_FALSE(ExisteArchivo(dir.filePath("falta.txt")));
    EXPECT_FALSE(ExisteArchivo(QString()));
    EXPECT_FALSE(ExisteArchivo(dir.path()));
    EXPECT_TRUE(QFile::remove(archivo)) << "the file was closed again";
}

TEST_F(ServiciosArchivo, ServerTimeIsTakenToTheSecond)
{
    conectaPrincipal();
    const QDateTime antes = QDateTime::currentDateTime().addSecs(-2);
    const QDateTime fecha = FechaServidor();
    EXPECT_EQ(fecha.time().msec(), 0);
    EXPECT_GE(fecha, antes);
    EXPECT_LE(fecha, QDateTime::currentDateTime().addSecs(1));
}
