#include "platform/reports/ExportaInforme.h"
#include "platform/reports/InformeGuardado.h"

#include "platform/base/ArchivoSeguro.h"
#include "platform/base/Cp1252.h"
#include "platform/base/Err.h"
#include "support/FormatosDePrueba.h"
#include "support/ParteReal.h"
#include "support/TextoPdf.h"
#include "support/VariableTemporal.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const char* const Diseno_ = R"(DISENO-ESCANEO 1
titulo: Nota de Crédito
vista: AUX_MV_CPTE
une: V_MV_CPTE | AUX_MV_CPTE | TC IDCOMPROBANTE
tipo: AUX_MV_CPTE.TIPO
empresa: NombreEmpresa | Localidad
dato: Número | V_MV_CPTE.IDCOMPROBANTE | numero
dato: Fecha | V_MV_CPTE.FECHA | fecha
columna: Código | 25 | izquierda
columna: Descripción | 100 | izquierda
columna: Importe | 30 | derecha
titulo M: AUX_MV_CPTE.SECCION
fila IN: AUX_MV_CPTE.COLUMNA1 | AUX_MV_CPTE.COLUMNA2 | AUX_MV_CPTE.COLUMNA6
texto IN: Series | AUX_MV_CPTE.COLUMNA9
total: Total | V_MV_CPTE.IMPORTE | importe
bloque RP_CpteObs: Observaciones | AUX_MV_CPTE.ENCABEZADO
)";

// A voucher's print rows as the engine reads them, with the formulas the
// callers pass.
ContenidoInforme contenido()
{
    const Diseno d = InterpretaDiseno(QString::fromUtf8(Diseno_), QStringLiteral("NC-A.rpt"));
    TablaInforme t;
    t.campos = d.campos();
    auto fila = [&](std::initializer_list<std::pair<const char*, QVariant>> valores) {
        QVector<QVariant> f(t.campos.size());
        for (const auto& [campo, valor] : valores)
            f[t.indice(QLatin1String(campo))] = valor;
        f[t.indice("V_MV_CPTE.IDCOMPROBANTE")] = QStringLiteral("000100000004A");
        f[t.indice("V_MV_CPTE.FECHA")] = QDateTime(QDate(2025, 3, 10), QTime(0, 0));
        f[t.indice("V_MV_CPTE.IMPORTE")] = 1234.5;
        f[t.indice("AUX_MV_CPTE.ENCABEZADO")] = QStringLiteral("Devolución <parcial> & {urgente}");
        t.filas << f;
    };
    fila({{"AUX_MV_CPTE.TIPO", "M"}, {"AUX_MV_CPTE.SECCION", "Insumos"}});
    fila({{"AUX_MV_CPTE.TIPO", "IN"}, {"AUX_MV_CPTE.COLUMNA1", "ART002"}, {"AUX_MV_CPTE.COLUMNA2", "Taladro percutor"},
          {"AUX_MV_CPTE.COLUMNA6", "400.00"}, {"AUX_MV_CPTE.COLUMNA9", "TP-88121 TP-88122"}});
    return ArmaContenido(d, t, ListaFormulas({"NombreEmpresa = 'D'Angelo e Hijos'", "Localidad= 'Córdoba'"}),
                         {"RP_CpteObs", "desconocido", ""});
}

class ExportaInformeTest : public ::testing::Test {
protected:
    QString exporta(const QVariant& formato, const char* nombre)
    {
        const QString ruta = dir.filePath(QLatin1String(nombre));
        ExportaInforme(contenido(), ruta, formato);
        return ruta;
    }
    ConFormatoNumerico formato{FormatoPunto()};
    QTemporaryDir dir;
    // The spreadsheet is made in the temporary folder first.
    VariableTemporal temp{"TEMP", QFile::encodeName(dir.path())};
};

TEST_F(ExportaInformeTest, ThePdfOpensInQtPdfAndHoldsEveryPart)
{
    EXIGE_PARTE_REAL(HayPdftotext(), "poppler-utils (pdftotext) is not installed");
    const QString pdf = exporta(QStringLiteral("31"), "nc.pdf");
    EXPECT_EQ(PaginasPdf(pdf), 1);
    const QString texto = TextoPdf(pdf);
    for (const char* parte : {"D'Angelo e Hijos", "Córdoba", "Nota de Crédito", "0001-00000004", "10/03/2025", "Código",
                              "Insumos", "ART002", "Taladro percutor", "400.00", "Series: TP-88121 TP-88122", "Total",
                              "1,234.50", "Observaciones", "Devolución <parcial> & {urgente}", "Hoja 1 de 1"})
        EXPECT_TRUE(texto.contains(QString::fromUtf8(parte))) << parte << "\n" << texto.toStdString();
}

