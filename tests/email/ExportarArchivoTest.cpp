#include "email/ExportarArchivo.h"

#include "platform/base/ArchivoSeguro.h"
#include "platform/dialogs/Dialogos.h"
#include "platform/reports/ExportaInforme.h"
#include "support/DialogosGuionados.h"
#include "support/ParteReal.h"
#include "support/TextoPdf.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class ExportarArchivoTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ContenidoInforme c;
        c.titulo = QStringLiteral("Recibo");
        c.empresa = {QStringLiteral("D'Angelo e Hijos")};
        c.datos = {{QStringLiteral("Número"), QStringLiteral("0001-00000101")}};
        c.columnas = {{QStringLiteral("Comprobante"), 40, Diseno::Alineacion::Izquierda},
                      {QStringLiteral("Importe"), 30, Diseno::Alineacion::Derecha}};
        c.lineas = {{Diseno::ClaseFila::Columnas, {QStringLiteral("FC  -000100000012A"), QStringLiteral("1000.00")}}};
        c.totales = {{QStringLiteral("Son"), QStringLiteral("Mil Ochocientos Setenta Pesos")}};
        ExportaInforme(c, guardado, 7);
    }

    QString mensajeError(const QString& detalle) const
    {
        return QStringLiteral("Ha ocurrido el siguiente error al intentar exportar el Archivo ") + detalle;
    }

    QTemporaryDir dir;
    QString guardado = dir.filePath(QStringLiteral("CB-A.inf"));
    QString destino = dir.filePath(QStringLiteral("CB-A.pdf"));
    ConDialogosGuionados dialogos;
};

TEST_F(ExportarArchivoTest, ASavedReportBecomesAPdfThatQtPdfOpensAndTheSourceStays)
{
    EXIGE_PARTE_REAL(HayPdftotext(), "poppler-utils (pdftotext) is not installed");
    EXPECT_TRUE(ExportarArchivo(guardado, destino, 31));
    EXPECT_EQ(PaginasPdf(destino), 1);
    const QString texto = TextoPdf(destino);
    EXPECT_TRUE(texto.contains(QStringLiteral("D'Angelo e Hijos")));
    EXPECT_TRUE(texto.contains(QStringLiteral("Mil Ochocientos Setenta Pesos")));
    EXPECT_TRUE(QFileInfo(guardado).isFile());
    EXPECT_TRUE(dialogos->avisos.empty());
}

TEST_F(ExportarArchivoTest, AMissingReportIsToldWithItsPathOnTheSecondLineAndNothingIsWritten)
{
    const QString falta = dir.filePath(QStringLiteral("no-esta.inf"));
    EXPECT_FALSE(ExportarArchivo(falta, destino, 31));
    ASSERT_EQ(dialogos->avisos.size(), 1u);
    EXPECT_EQ(dialogos->avisos[0].mensaje, QStringLiteral("No se encontró el Reporte: \r\n") + falta);
    EXPECT_EQ(dialogos->avisos[0].botones, Botones::SoloAceptar + Botones::IconoInformacion);
    EXPECT_EQ(dialogos->avisos[0].titulo, QStringLiteral("Aviso al Operador!!!"));
    EXPECT_FALSE(QFileInfo::exists(destino));
}

TEST_F(ExportarArchivoTest, IgnoringAFailedOpenReportsEachLaterStepAndSaysNothingWasWritten)
{
    const QString ajeno = dir.filePath(QStringLiteral("ajeno.rpt"));
    EscribeArchivoCompleto(ajeno, "\xD0\xCF\x11\xE0 Crystal");
    dialogos->responde(Resultado::Ignorar).responde(Resultado::Ignorar).responde(Resultado::Ignorar).responde(Resultado::Ignorar);
    EXPECT_FALSE(ExportarArchivo(ajeno, destino, 31));
    const QString sinInforme = mensajeError(QStringLiteral("91 No hay un informe abierto para exportar."));
    EXPECT_EQ(dialogos->mensajes(),
              (QStringList{mensajeError(QStringLiteral("5 El archivo %1 no es un informe guardado por este sistema.").arg(ajeno)),
                           sinInforme, sinInforme, sinInforme}));
    EXPECT_EQ(dialogos->avisos[0].botones, Botones::AbortarReintentarIgnorar + Botones::IconoPregunta);
    EXPECT_EQ(dialogos->avisos[0].titulo, QStringLiteral("ExportarArchivo"));
    EXPECT_FALSE(QFileInfo::exists(destino));
}

TEST_F(ExportarArchivoTest, RetryRunsTheFailingStepAgainAndAbortLeaves)
{
    dialogos->responde(Resultado::Reintentar).responde(Resultado::Abortar);
    EXPECT_FALSE(ExportarArchivo(guardado, destino, 99));
    const QString formato = mensajeError(
        QStringLiteral("5 El formato de exportación «99» no es conocido; no se exportó %1.").arg(destino));
    EXPECT_EQ(dialogos->mensajes(), (QStringList{formato, formato}));
    EXPECT_FALSE(QFileInfo::exists(destino));
    EXPECT_TRUE(QFileInfo(guardado).isFile());
}

}
