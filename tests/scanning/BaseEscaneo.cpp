#include "BaseEscaneo.h"

#include "support/SaneDePrueba.h"
#include "platform/MotorSqlite.h"
#include "scanning/ArchivoEscaner.h"
#include "services/Arranque.h"
#include "services/Modulo.h"

#include <QDir>
#include <QFile>


namespace {

QString scriptDeBase(const char* nombre)
{
    return QStringLiteral(ESCANEO_SOURCE_DIR "/db/") + QLatin1String(nombre);
}

void restauraVariable(const char* nombre, const QByteArray& anterior)
{
    if (anterior.isNull())
        qunsetenv(nombre);
    else
        qputenv(nombre, anterior);
}

// SANE reads its configuration once per process: before any test runs, it
// is pointed at the "test" backend alone.
class EntornoSane : public ::testing::Environment {
public:
    void SetUp() override
    {
        qputenv("ESCANEO_SCANNER", "test:0");
        ASSERT_TRUE(PreparaSaneDePrueba());
    }
};

[[maybe_unused]] const auto* const entornoSane = ::testing::AddGlobalTestEnvironment(new EntornoSane);

}

void BaseEscaneo::SetUp()
{
    ASSERT_TRUE(dir.isValid());
    ReiniciaModulo();
    carpetaAnterior_ = QDir::currentPath();
    tempAnterior_ = qgetenv("TEMP");
    configAnterior_ = qgetenv("XDG_CONFIG_HOME");
    datosAnteriores_ = qgetenv("XDG_DATA_HOME");
    for (const char* sub : {"temp", "config", "datos", "SCAN"})
        QDir().mkpath(dir.filePath(QLatin1String(sub)));
    qputenv("TEMP", QFile::encodeName(dir.filePath(QStringLiteral("temp"))));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.filePath(QStringLiteral("config"))));
    qputenv("XDG_DATA_HOME", QFile::encodeName(dir.filePath(QStringLiteral("datos"))));
    QDir::setCurrent(dir.path());
    carpetaEscaneo = dir.filePath(QStringLiteral("SCAN")) + QLatin1Char('/');
    archivoBase = dir.filePath(QStringLiteral("escaneo.db"));
    CreaBaseSqlite(archivoBase, {scriptDeBase("schema.sql"), scriptDeBase("demo.sql")});
    // The statistics database lies beside the main one, as on a workstation
    // that already ran the suite.
    CreaBaseSqlite(dir.filePath(QStringLiteral("QX_PRESIDIUMBAR.db")), {scriptDeBase("QX_PRESIDIUMBAR.sql")});
}

void BaseEscaneo::TearDown()
{
    EXPECT_TRUE(dialogos->respuestas.empty()) << "answers left unused";
    control_.reset();
    ReiniciaModulo();
    QDir::setCurrent(carpetaAnterior_);
    restauraVariable("TEMP", tempAnterior_);
    restauraVariable("XDG_CONFIG_HOME", configAnterior_);
    restauraVariable("XDG_DATA_HOME", datosAnteriores_);
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

void BaseEscaneo::configuraCarpetaEscaneo()
{
    ejecuta(QStringLiteral("UPDATE TA_CONFIGURACION SET Valor='%1' WHERE Clave='RUTA_ESCANEO'").arg(carpetaEscaneo));
}

ConexionDatos& BaseEscaneo::control()
{
    if (!control_) {
        control_ = std::make_unique<ConexionDatos>();
        control_->setServidor(QStringLiteral("sqlite"));
        control_->setBaseDatos(archivoBase);
        control_->setUsuario(QStringLiteral("control"));
        control_->Conecta(false, 3, QString(), true, true);
        EXPECT_TRUE(control_->EstaConectado());
    }
    return *control_;
}

void BaseEscaneo::ejecuta(const QString& sql)
{
    control().Ejecuta(sql);
}

QVariant BaseEscaneo::valor(const QString& sql)
{
    auto rs = control().AbreRecordset(sql);
    return rs->ContarFilas() == 0 ? QVariant() : rs->Campo(0);
}

long BaseEscaneo::cuenta(const QString& tablaYCondicion)
{
    return valor(QStringLiteral("SELECT COUNT(*) FROM ") + tablaYCondicion).toLongLong();
}
