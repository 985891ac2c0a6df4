#include "PaginaDemo.h"

#include "platform/base/ArchivoSeguro.h"
#include "platform/base/Cp1252.h"
#include "services/Modulo.h"
#include "services/Objetos.h"
#include "voucherweb/GeneraPagina.h"

#include <QDir>

void PaginaDemo::SetUp()
{
    ReiniciaModulo();
    carpetaAnterior_ = QDir::currentPath();
    QDir::setCurrent(dir.path());
    ConexionDatos& cn = ConexionPrincipal();
    cn.setServidor(QStringLiteral("sqlite"));
    cn.setBaseDatos(archivoBase);
    cn.setUsuario(QStringLiteral("demo"));
    cn.Conecta(false, 3, QString(), true, true);
    ASSERT_TRUE(cn.EstaConectado()) << cn.ErrorConexion().toStdString();
    ruta = carpetaTemporal + QStringLiteral("pagina.htm");
}

void PaginaDemo::TearDown()
{
    EXPECT_TRUE(dialogos->respuestas.empty()) << "answers left unused";
    ReiniciaModulo();
    QDir::setCurrent(carpetaAnterior_);
}

QStringList PaginaDemo::lineas(const QString& archivo) const
{
    const QString texto = DeCp1252(LeeArchivoCompleto(archivo));
    EXPECT_TRUE(texto.endsWith(QStringLiteral("\r\n")));
    QStringList resultado = texto.split(QStringLiteral("\r\n"));
    resultado.removeLast();
    for (const QString& l : resultado)
        EXPECT_FALSE(l.contains(u'\n') || l.contains(u'\r')) << l.toStdString();
    return resultado;
}

QStringList PaginaDemo::venta(const char* tc, const char* sucursal, const char* numero, const char* letra)
{
    EXPECT_TRUE(GeneraPaginaVenta(ruta, QLatin1String(tc), QLatin1String(sucursal), QLatin1String(numero),
                                  QLatin1String(letra), true));
    return lineas(ruta);
}

QStringList PaginaDemo::compra(const char* tc, const char* sucursal, const char* numero, const char* letra,
                               const char* cuenta, bool usaVMvCpte)
{
    EXPECT_TRUE(GeneraPaginaCompra(ruta, QLatin1String(tc), QLatin1String(sucursal), QLatin1String(numero),
                                   QLatin1String(letra), usaVMvCpte, QLatin1String(cuenta)));
    return lineas(ruta);
}

QString PaginaDemo::linea(const QStringList& pagina, const QString& inicio)
{
    for (const QString& l : pagina) {
        if (l.startsWith(inicio))
            return l;
    }
    return QString();
}
