#include "email/PiePagina.h"

#include "platform/base/ArchivoSeguro.h"
#include "platform/base/Cp1252.h"
#include "platform/base/GuardaErrores.h"
#include "platform/base/Rutas.h"
#include "services/Configuracion.h"
#include "services/Objetos.h"

#include <QStringList>

void GeneraPiePagina(QString& Ruta)
{
    GuardaErrores g(politicas::dialogo([](const Err& e) { return ObjUtilidades().MuestraErrorObjeto(e); }));
    QString ruta;
    QString nombre;
    g.paso([&] { ruta = ObjUtilidades().AgregaBarra(CarpetaTemporalSistema()) + QStringLiteral("PiePag.htm"); });
    g.paso([&] { nombre = Cfg(QStringLiteral("NOMBRE")); });
    const QStringList lineas{QStringLiteral("<HTML>"), QStringLiteral("<HEAD>"), QStringLiteral("</HEAD>"),
                             QStringLiteral("<BODY>"), QStringLiteral("<BR>"),
                             QStringLiteral("<B>") + nombre + QStringLiteral("</B><BR>"), QStringLiteral("<BR>"),
                             QStringLiteral("<BR>"), QStringLiteral("</BODY>"), QStringLiteral("</HTML>")};
    bool escrita = false;
    g.paso([&] {
        EscribeArchivoCompleto(ruta, ACp1252Html(lineas.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")));
        escrita = true;
    });
    if (escrita)
        Ruta = ruta;
}
