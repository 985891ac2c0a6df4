#include "email/PreparaCorreo.h"

#include "platform/base/ArchivoSeguro.h"
#include "platform/base/CarpetaPropia.h"
#include "platform/base/Cp1252.h"
#include "platform/base/Rutas.h"
#include "services/Configuracion.h"
#include "services/Objetos.h"

#include <QRegularExpression>

#include <memory>

SeleccionCorreo DivideSeleccion(const QString& tipo, const QString& comprobante)
{
    SeleccionCorreo s;
    s.Clave = ObjUtilidades().AjustaTexto(tipo.trimmed(), 4) + comprobante.trimmed();
    s.TC = s.Clave.left(4).trimmed();
    s.Sucursal = s.Clave.mid(4, 4);
    s.Numero = s.Clave.mid(8, 8);
    s.Letra = s.Clave.mid(16, 1);
    s.IdComprobante = s.Sucursal + s.Numero + s.Letra;
    return s;
}

QString CreaCarpetaEnvios(const QDateTime& momento)
{
    QString carpeta = ObjUtilidades().AgregaBarra(CarpetaTemporalSistema());
    carpeta.chop(1);
    for (const QString& nivel : {QStringLiteral("E-MAILS"), QStringLiteral("ENVIOS"),
                                 momento.toString(QStringLiteral("dd-MM-yyyy")),
                                 momento.toString(QStringLiteral("HH.mm.ss"))}) {
        carpeta += u'/' + nivel;
        AseguraCarpetaPropia(carpeta);
    }
    return carpeta;
}

int CodigoFormatoAdjunto(const QString& formato)
{
    const QString f = formato.trimmed().toUpper();
    if (f == QLatin1String("HTML") || f == QLatin1String("HTM"))
        return 22;
    if (f == QLatin1String("RTF"))
        return 15;
    if (f == QLatin1String("XLS"))
        return 25;
    if (f == QLatin1String("PDF"))
        return 31;
    if (f == QLatin1String("RPT"))
        return 7;
    return 0;
}

QString FormatoAdjuntoConfigurado()
{
    const QString formato = Cfg(QStringLiteral("eMail_formatoadjunto")).trimmed();
    return formato.isEmpty() ? QStringLiteral("PDF") : formato;
}

QString FormatoExportacion()
{
    QString formato = FormatoAdjuntoConfigurado();
    if (formato.compare(QLatin1String("PDF"), Qt::CaseInsensitive) == 0)
        formato = QStringLiteral("RPT");
    return formato;
}

void PreparaExportacion(const QString& carpeta, const QString& clave)
{
    Reporte& r = ObjReporte();
    const QString base = ObjUtilidades().AgregaBarra(carpeta) + clave.trimmed();
    r.Parametro(QStringLiteral("PrintFileName"), base + QStringLiteral(".htm"));
    r.Parametro(QStringLiteral("PrintFileType"), QStringLiteral("22"));
    r.setDestino(r.DestinoArchivo());
    const QString formato = FormatoExportacion();
    r.Parametro(QStringLiteral("PrintFileName"), base + QStringLiteral("1.") + formato);
    r.Parametro(QStringLiteral("PrintFileType"), qint32(CodigoFormatoAdjunto(formato)));
}

QString RemitenteCorreo()
{
    QString remitente = Cfg(QStringLiteral("email_de")).trimmed();
    ConexionDatos& cn = ConexionPrincipal();
    std::unique_ptr<Recordset> fila;
    if (cn.Existe(QStringLiteral("ta_usuarios"), cn.Usuario(), QStringLiteral("nombre"), QString(), &fila)) {
        const QString nombre = ObjUtilidades().ValorCampo(fila->Campo(QStringLiteral("Email_Nombre")));
        if (!nombre.isEmpty())
            remitente = nombre;
    }
    if (fila)
        cn.CierraRecordset(fila);
    return remitente;
}

QString AsuntoCorreo(const QString& TC, const QString& IdComprobante)
{
    const QVariant descripcion = ConexionPrincipal().BuscaValor(QStringLiteral("v_ta_cpte"), TC,
                                                                QStringLiteral("Descripcion"), QStringLiteral("Codigo"));
    return ObjUtilidades().ValorCampo(descripcion) + u' ' + IdComprobante;
}

QString LeeTextoPagina(const QString& ruta)
{
    static const QRegularExpression finDeLinea(QStringLiteral("\r\n|\r|\n"));
    return DeCp1252(LeeArchivoCompleto(ruta)).remove(finDeLinea);
}
