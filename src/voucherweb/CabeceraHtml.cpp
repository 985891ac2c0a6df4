#include "voucherweb/CabeceraHtml.h"

#include "voucherweb/HojaEstilo.h"

namespace {

QString Apostrofes(const QString& valor)
{
    return u'\'' + valor + u'\'';
}

}

QString getCabeceraHTML(const QString& Titulo, bool blnWithFrames, const QDate& hoy)
{
    // The META texts double their quotes as the suite's pages always have.
    const QString q = QStringLiteral("\"\"");
    QString cabecera = QStringLiteral("<HTML>") + QStringLiteral("<HEAD>")
                       + QStringLiteral("<META NAME=") + q + QStringLiteral("; GENERATOR; ") + q
                       + QStringLiteral("; CONTENT = ") + q + NombreProducto + q + QStringLiteral(" > ")
                       + QStringLiteral("<META HTTP-EQUIV=") + q + QStringLiteral("Content-Type") + q
                       + QStringLiteral("; CONTENT = ") + q + QStringLiteral("; Text / html; Charset = iso - 8859 - 1; ")
                       + q + QStringLiteral(" > ")
                       + QStringLiteral("<!-- Generado por Vantrelo - ") + hoy.toString(QStringLiteral("dd-MM-yyyy"))
                       + QStringLiteral("-->")
                       + QStringLiteral("<TITLE> ") + Titulo + QStringLiteral("</TITLE>")
                       + QStringLiteral("<LINK REL =") + Apostrofes(QStringLiteral("stylesheet"))
                       + QStringLiteral(" TYPE=") + Apostrofes(QStringLiteral("text/css"))
                       + QStringLiteral(" HREF=") + Apostrofes(NombreHojaEstilo)
                       + QStringLiteral(" TITLE=") + Apostrofes(QStringLiteral("Style")) + QStringLiteral(">")
                       + QStringLiteral("</HEAD>");
    if (!blnWithFrames)
        cabecera += QStringLiteral("<BODY>");
    return cabecera;
}
