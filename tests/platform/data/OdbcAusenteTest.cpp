#include "platform/base/ArchivoSeguro.h"
#include "platform/data/MotorDatos.h"

#include "support/SalidaDeHijo.h"
#include "support/VariableTemporal.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

namespace {

// In a process of its own, where the driver manager the loader finds first
// is no library at all.
int conectaSinOdbc()
{
    DatosConexion datos;
    datos.cadena = QStringLiteral("DSN=contable;");
    QString motivo;
    const bool rechazada = conectaOdbc(datos, motivo) == nullptr;
    std::fputs(qUtf8Printable(motivo), stderr);
    return rechazada ? 0 : 1;
}

}

TEST(OdbcAusenteDeathTest, WithoutTheDriverManagerAConnectionFailsSayingWhy)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    QTemporaryDir carpeta;
    ASSERT_TRUE(carpeta.isValid());
    EscribeArchivoPasajero(carpeta.filePath(QStringLiteral("libodbc.so.2")), "no es una biblioteca");
    const VariableTemporal ruta("LD_LIBRARY_PATH", QFile::encodeName(carpeta.path()));
    EXPECT_EXIT(SaleBorrando(carpeta, conectaSinOdbc()), ::testing::ExitedWithCode(0), "ODBC no está disponible: .*odbc");
}
