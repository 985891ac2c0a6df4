#include "platform/reports/salidas/SalidasQt.h"

#include "platform/reports/salidas/VistaPdfQt.h"

#include <QFile>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>

#include <xlsxwriter.h>

QString SalidasQt::ColaPredeterminada()
{
    return QPrinterInfo::defaultPrinterName();
}

QStringList SalidasQt::Colas()
{
    return QPrinterInfo::availablePrinterNames();
}

bool SalidasQt::Imprime(const QString& cola, const QString& titulo,
                        const std::function<void(QPagedPaintDevice&)>& pinta)
{
    QPrinter impresora(QPrinter::HighResolution);
    impresora.setPrinterName(cola);
    if (!impresora.isValid())
        return false;
    impresora.setFullPage(true);
    impresora.setPageSize(QPageSize(QPageSize::A4));
    impresora.setDocName(titulo);
    pinta(impresora);
    return true;
}

VistaPdf* SalidasQt::CreaVistaPdf(const QByteArray& pdf, QWidget* padre)
{
    return new VistaPdfQt(pdf, padre);
}

ResultadoHoja SalidasQt::EscribeHoja(const QString& ruta, const QList<FilaHoja>& filas)
{
    lxw_workbook* libro = workbook_new(QFile::encodeName(ruta).constData());
    if (!libro)
        return ResultadoHoja::NoCreada;
    lxw_worksheet* hoja = workbook_add_worksheet(libro, "Informe");
    lxw_format* negrita = workbook_add_format(libro);
    format_set_bold(negrita);
    for (lxw_row_t fila = 0; fila < lxw_row_t(filas.size()); ++fila) {
        const FilaHoja& f = filas[int(fila)];
        for (int i = 0; i < f.textos.size(); ++i)
            if (!f.textos[i].isEmpty())
                worksheet_write_string(hoja, fila, lxw_col_t(i), f.textos[i].toUtf8().constData(),
                                       f.negrita ? negrita : nullptr);
    }
    return workbook_close(libro) == LXW_NO_ERROR ? ResultadoHoja::Escrita : ResultadoHoja::NoEscrita;
}
