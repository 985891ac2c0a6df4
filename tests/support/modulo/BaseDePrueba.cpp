#include "support/modulo/BaseDePrueba.h"

#include "services/Arranque.h"
#include "services/Modulo.h"
#include "services/Objetos.h"

void BaseDePrueba::SetUp()
{
    ReiniciaModulo();
}

void BaseDePrueba::TearDown()
{
    EXPECT_TRUE(dialogos->respuestas.empty()) << "answers left unused";
    ReiniciaModulo();
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
