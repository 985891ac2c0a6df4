#include "platform/objects/LectorIni.h"

#include "platform/base/ArchivoSeguro.h"
#include "platform/base/Cp1252.h"
#include "platform/objects/Sistema.h"
#include "platform/objects/Utilidades.h"

#include <QStringList>

namespace {

QString rutaDe(const QString& archivo)
{
    if (archivo.contains(u'/'))
        return archivo;
    return Utilidades().AgregaBarra(Sistema().CarpetaPrograma()) + archivo;
}

QStringList lineasDe(const QString& ruta)
{
    QByteArray contenido;
    try {
        contenido = LeeArchivoCompleto(ruta);
    } catch (const Err& e) {
        // Another program may remove the file at any moment: a file gone
        // before it was read reads as missing, as one never there.
        if (e.Number != NumeroError::ArchivoNoEncontrado)
            throw;
        return {};
    }
    QStringList lineas = DeCp1252(contenido).split(u'\n');
    if (!lineas.isEmpty() && lineas.last().isEmpty())
        lineas.removeLast();
    for (QString& l : lineas) {
        if (l.endsWith(u'\r'))
            l.chop(1);
    }
    return lineas;
}

bool esSeccion(const QString& linea, QString* nombre = nullptr)
{
    const QString t = linea.trimmed();
    const qsizetype cierre = t.indexOf(u']');
    if (!t.startsWith(u'[') || cierre < 0)
        return false;
    if (nombre)
        *nombre = t.mid(1, cierre - 1).trimmed();
    return true;
}

// The key of a "key=value" line; empty for comments and other lines.
QString claveDe(const QString& linea)
{
    const QString t = linea.trimmed();
    const qsizetype igual = t.indexOf(u'=');
    if (t.startsWith(u';') || igual <= 0)
        return QString();
    return t.left(igual).trimmed();
}

// Where a key stands: the first section of that name, the line after its
// last line, and the key's line (-1 for what is missing).
struct Ubicacion {
    qsizetype seccion = -1;
    qsizetype finSeccion = -1;
    qsizetype clave = -1;
};

Ubicacion ubica(const QStringList& lineas, const QString& seccion, const QString& clave)
{
    Ubicacion u;
    for (qsizetype i = 0; i < lineas.size(); ++i) {
        QString nombre;
        if (esSeccion(lineas[i], &nombre)) {
            if (u.seccion >= 0) {
                u.finSeccion = i;
                return u;
            }
            if (nombre.compare(seccion, Qt::CaseInsensitive) == 0)
                u.seccion = i;
        } else if (u.seccion >= 0 && u.clave < 0) {
            const QString k = claveDe(lineas[i]);
            if (!k.isEmpty() && k.compare(clave, Qt::CaseInsensitive) == 0)
                u.clave = i;
        }
    }
    if (u.seccion >= 0)
        u.finSeccion = lineas.size();
    return u;
}

}

QString LectorIni::LeeValor(const QString& archivo, const QString& seccion, const QString& clave,
                            const QString& porDefecto) const
{
    const QStringList lineas = lineasDe(rutaDe(archivo));
    const Ubicacion u = ubica(lineas, seccion, clave);
    if (u.clave < 0)
        return porDefecto;
    const QString& linea = lineas[u.clave];
    return linea.mid(linea.indexOf(u'=') + 1).trimmed();
}

void LectorIni::EscribeValor(const QString& archivo, const QString& seccion, const QString& clave,
                             const QString& valor) const
{
    const QString ruta = rutaDe(archivo);
    QStringList lineas = lineasDe(ruta);
    const Ubicacion u = ubica(lineas, seccion, clave);
    if (u.clave >= 0) {
        lineas[u.clave] = claveDe(lineas[u.clave]) + u'=' + valor;
    } else if (u.seccion >= 0) {
        // After the section's last entry, leaving its trailing blank lines.
        qsizetype despues = u.finSeccion;
        while (despues > u.seccion + 1 && lineas[despues - 1].trimmed().isEmpty())
            --despues;
        lineas.insert(despues, clave + u'=' + valor);
    } else {
        if (!lineas.isEmpty() && !lineas.last().trimmed().isEmpty())
            lineas << QString();
        lineas << u'[' + seccion + u']' << clave + u'=' + valor;
    }
    EscribeArchivoCompleto(ruta, ACp1252(lineas.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")));
}
