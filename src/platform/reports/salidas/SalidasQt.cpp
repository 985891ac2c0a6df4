#include "platform/reports/salidas/SalidasQt.h"

#include "platform/reports/salidas/VistaPdfQt.h"

#include <QFile>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>

#include <xlsxwriter.h>

#include <memory>

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
    // Closed, and so freed, also when a row throws on the way.
    const auto cierra = [](lxw_workbook* l) { return workbook_close(l); };
    std::unique_ptr<lxw_workbook, decltype(cierra)> libro(workbook_new(QFile::encodeName(ruta).constData()), cierra);
    if (!libro)
        return ResultadoHoja::NoCreada;
    lxw_worksheet* hoja = workbook_add_worksheet(libro.get(), "Informe");
    lxw_format* negrita = workbook_add_format(libro.get());
    format_set_bold(negrita);
    for (lxw_row_t fila = 0; fila < lxw_row_t(filas.size()); ++fila) {
        const FilaHoja& f = filas[int(fila)];
        for (int i = 0; i < f.textos.size(); ++i)
            if (!f.textos[i].isEmpty())
                worksheet_write_string(hoja, fila, lxw_col_t(i), f.textos[i].toUtf8().constData(),
                                       f.negrita ? negrita : nullptr);
    }
    return cierra(libro.release()) == LXW_NO_ERROR ? ResultadoHoja::Escrita : ResultadoHoja::NoEscrita;
}
