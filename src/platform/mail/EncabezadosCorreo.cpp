#include "platform/mail/EncabezadosCorreo.h"

#include "platform/base/Err.h"
#include "platform/mail/ErroresCorreo.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QUuid>

namespace {

bool EsAscii(const QString& texto)
{
    for (const QChar c : texto)
        if (c.unicode() > 0x7E || (c.unicode() < 0x20 && c != u'\t'))
            return false;
    return true;
}

bool TieneSaltoONulo(const QString& texto)
{
    for (const QChar c : texto)
        if (c == u'\r' || c == u'\n' || c == QChar(0))
            return true;
    return false;
}

void ExigeUnaLinea(const QString& campo, const QString& valor)
{
    if (TieneSaltoONulo(valor))
        throw Err(NumeroError::LlamadaInvalida,
                  QStringLiteral("El campo %1 contiene un retorno de carro, un salto de línea o un carácter nulo")
                      .arg(campo));
}

bool EsDireccion(const QString& direccion)
{
    static const QRegularExpression forma(QStringLiteral(R"(^[^\s@<>()\[\],;:"\\]+@[^\s@<>()\[\],;:"\\]+$)"));
    return EsAscii(direccion) && forma.match(direccion).hasMatch() && !direccion.endsWith(u'.');
}

void ExigeDireccion(const QString& campo, const Buzon& buzon)
{
    if (!EsDireccion(buzon.direccion))
        throw Err(NumeroError::LlamadaInvalida,
                  QStringLiteral("La dirección \"%1\" del campo %2 no es válida").arg(buzon.direccion, campo));
}

void ExigeArchivo(const QString& ruta)
{
    ExigeUnaLinea(QStringLiteral("Adjunto"), ruta);
    const QFileInfo archivo(ruta);
    if (!archivo.isFile() || !archivo.isReadable())
        throw Err(NumeroError::ArchivoNoEncontrado, QStringLiteral("No se encuentra el archivo %1").arg(ruta));
}

// An ASCII text as a quoted string.
QByteArray EntreComillas(const QString& texto)
{
    QByteArray escapado = texto.toLatin1();
    escapado.replace('\\', "\\\\").replace('"', "\\\"");
    return '"' + escapado + '"';
}

// The text cut between whole characters, each piece, as `codifica` writes
// its characters, at most `limite` bytes long.
template <typename Codifica>
QList<QByteArray> EnTrozos(const QString& texto, qsizetype limite, Codifica codifica)
{
    QList<QByteArray> trozos;
    QByteArray trozo;
    for (qsizetype i = 0; i < texto.size(); ++i) {
        const qsizetype largo = texto.at(i).isHighSurrogate() && i + 1 < texto.size() ? 2 : 1;
        const QByteArray caracter = codifica(texto.mid(i, largo));
        i += largo - 1;
        if (!trozo.isEmpty() && trozo.size() + caracter.size() > limite) {
            trozos << trozo;
            trozo.clear();
        }
        trozo += caracter;
    }
    if (!trozo.isEmpty())
        trozos << trozo;
    return trozos;
}

// A name with any of RFC 5322's specials must go between quotes.
bool NecesitaComillas(const QString& nombre)
{
    static const QRegularExpression especiales(QStringLiteral(R"([()<>\[\]:;@\\,."])"));
    return nombre.contains(especiales);
}

}

Buzon LeeBuzon(const QString& texto)
{
    const QString t = texto.trimmed();
    const qsizetype abre = t.lastIndexOf(u'<');
    if (abre >= 0 && t.endsWith(u'>'))
        return {t.left(abre).trimmed(), t.mid(abre + 1, t.size() - abre - 2).trimmed()};
    return {QString(), t};
}

QList<Buzon> LeeDestinatarios(const QString& texto)
{
    static const QRegularExpression separador(QStringLiteral("[;,]"));
    QList<Buzon> buzones;
    for (const QString& pieza : texto.split(separador))
        if (!pieza.trimmed().isEmpty())
            buzones << LeeBuzon(pieza);
    return buzones;
}