TEST_F(ExportaInformeTest, HtmlAndRtfAreTextInTheSystemCodePageWithTheirMarkupEscaped)
{
    const QString html = DeCp1252(LeeArchivoCompleto(exporta(22, "nc.html")));
    EXPECT_TRUE(html.contains(QStringLiteral("<h1>Nota de Crédito</h1>")));
    EXPECT_TRUE(html.contains(QStringLiteral("<div>D'Angelo e Hijos</div>")));
    EXPECT_TRUE(html.contains(QStringLiteral("<li>Devolución &lt;parcial&gt; &amp; {urgente}</li>")));
    EXPECT_TRUE(html.contains(QStringLiteral("<td style=\"text-align:right\">400.00</td>")));

    const QByteArray rtf = LeeArchivoCompleto(exporta(QStringLiteral(" 15 "), "nc.rtf"));
    EXPECT_TRUE(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252"));
    EXPECT_TRUE(rtf.contains("Nota de Cr\\'e9dito"));
    EXPECT_TRUE(rtf.contains("Devoluci\\'f3n <parcial> & \\{urgente\\}"));
    EXPECT_TRUE(rtf.contains("\\intbl\\qr {400.00}\\cell"));
    EXPECT_TRUE(rtf.endsWith("}\n"));
}

TEST_F(ExportaInformeTest, TheSpreadsheetIsAZipWhoseSheetHoldsTheCells)
{
    const QString xlsx = exporta(25, "nc.xlsx");
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"),
                 {QStringLiteral("-c"), QStringLiteral("import sys, zipfile; z = zipfile.ZipFile(sys.argv[1]); "
                                                       "print(z.read('xl/sharedStrings.xml').decode())"),
                  xlsx});
    ASSERT_TRUE(python.waitForFinished(30000));
    ASSERT_EQ(python.exitCode(), 0) << python.readAllStandardError().toStdString();
    const QString celdas = QString::fromUtf8(python.readAllStandardOutput());
    for (const char* celda : {"Nota de Crédito", "D'Angelo e Hijos", "ART002", "Taladro percutor", "1,234.50",
                              "Devolución &lt;parcial&gt; &amp; {urgente}"})
        EXPECT_TRUE(celdas.contains(QString::fromUtf8(celda))) << celda;
}

TEST_F(ExportaInformeTest, ASavedReportReadsBackAsItWasAndOtherFilesAreRefused)
{
    const QString guardado = exporta(7, "nc.inf");
    const ContenidoInforme leido = LeeInformeGuardado(guardado);
    EXPECT_EQ(GuardaInforme(leido), GuardaInforme(contenido()));
    EXPECT_EQ(leido.lineas.size(), 3);
    EXPECT_EQ(leido.columnas[2].alineacion, Diseno::Alineacion::Derecha);

    const QString html = exporta(22, "nc.html");
    try {
        LeeInformeGuardado(html);
        FAIL();
    } catch (const Err& e) {
        EXPECT_EQ(e.Description, QStringLiteral("El archivo %1 no es un informe guardado por este sistema.").arg(html));
    }
}

TEST_F(ExportaInformeTest, AnUnknownFormatOrAMissingPathIsToldAndWritesNothing)
{
    for (const QVariant& formato : {QVariant(0), QVariant(QStringLiteral("PDF")), QVariant(99), QVariant()}) {
        try {
            exporta(formato, "nada.out");
            FAIL() << formato.toString().toStdString();
        } catch (const Err& e) {
            EXPECT_EQ(e.Description, QStringLiteral("El formato de exportación «%1» no es conocido; no se exportó %2.")
                                         .arg(formato.toString(), dir.filePath(QStringLiteral("nada.out"))));
        }
    }
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("nada.out"))));
    EXPECT_THROW(ExportaInforme(contenido(), QStringLiteral(" "), 31), Err);
}

}
