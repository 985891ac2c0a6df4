#include "email/TextoCorreo.h"

#include "platform/base/Ajustes.h"

namespace {

void ReemplazaTodo(QString& texto, const QString& buscado, const QString& reemplazo)
{
    texto.replace(buscado, reemplazo, Qt::CaseInsensitive);
}

}

QString GetStringFile(QString& Value, bool Force)
{
    if (Force)
        ReemplazaTodo(Value, QStringLiteral("+"), QStringLiteral(" "));
    ReemplazaTodo(Value, QStringLiteral("%25"), QString(QChar(0)));
    for (qsizetype donde = Value.indexOf(u'%'); donde >= 0; donde = Value.indexOf(u'%')) {
        const QString hex = Value.mid(donde + 1, 2);
        bool esNumero = false;
        const int codigo = hex.toInt(&esNumero, 16);
        // A "%" without two hex digits would never go away: it is kept as
        // itself, as a "%25" is.
        if (!esNumero || hex.size() < 2 || hex.startsWith(u'-') || hex.startsWith(u'+')) {
            Value.replace(donde, 1, QChar(0));
            continue;
        }
        ReemplazaTodo(Value, u'%' + hex, QString(QChar(codigo)));
    }
    ReemplazaTodo(Value, QString(QChar(0)), QStringLiteral("%"));
    ReemplazaTodo(Value, QStringLiteral("/"), QStringLiteral("\\"));
    QString nombre = Value;
    return nombre.replace(u' ', u'_');
}

QString ObtieneNombreImagen(const QString& src)
{
    const qsizetype barra = src.lastIndexOf(u'/');
    if (barra < 0)
        return QString();
    QString nombre = src.mid(barra + 1);
    return GetStringFile(nombre, true);
}

QString ConvierteTextoHtml(QString& texto)
{
    texto.replace(u'\r', QStringLiteral("<BR>"));
    return QStringLiteral("<HTML><BODY>") + texto + QStringLiteral("</BODY></HTML>");
}

QString PreparaComentario(const QString& texto)
{
    return texto.toHtmlEscaped().replace(u' ', QStringLiteral("&nbsp;")).replace(QStringLiteral("\r\n"),
                                                                                 QStringLiteral("<br />"));
}

QString CuerpoMensaje(bool EnvioManual, bool arriba, const QString& Comentario, const QString& mensaje)
{
    if (EnvioManual) {
        QString texto = mensaje;
        const QString pagina = ConvierteTextoHtml(texto);
        return arriba ? Comentario + QStringLiteral("\r\n") + pagina : pagina + QStringLiteral("\r\n") + Comentario;
    }
    const QString separacion = QStringLiteral("<br /><br />");
    return arriba ? Comentario + separacion + mensaje : mensaje + separacion + Comentario;
}

QString PieMensaje()
{
    const QString direccion =
        Ajustes::valor(QStringLiteral("correo/pie_direccion"), "ESCANEO_CORREO_PIE_DIRECCION",
                       QStringLiteral("https://www.example.com/"));
    const QString texto = Ajustes::valor(QStringLiteral("correo/pie_texto"), "ESCANEO_CORREO_PIE_TEXTO",
                                         QStringLiteral("Enviado con Escaneo de Documentos"));
    return QStringLiteral("<style type=\"text/css\">"
                          ".style1 {text-align: center;color: #FFFFFF;}"
                          ".style2 {background-color: #C0C0C0;}"
                          "</style><br /><br /><br /><br /><br /><br />"
                          "<table style=\"width: 100%\" class=\"style2\">"
                          "<tr><td class=\"style1\"><a href=\"") +
           direccion.toHtmlEscaped() + QStringLiteral("\"><strong>") + texto.toHtmlEscaped() +
           QStringLiteral("</strong></a></td></tr></table>");
}
