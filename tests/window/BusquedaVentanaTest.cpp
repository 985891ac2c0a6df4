#include "support/escaneo/BaseEscaneo.h"

#include "daterange/FhOcx.h"
#include "platform/dialogs/Dialogos.h"
#include "platform/dialogs/Twips.h"
#include "window/FlexGrid.h"
#include "window/FrmEscaneo.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <memory>

namespace {

class BusquedaVentana : public BaseEscaneo {
protected:
    void SetUp() override
    {
        BaseEscaneo::SetUp();
        inicia();
        ventana = std::make_unique<FrmEscaneo>();
    }
    void TearDown() override
    {
        ventana.reset();
        BaseEscaneo::TearDown();
    }

    GrillaFlex& grilla() { return ventana->MSFlexGrid1->grilla(); }
    void escribe(const char* campo, const char* texto) { ventana->Campo(QLatin1String(campo))->setText(QLatin1String(texto)); }
    // What the wait window was told, without the rows it showed.
    std::vector<QString> espera()
    {
        std::vector<QString> pasos;
        for (const QString& paso : dialogos->espera) {
            if (!paso.startsWith(QStringLiteral("Actualiza:")))
                pasos.push_back(paso);
        }
        return pasos;
    }

    // How many rows a search finds: the sales and purchases that meet the
    // condition and are not annulled.
    long comprobantes(const QString& condicion)
    {
        const QString donde = QStringLiteral(" WHERE ANULADA = 0 AND ") + condicion;
        return cuenta(QStringLiteral("V_MV_CPTE") + donde) + cuenta(QStringLiteral("C_MV_CPTE") + donde);
    }

    std::unique_ptr<FrmEscaneo> ventana;
};

const std::vector<QString> MuestraYCierra = {QStringLiteral("Muestra:Cargando"), QStringLiteral("Cierra")};

}

TEST_F(BusquedaVentana, SearchFillsTheGridAndClearsTheSelection)
{
    ventana->LblNombre->setText(QStringLiteral("viejo.jpg"));
    escribe("ResCuenta", "1001");
    escribe("ResTC", "FC");
    escribe("ResCpte", "000100000012A");
    escribe("Cuenta", "2001");
    ventana->CmdBuscar->click();
    const long filas = comprobantes(QStringLiteral("CUENTA = '2001'"));
    ASSERT_GT(filas, 1);
    EXPECT_EQ(grilla().Rows(), filas + 2);
    EXPECT_EQ(grilla().TextMatrix(1, 1), QStringLiteral("2001"));
    EXPECT_EQ(ventana->LblNombre->text(), QString());
    EXPECT_EQ(ventana->LblFecha->text(), QStringLiteral("..."));
    for (const char* campo : {"ResCuenta", "ResTC", "ResCpte"})
        EXPECT_EQ(ventana->Campo(QLatin1String(campo))->text(), QString()) << campo;
    EXPECT_EQ(espera(), MuestraYCierra);
    EXPECT_TRUE(dialogos->avisos.empty());

    // The view shows the heading row as headings, widths in twips, bold rows.
    QAbstractItemModel* modelo = ventana->MSFlexGrid1->model();
    EXPECT_EQ(modelo->rowCount(), filas + 1);
    EXPECT_EQ(modelo->headerData(3, Qt::Horizontal).toString(), QStringLiteral("Cpte"));
    EXPECT_EQ(ventana->MSFlexGrid1->columnWidth(5), Px(3500));
    for (int r = 0; r < filas; ++r)
        EXPECT_EQ(modelo->data(modelo->index(r, 1), Qt::FontRole).value<QFont>().bold(),
                  grilla().CellFontBold(r + 1, 1));
    EXPECT_EQ(ventana->MSFlexGrid1->Row(), 0);
    ventana->MSFlexGrid1->selectRow(2);
    EXPECT_EQ(ventana->MSFlexGrid1->Row(), 3);
}

TEST_F(BusquedaVentana, TheTickedBoxSearchesTheScansAndThePeriodBoundsTheDates)
{
    ventana->FhOcx1->setHoy([] { return QDate(2025, 6, 30); });
    QComboBox* periodos = ventana->FhOcx1->CmbComboFH;
    periodos->setCurrentIndex(periodos->findText(QStringLiteral("Año pasado")));
    emit periodos->activated(periodos->currentIndex());
    ventana->CmdBuscar_Click();
    const QString anio = QStringLiteral("FECHA >= '2024-01-01' AND FECHA < '2025-01-01'");
    EXPECT_EQ(grilla().Rows(), comprobantes(anio) + 2);
    EXPECT_GT(grilla().Rows(), 2);
    ventana->ChksoloEscaneado->setChecked(true);
    ventana->CmdBuscar_Click();
    EXPECT_EQ(grilla().Rows(),
              cuenta(QStringLiteral("CTROL_ESCANEO WHERE (Eliminado = 0 OR Eliminado IS NULL) AND ") + anio) + 2);
    EXPECT_GT(grilla().Rows(), 2);
}

