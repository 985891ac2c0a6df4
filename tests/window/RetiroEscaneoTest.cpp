#include "support/escaneo/BaseEscaneo.h"

#include "platform/dialogs/Dialogos.h"
#include "window/FrmEscaneo.h"

#include <QLabel>
#include <QLineEdit>

#include <memory>

class RetiroEscaneo : public BaseEscaneo {
protected:
    void SetUp() override
    {
        BaseEscaneo::SetUp();
        inicia();
        ventana = std::make_unique<FrmEscaneo>();
        ejecuta(QStringLiteral("INSERT INTO CTROL_ESCANEO (Cuenta, Cpte, NombreArchivo) VALUES "
                               "('1001', 'FC  000100000012A', 'comun.bmp'), ('2001', 'FCC 000400001520A', 'comun.bmp')"));
    }
    void TearDown() override
    {
        ventana.reset();
        BaseEscaneo::TearDown();
    }

    void selecciona(const char* cuenta, const char* tc, const char* cpte, const QString& nombre)
    {
        ventana->Campo(QStringLiteral("ResCuenta"))->setText(QLatin1String(cuenta));
        ventana->Campo(QStringLiteral("ResTC"))->setText(QLatin1String(tc));
        ventana->Campo(QStringLiteral("ResCpte"))->setText(QLatin1String(cpte));
        ventana->LblNombre->setText(nombre);
    }
    long retiradas() { return cuenta(QStringLiteral("CTROL_ESCANEO WHERE Eliminado=1")); }

    std::unique_ptr<FrmEscaneo> ventana;
};

TEST_F(RetiroEscaneo, WithNoFileSelectedNothingIsAsked)
{
    const long antes = retiradas();
    ventana->CmdEliminar_Click();
    EXPECT_TRUE(dialogos->avisos.empty());
    EXPECT_TRUE(dialogos->espera.empty());
    EXPECT_EQ(retiradas(), antes);
}

TEST_F(RetiroEscaneo, AnsweringNoLeavesTheRegisterAsItWas)
{
    const long antes = retiradas();
    selecciona("1001", "FC", "000100000012A", QStringLiteral("comun.bmp"));
    dialogos->responde(Resultado::No);
    ventana->CmdEliminar_Click();
    ASSERT_EQ(dialogos->avisos.size(), 1u);
    EXPECT_EQ(dialogos->avisos[0].mensaje, QStringLiteral("¿Desea Eliminar el registro seleccionado? \r\ncomun.bmp"));
    EXPECT_EQ(dialogos->avisos[0].botones, 20);
    EXPECT_EQ(dialogos->avisos[0].titulo, QStringLiteral("Aviso al Operador"));
    EXPECT_EQ(retiradas(), antes);
}

TEST_F(RetiroEscaneo, OnlyTheFileOfTheChosenVoucherIsWithdrawn)
{
    const long antes = retiradas();
    selecciona("1001", "FC  ", " 000100000012A ", QStringLiteral("comun.bmp"));
    dialogos->responde(Resultado::Si);
    ventana->CmdEliminar_Click();
    EXPECT_EQ(retiradas(), antes + 1);
    EXPECT_EQ(cuenta(QStringLiteral("CTROL_ESCANEO WHERE Cuenta='1001' AND NombreArchivo='comun.bmp' "
                                    "AND Eliminado=1 AND EliminadoPor='demo'")),
              1);
    EXPECT_EQ(cuenta(QStringLiteral("CTROL_ESCANEO WHERE Cuenta='2001' AND NombreArchivo='comun.bmp' "
                                    "AND Eliminado IS NULL")),
              1);
    EXPECT_EQ(dialogos->espera, (std::vector<QString>{QStringLiteral("Muestra:Eliminando"),
                                                      QStringLiteral("Actualiza:Eliminando"), QStringLiteral("Cierra")}));
}

TEST_F(RetiroEscaneo, AFullPathMatchesNoRow)
{
    const long antes = retiradas();
    selecciona("1001", "FC", "000100000012A", dir.filePath(QStringLiteral("comun.bmp")));
    dialogos->responde(Resultado::Si);
    ventana->CmdEliminar_Click();
    EXPECT_EQ(dialogos->avisos.size(), 1u);
    EXPECT_EQ(retiradas(), antes);
}

TEST_F(RetiroEscaneo, ANameWithAnApostropheIsWithdrawnWithoutBreakingTheStatement)
{
    ejecuta(QStringLiteral("INSERT INTO CTROL_ESCANEO (Cuenta, Cpte, NombreArchivo) VALUES "
                           "('1001', 'FC  000100000012A', 'd''or.bmp')"));
    selecciona("1001", "FC", "000100000012A", QStringLiteral("d'or.bmp"));
    dialogos->responde(Resultado::Si);
    ventana->CmdEliminar_Click();
    EXPECT_EQ(dialogos->avisos.size(), 1u);
    EXPECT_EQ(cuenta(QStringLiteral("CTROL_ESCANEO WHERE NombreArchivo='d''or.bmp' AND Eliminado=1")), 1);
}

TEST_F(RetiroEscaneo, ADatabaseErrorClosesTheWaitAndIsShown)
{
    ejecuta(QStringLiteral("CREATE TRIGGER bloquea BEFORE UPDATE ON CTROL_ESCANEO "
                           "BEGIN SELECT RAISE(ABORT, 'registro bloqueado'); END"));
    selecciona("1001", "FC", "000100000012A", QStringLiteral("comun.bmp"));
    dialogos->responde(Resultado::Si);
    ventana->CmdEliminar_Click();
    ASSERT_EQ(dialogos->avisos.size(), 2u);
    EXPECT_TRUE(dialogos->avisos[1].mensaje.contains(QStringLiteral("registro bloqueado")));
    EXPECT_EQ(dialogos->avisos[1].titulo, QString());
    EXPECT_EQ(dialogos->espera.at(2), QStringLiteral("Cierra"));
    EXPECT_EQ(cuenta(QStringLiteral("CTROL_ESCANEO WHERE Eliminado=1")), 1);
}
