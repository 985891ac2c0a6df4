#include "platform/reports/HojaInforme.h"

#include "platform/base/ArchivoSeguro.h"
#include "platform/base/Err.h"
#include "platform/base/Rutas.h"
#include "platform/reports/SalidasInforme.h"

#include <QTemporaryFile>

QByteArray InformeHoja(const ContenidoInforme& c)
{
    // The library writes only to a named file: a private one in TEMP.
    QTemporaryFile archivo(CarpetaTemporalSistema() + QStringLiteral("informe-XXXXXX.xlsx"));
    if (!archivo.open())
        throw Err(NumeroError::ErrorAccesoRuta, QStringLiteral("No se pudo crear un archivo temporal para la hoja de cálculo."));
    const QString ruta = archivo.fileName();
    archivo.close();
    QList<FilaHoja> filas;
    const auto fila = [&](const QStringList& textos, bool negrita = false) { filas.append({textos, negrita}); };
    for (const QString& e : c.empresa)
        fila({e});
    fila({c.titulo}, true);
    for (const auto& d : c.datos)
        fila({d.rotulo, d.valor});
    fila({});
    QStringList rotulos;
    for (const auto& col : c.columnas)
        rotulos << col.rotulo;
    fila(rotulos, true);
    for (const auto& l : c.lineas)
        fila(l.textos, l.clase == Diseno::ClaseFila::Titulo);
    fila({});
    for (const auto& t : c.totales)
        fila({t.rotulo, t.valor});
    for (const auto& b : c.bloques) {
        fila({b.rotulo}, true);
        for (const QString& v : b.valores)
            fila({v});
    }
    switch (Salidas().EscribeHoja(ruta, filas)) {
    case ResultadoHoja::NoCreada:
        throw Err(NumeroError::ErrorAccesoRuta, QStringLiteral("No se pudo crear la hoja de cálculo %1.").arg(ruta));
    case ResultadoHoja::NoEscrita:
        throw Err(NumeroError::ErrorAccesoRuta, QStringLiteral("No se pudo escribir la hoja de cálculo %1.").arg(ruta));
    case ResultadoHoja::Escrita:
        break;
    }
    return LeeArchivoCompleto(ruta);
}
