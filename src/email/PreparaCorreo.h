#pragma once

#include <QDateTime>
#include <QString>

// The voucher picked in the main window, split as the e-mail takes it.
struct SeleccionCorreo {
    QString Clave;  // type fitted to 4 and the 13-character number
    QString TC;
    QString Sucursal;
    QString Numero;
    QString Letra;
    QString IdComprobante;
};
SeleccionCorreo DivideSeleccion(const QString& tipo, const QString& comprobante);

// The work folder of one e-mail: E-MAILS/ENVIOS/<dd-MM-yyyy>/<HH.mm.ss> in the
// temporary folder, each missing level made for this user only (later steps
// write into it); an existing level must be this user's own and closed to
// others (AseguraCarpetaPropia). The path has no final "/". Raises Err 75
// naming the level that cannot be made or is refused.
QString CreaCarpetaEnvios(const QDateTime& momento);

// The export code of an attachment format: HTML/HTM 22, RTF 15, XLS 25,
// PDF 31, RPT 7, any other 0.
int CodigoFormatoAdjunto(const QString& formato);
// The configured attachment format, trimmed: empty means PDF.
QString FormatoAdjuntoConfigurado();
// The configured attachment format as the report object exports it: empty
// means PDF, and PDF is written as the report format RPT.
QString FormatoExportacion();

// Leaves the report object set up to export the voucher into the folder:
// its page name and type first, then the attachment in the configured
// format. Nothing is printed.
void PreparaExportacion(const QString& carpeta, const QString& clave);

// The sender: the user's e-mail name, else the configured "email_de".
QString RemitenteCorreo();
// The voucher type's description, a blank and the number.
QString AsuntoCorreo(const QString& TC, const QString& IdComprobante);
// The page's lines joined with nothing between them. Raises Err 53 when the
// page is not there.
QString LeeTextoPagina(const QString& ruta);
