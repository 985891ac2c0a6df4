#include "platform/reports/InformeGuardado.h"

#include "platform/base/ArchivoSeguro.h"
#include "platform/base/Err.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

const QString Marca = QStringLiteral("informe-escaneo");

QJsonArray pares(const QList<ContenidoInforme::Par>& lista)
{
    QJsonArray a;
    for (const auto& p : lista)
        a.append(QJsonArray{p.rotulo, p.valor});
    return a;
}

QList<ContenidoInforme::Par> leePares(const QJsonValue& v)
{
    QList<ContenidoInforme::Par> lista;
    for (const QJsonValue& p : v.toArray())
        lista << ContenidoInforme::Par{p[0].toString(), p[1].toString()};
    return lista;
}

QStringList textos(const QJsonValue& v)
{
    QStringList t;
    for (const QJsonValue& s : v.toArray())
        t << s.toString();
    return t;
}

}

QByteArray GuardaInforme(const ContenidoInforme& c)
{
    QJsonArray columnas, lineas, bloques;
    for (const auto& col : c.columnas)
        columnas.append(QJsonArray{col.rotulo, col.ancho, int(col.alineacion)});
    for (const auto& l : c.lineas)
        lineas.append(QJsonArray{int(l.clase), QJsonArray::fromStringList(l.textos)});
    for (const auto& b : c.bloques)
        bloques.append(QJsonArray{b.rotulo, QJsonArray::fromStringList(b.valores)});
    const QJsonObject o{{QStringLiteral("formato"), Marca},
                        {QStringLiteral("version"), 1},
                        {QStringLiteral("titulo"), c.titulo},
                        {QStringLiteral("empresa"), QJsonArray::fromStringList(c.empresa)},
                        {QStringLiteral("datos"), pares(c.datos)},
                        {QStringLiteral("columnas"), columnas},
                        {QStringLiteral("lineas"), lineas},
                        {QStringLiteral("totales"), pares(c.totales)},
                        {QStringLiteral("bloques"), bloques}};
    return QJsonDocument(o).toJson(QJsonDocument::Compact);
}

ContenidoInforme LeeInformeGuardado(const QString& ruta)
{
    if (!QFileInfo(ruta).isFile())
        throw Err(NumeroError::ArchivoNoEncontrado, QStringLiteral("No se encuentra el informe %1.").arg(ruta));
    const QJsonObject o = QJsonDocument::fromJson(LeeArchivoCompleto(ruta)).object();
    if (o.value(QStringLiteral("formato")).toString() != Marca || o.value(QStringLiteral("version")).toInt() != 1)
        throw Err(NumeroError::LlamadaInvalida,
                  QStringLiteral("El archivo %1 no es un informe guardado por este sistema.").arg(ruta));
    ContenidoInforme c;
    c.titulo = o.value(QStringLiteral("titulo")).toString();
    c.empresa = textos(o.value(QStringLiteral("empresa")));
    c.datos = leePares(o.value(QStringLiteral("datos")));
    for (const QJsonValue& col : o.value(QStringLiteral("columnas")).toArray())
        c.columnas << Diseno::Columna{col[0].toString(), col[1].toDouble(),
                                      Diseno::Alineacion(std::clamp(col[2].toInt(), 0, 2))};
    for (const QJsonValue& l : o.value(QStringLiteral("lineas")).toArray())
        c.lineas << ContenidoInforme::Linea{Diseno::ClaseFila(std::clamp(l[0].toInt(), 0, 3)), textos(l[1])};
    c.totales = leePares(o.value(QStringLiteral("totales")));
    for (const QJsonValue& b : o.value(QStringLiteral("bloques")).toArray())
        c.bloques << ContenidoInforme::Bloque{b[0].toString(), textos(b[1])};
    return c;
}