void ValidaMensaje(const MensajeCorreo& mensaje)
{
    ExigeUnaLinea(QStringLiteral("De"), mensaje.de);
    ExigeUnaLinea(QStringLiteral("Para"), mensaje.para);
    ExigeUnaLinea(QStringLiteral("Asunto"), mensaje.asunto);
    const Buzon remitente = LeeBuzon(mensaje.de);
    if (remitente.direccion.isEmpty())
        throw Err(ErrorCorreo::FaltanDatos, QStringLiteral("Falta la dirección del remitente"));
    ExigeDireccion(QStringLiteral("De"), remitente);
    const QList<Buzon> destinatarios = LeeDestinatarios(mensaje.para);
    if (destinatarios.isEmpty())
        throw Err(ErrorCorreo::FaltanDatos, QStringLiteral("Falta la dirección del destinatario"));
    for (const Buzon& b : destinatarios)
        ExigeDireccion(QStringLiteral("Para"), b);
    for (const ImagenIncrustada& imagen : mensaje.imagenes) {
        ExigeUnaLinea(QStringLiteral("Content-ID"), imagen.contentId);
        ExigeArchivo(imagen.ruta);
    }
    for (const QString& adjunto : mensaje.adjuntos)
        ExigeArchivo(adjunto);
}

QByteArray CodificaTextoEncabezado(const QString& texto)
{
    if (EsAscii(texto))
        return texto.toLatin1();
    // 45 bytes of UTF-8 give 60 of base64, and a word of 72 fits a line.
    QList<QByteArray> palabras = EnTrozos(texto, 45, [](const QString& c) { return c.toUtf8(); });
    for (QByteArray& palabra : palabras)
        palabra = "=?UTF-8?B?" + palabra.toBase64() + "?=";
    return palabras.join("\r\n ");
}

QByteArray ParametroMime(const QByteArray& atributo, const QString& valor)
{
    if (EsAscii(valor))
        return atributo + '=' + EntreComillas(valor);
    // RFC 2231: the attribute characters as they are, every other byte as
    // %XX; pieces of 54 keep each line of the header under 78.
    const QList<QByteArray> trozos =
        EnTrozos(valor, 54, [](const QString& c) { return c.toUtf8().toPercentEncoding("!#$&+^`{|}"); });
    if (trozos.size() == 1)
        return atributo + "*=utf-8''" + trozos.front();
    QList<QByteArray> piezas;
    for (qsizetype i = 0; i < trozos.size(); ++i)
        piezas << atributo + '*' + QByteArray::number(i) + '*' + '=' + (i ? "" : "utf-8''") + trozos[i];
    return piezas.join(";\r\n ");
}

QByteArray CodificaBuzon(const Buzon& buzon)
{
    const QByteArray direccion = '<' + buzon.direccion.toLatin1() + '>';
    if (buzon.nombre.isEmpty())
        return direccion;
    if (!EsAscii(buzon.nombre))
        return CodificaTextoEncabezado(buzon.nombre) + ' ' + direccion;
    if (NecesitaComillas(buzon.nombre))
        return EntreComillas(buzon.nombre) + ' ' + direccion;
    return buzon.nombre.toLatin1() + ' ' + direccion;
}

QList<QByteArray> EncabezadosMensaje(const MensajeCorreo& mensaje, const QDateTime& fecha)
{
    const Buzon remitente = LeeBuzon(mensaje.de);
    QList<QByteArray> para;
    for (const Buzon& b : LeeDestinatarios(mensaje.para))
        para << CodificaBuzon(b);
    const QString dominio = remitente.direccion.section(u'@', 1);
    const QByteArray id = QUuid::createUuid().toByteArray(QUuid::WithoutBraces);
    return {
        "Date: " + fecha.toString(Qt::RFC2822Date).toLatin1(),
        "From: " + CodificaBuzon(remitente),
        "To: " + para.join(", "),
        "Subject: " + CodificaTextoEncabezado(mensaje.asunto),
        "Message-ID: <" + id + '@' + dominio.toLatin1() + '>',
    };
}
