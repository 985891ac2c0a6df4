#include "support/escaneo/BaseEscaneo.h"

#include "scanning/ArchivoEscaner.h"
#include "services/Arranque.h"
#include "services/Modulo.h"
#include "support/SaneDePrueba.h"

#include <QDir>

namespace {

// SANE reads its configuration once per process: before any test runs, it
// is pointed at the "test" backend alone.
class EntornoSane : public ::testing::Environment {
public:
    void SetUp() override
    {
        qputenv("ESCANEO_SCANNER", "test:0");
        EXIGE_SANE_DE_PRUEBA();
    }
};

[[maybe_unused]] const auto* const entornoSane = ::testing::AddGlobalTestEnvironment(new EntornoSane);

}

void BaseEscaneo::SetUp()
{
    ReiniciaModulo();
    carpetaAnterior_ = QDir::currentPath();
    QDir::setCurrent(dir.path());
    carpetaEscaneo = dir.filePath(QStringLiteral("SCAN")) + QLatin1Char('/');
    QDir().mkpath(carpetaEscaneo);
}

void BaseEscaneo::TearDown()
{
    EXPECT_TRUE(dialogos->respuestas.empty()) << "answers left unused";
    ReiniciaModulo();
    QDir::setCurrent(carpetaAnterior_);
}

QString BaseEscaneo::lineaComando(const QString& opcion) const
{
    const QString adicional = opcion.isNull() ? QString() : QStringLiteral("Opcion:") + opcion + QLatin1Char('|');
    return QStringLiteral("@ParametroAdicional=%1;@Menu=ESC01;@Server=sqlite;@DbName=%2;@Usuario=demo;"
                          "@Password=clave;@UsuarioLogeado=demo;")
        .arg(adicional, archivoBase);
}

void BaseEscaneo::inicia()
{
    QString cadena;
    ASSERT_TRUE(IniciaConexion(false, lineaComando(), cadena, 3));
}

void BaseEscaneo::creaArchivoEscaner()
{
    EscribeArchivoEscaner(NombreArchivoEscaner, 1);
}

void BaseEscaneo::configuraCarpetaEscaneo(const QString& carpeta)
{
    ejecuta(QStringLiteral("UPDATE TA_CONFIGURACION SET Valor='%1' WHERE Clave='RUTA_ESCANEO'")
                .arg(carpeta.isNull() ? carpetaEscaneo : carpeta));
}
