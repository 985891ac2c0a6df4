#include "BaseDePrueba.h"

#include "platform/MotorSqlite.h"
#include "services/Arranque.h"
#include "services/Modulo.h"
#include "services/Objetos.h"

#include <QDir>

namespace {

QString scriptDeBase(const char* nombre)
{
    return QStringLiteral(ESCANEO_SOURCE_DIR "/db/") + QLatin1String(nombre);
}

}

void BaseDePrueba::SetUp()
{
    ASSERT_TRUE(dir.isValid());
    ReiniciaModulo();
    tempAnterior_ = qgetenv("TEMP");
    datosAnteriores_ = qgetenv("XDG_DATA_HOME");
    carpetaTemporal = dir.filePath(QStringLiteral("temp")) + QLatin1Char('/');
    QDir().mkpath(carpetaTemporal);
    QDir().mkpath(dir.filePath(QStringLiteral("datos")));
    qputenv("TEMP", carpetaTemporal.toLocal8Bit());
    qputenv("XDG_DATA_HOME", dir.filePath(QStringLiteral("datos")).toLocal8Bit());
    archivoBase = dir.filePath(QStringLiteral("escaneo.db"));
    CreaBaseSqlite(archivoBase, {scriptDeBase("schema.sql"), scriptDeBase("demo.sql")});
    CreaBaseSqlite(archivoEstadisticas(), {scriptDeBase("QX_PRESIDIUMBAR.sql")});
}

QString BaseDePrueba::archivoEstadisticas() const
{
    return dir.filePath(QStringLiteral("QX_PRESIDIUMBAR.db"));
}

void BaseDePrueba::TearDown()
{
    EXPECT_TRUE(dialogos->respuestas.empty()) << "answers left unused";
    control_.clear();
    ReiniciaModulo();
    qputenv("TEMP", tempAnterior_);
    if (datosAnteriores_.isEmpty())
        qunsetenv("XDG_DATA_HOME");
    else
        qputenv("XDG_DATA_HOME", datosAnteriores_);
}

QString BaseDePrueba::lineaComando(const QString& usuario) const
{
    return QStringLiteral("@ParametroAdicional=Opcion:1001,FC  000100000012A,2|;@Menu=ESC01;@Server=sqlite;"
                          "@DbName=%1;@Usuario=%2;@Password=clave;@UsuarioLogeado=JUAN;")
        .arg(archivoBase, usuario);
}

bool BaseDePrueba::inicia(const QString& usuario)
{
    QString cadena;
    return IniciaConexion(false, lineaComando(usuario), cadena, 3);
}

void BaseDePrueba::conectaPrincipal(const QString& usuario)
{
    ConexionDatos& cn = ConexionPrincipal();
    cn.setServidor(QStringLiteral("sqlite"));
    cn.setBaseDatos(archivoBase);
    cn.setUsuario(usuario);
    cn.setPassword(QStringLiteral("clave"));
    cn.Conecta(false, 3, QString(), true, true);
    ASSERT_TRUE(cn.EstaConectado());
    Modulo().UsuarioActual = usuario;
}

ConexionDatos& BaseDePrueba::control(const QString& archivo)
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

void BaseDePrueba::ejecuta(const QString& sql, const QString& archivo)
{
    control(archivo).Ejecuta(sql);
}

QVariant BaseDePrueba::valor(const QString& sql, const QString& archivo)
{
    auto rs = control(archivo).AbreRecordset(sql);
    return rs->EOF() ? QVariant() : rs->Campo(0);
}

long BaseDePrueba::cuenta(const QString& tablaYCondicion)
{
    return valor(QStringLiteral("SELECT COUNT(*) FROM ") + tablaYCondicion).toLongLong();
}
