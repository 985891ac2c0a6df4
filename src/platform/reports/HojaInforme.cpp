#include "platform/reports/HojaInforme.h"

#include "platform/base/ArchivoSeguro.h"
#include "platform/base/Err.h"
#include "platform/base/Rutas.h"

#include <QFile>
#include <QTemporaryFile>

#include <xlsxwriter.h>

namespace {

class Hoja {
public:
    explicit Hoja(const QString& ruta) : libro_(workbook_new(QFile::encodeName(ruta).constData()))
    {
        if (!libro_)
            throw Err(NumeroError::ErrorAccesoRuta, QStringLiteral("No se pudo crear la hoja de cálculo %1.").arg(ruta));
        hoja_ = workbook_add_worksheet(libro_, "Informe");
        negrita_ = workbook_add_format(libro_);
        format_set_bold(negrita_);
    }
    ~Hoja()
    {
        if (libro_)
            workbook_close(libro_);
    }
    Hoja(const Hoja&) = delete;
    Hoja& operator=(const Hoja&) = delete;

    void fila(const QStringList& textos, bool negrita = false)
    {
        for (int i = 0; i < textos.size(); ++i)
            if (!textos[i].isEmpty())
                worksheet_write_string(hoja_, fila_, lxw_col_t(i), textos[i].toUtf8().constData(),
                                       negrita ? negrita_ : nullptr);
        ++fila_;
    }

    void cierra(const QString& ruta)
    {
        lxw_workbook* libro = libro_;
        libro_ = nullptr;
        if (workbook_close(libro) != LXW_NO_ERROR)
            throw Err(NumeroError::ErrorAccesoRuta, QStringLiteral("No se pudo escribir la hoja de cálculo %1.").arg(ruta));
    }

private:
    lxw_workbook* libro_;
    lxw_worksheet* hoja_ = nullptr;
    lxw_format* negrita_ = nullptr;
    lxw_row_t fila_ = 0;
};

}

QByteArray InformeHoja(const ContenidoInforme& c)
{
    // The library writes only to a named file: a private one in TEMP.
    QTemporaryFile archivo(CarpetaTemporalSistema() + QStringLiteral("informe-XXXXXX.xlsx"));
    if (!archivo.open())
        throw Err(NumeroError::ErrorAccesoRuta, QStringLiteral("No se pudo crear un archivo temporal para la hoja de cálculo."));
    const QString ruta = archivo.fileName();
    archivo.close();
    Hoja h(ruta);
    for (const QString& e : c.empresa)
        h.fila({e});
    h.fila({c.titulo}, true);
    for (const auto& d : c.datos)
        h.fila({d.rotulo, d.valor});
    h.fila({});
    QStringList rotulos;
    for (const auto& col : c.columnas)
        rotulos << col.rotulo;
    h.fila(rotulos, true);
    for (const auto& l : c.lineas)
        h.fila(l.textos, l.clase == Diseno::ClaseFila::Titulo);
    h.fila({});
    for (const auto& t : c.totales)
        h.fila({t.rotulo, t.valor});
    for (const auto& b : c.bloques) {
        h.fila({b.rotulo}, true);
        for (const QString& v : b.valores)
            h.fila({v});
    }
    h.cierra(ruta);
    return LeeArchivoCompleto(ruta);
}
