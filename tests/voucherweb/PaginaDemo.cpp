#include "PaginaDemo.h"

#include "platform/base/ArchivoSeguro.h"
#include "platform/base/Cp1252.h"
#include "voucherweb/GeneraPagina.h"

#include <QDir>

void PaginaDemo::SetUp()
{
    BaseDePrueba::SetUp();
    carpetaAnterior_ = QDir::currentPath();
    QDir::setCurrent(dir.path());
    conectaPrincipal();
    ruta = carpetaTemporal + QStringLiteral("pagina.htm");
}

void PaginaDemo::TearDown()
{
    BaseDePrueba::TearDown();
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
