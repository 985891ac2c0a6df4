#include "voucherweb/GeneraPagina.h"

#include "services/Objetos.h"
#include "voucherweb/CabeceraHtml.h"
#include "voucherweb/SeccionesPagina.h"
#include "voucherweb/TextoPagina.h"

namespace {

const QString TituloPagina = QStringLiteral("BSC001CBTEdetalle");

QString LineaImagen(const QString& url)
{
    return QStringLiteral("<img alt=\"\" src=\"") + url + QStringLiteral("\" width=100%  ></p>");
}

QString LineaImagenAlta(const QString& url)
{
    return QStringLiteral("<img alt='' src='") + url + QStringLiteral("' width=100% height='2800'></p>");
}

// Both writers: the same sections in the same order; those after the title
// only when the header query found the voucher.
bool GeneraComprobante(const QString& ruta, const Comprobante& v)
{
    PaginaHtml pagina;
    ContextoPagina c(ConexionPrincipal(), v, pagina);
    pagina.Seccion([&] { pagina.Linea(getCabeceraHTML(TituloPagina, false)); });
    for (auto seccion : {EscribeEmpresa, EscribeTitulo, AbreCabecera})
        pagina.Seccion([&] { seccion(c); });
    if (c.HayCabecera()) {
        for (auto seccion : {EscribeDatosCabecera, EscribeInsumos, EscribeTareas, EscribeObservaciones, EscribeTotales,
                             EscribeAplicadosPor, EscribeQueAplican, EscribeRecepciones, EscribeHistorial})
            pagina.Seccion([&] { seccion(c); });
    }
    pagina.Seccion([&] { pagina.Linea(QStringLiteral("<br></br>")); });
    pagina.Seccion([&] { EscribeImagenes(c, LineaImagen); });
    pagina.Seccion([&] { pagina.Linea(QStringLiteral("</body></html>")); });
    return pagina.Guarda(ruta);
}

}

bool GeneraPaginaVenta(const QString& ruta, const QString& TC, const QString& Sucursal, const QString& Numero,
                       const QString& Letra, bool UsaVMvCpte)
{
    return GeneraComprobante(ruta, {TC, Sucursal, Numero, Letra, QString(), true, UsaVMvCpte});
}

bool GeneraPaginaCompra(const QString& ruta, const QString& TC, const QString& Sucursal, const QString& Numero,
                        const QString& Letra, bool UsaVMvCpte, const QString& Cuenta)
{
    return GeneraComprobante(ruta, {TC, Sucursal, Numero, Letra, Cuenta, false, UsaVMvCpte});
}

bool GeneraPaginaImagenes(const QString& ruta, const QString& TC, const QString& Sucursal, const QString& Numero,
                          const QString& Letra, const QString& Cuenta)
{
    const Comprobante v{TC, Sucursal, Numero, Letra, Cuenta, false, false};
    PaginaHtml pagina;
    ContextoPagina c(ConexionPrincipal(), v, pagina);
    pagina.Seccion([&] { pagina.Linea(getCabeceraHTML(TituloPagina, false)); });
    pagina.Seccion([&] { pagina.Linea(LineaTituloTabla(Html(TC + u'-' + v.IdComprobante()))); });
    pagina.Seccion([&] { EscribeImagenes(c, LineaImagenAlta); });
    pagina.Seccion([&] { pagina.Linea(QStringLiteral("</body></html>")); });
    return pagina.Guarda(ruta);
}