TEST_F(BusquedaVentana, AnInvalidDateShowsAMessageAndRunsNoSearch)
{
    ventana->CmdBuscar_Click();
    const int filas = grilla().Rows();
    dialogos->espera.clear();
    ventana->FhOcx1->setFh_Hasta(QStringLiteral("31/02/2025"));
    ventana->CmdBuscar_Click();
    ASSERT_EQ(dialogos->avisos.size(), 1u);
    EXPECT_EQ(dialogos->avisos[0].mensaje, QStringLiteral("Debe ingresar un formato de fecha válido!!!"));
    EXPECT_EQ(dialogos->avisos[0].botones, Botones::IconoCritico);
    EXPECT_EQ(dialogos->avisos[0].titulo, QStringLiteral("Aviso al Operador"));
    EXPECT_TRUE(dialogos->espera.empty());
    EXPECT_EQ(grilla().Rows(), filas);
}

TEST_F(BusquedaVentana, AFailingQueryClosesTheWaitWindowAndTheAnswerDecides)
{
    ejecuta(QStringLiteral("ALTER TABLE V_MV_CPTE RENAME TO V_MV_CPTE_APARTE"));
    const struct {
        int respuesta;
        long filas;
    } casos[] = {{Resultado::Abortar, 2}, {Resultado::Ignorar, cuenta(QStringLiteral("C_MV_CPTE WHERE ANULADA = 0")) + 2}};
    for (const auto& c : casos) {
        dialogos->avisos.clear();
        dialogos->espera.clear();
        dialogos->responde(c.respuesta);
        ventana->CmdBuscar_Click();
        ASSERT_EQ(dialogos->avisos.size(), 1u);
        EXPECT_TRUE(dialogos->avisos[0].mensaje.contains(QStringLiteral("V_MV_CPTE")));
        EXPECT_EQ(dialogos->avisos[0].botones, Botones::AbortarReintentarIgnorar + Botones::IconoCritico);
        EXPECT_EQ(espera(), (std::vector<QString>{QStringLiteral("Muestra:Cargando"), QStringLiteral("Cierra"),
                                                  QStringLiteral("Cierra")}));
        EXPECT_EQ(grilla().Rows(), c.filas);
    }
}

TEST_F(BusquedaVentana, RetryRunsTheFailedStatementAgain)
{
    ejecuta(QStringLiteral("ALTER TABLE C_MV_CPTE RENAME TO C_MV_CPTE_APARTE"));
    dialogos->responde(Resultado::Reintentar).responde(Resultado::Abortar);
    ventana->CmdBuscar_Click();
    EXPECT_EQ(dialogos->avisos.size(), 2u);
    // The sales were in before the purchases failed, and stay.
    EXPECT_EQ(grilla().Rows(), cuenta(QStringLiteral("V_MV_CPTE WHERE ANULADA = 0")) + 2);
}

TEST_F(BusquedaVentana, CancelClearsTheGridAndTheSelection)
{
    ventana->CmdBuscar_Click();
    ventana->LblNombre->setText(QStringLiteral("x.jpg"));
    ventana->LblFecha->setText(QStringLiteral("01/01/2025"));
    escribe("ResCuenta", "1001");
    escribe("ImagenFac", "/tmp/x.jpg");
    ventana->CmdCancelar->click();
    EXPECT_EQ(grilla().Rows(), 2);
    EXPECT_EQ(grilla().Cols(), 7);
    EXPECT_EQ(grilla().TextMatrix(0, 1), QString());
    EXPECT_EQ(grilla().TextMatrix(1, 3), QString());
    EXPECT_FALSE(grilla().CellFontBold(1, 3));
    EXPECT_EQ(ventana->LblNombre->text(), QString());
    EXPECT_EQ(ventana->LblFecha->text(), QStringLiteral("..."));
    EXPECT_EQ(ventana->Campo(QStringLiteral("ResCuenta"))->text(), QString());
    // The image to assign is not part of the selection it clears.
    EXPECT_EQ(ventana->Campo(QStringLiteral("ImagenFac"))->text(), QStringLiteral("/tmp/x.jpg"));
}
