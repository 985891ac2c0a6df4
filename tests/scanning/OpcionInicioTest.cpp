#include "scanning/OpcionInicio.h"

#include <gtest/gtest.h>

namespace {

void Espera(const OpcionInicio& o, const char* cuenta, const char* cpte, const char* accion)
{
    EXPECT_EQ(o.Cuenta, QString::fromUtf8(cuenta));
    EXPECT_EQ(o.Cpte, QString::fromUtf8(cpte));
    EXPECT_EQ(o.Accion, QString::fromUtf8(accion));
}

}

TEST(OpcionInicio, TheThreeTokensInAnyOrder)
{
    Espera(LeeOpcionInicio(QStringLiteral("Cuenta1001,CpteFC000100000012A,Accion1")), "1001", "FC000100000012A", "1");
    Espera(LeeOpcionInicio(QStringLiteral("Accion1,CuentaC1,CpteFC000100000012A")), "C1", "FC000100000012A", "1");
    Espera(LeeOpcionInicio(QStringLiteral("CpteFC000100000012A,Accion2,CuentaC1")), "C1", "FC000100000012A", "2");
}

TEST(OpcionInicio, MissingPartsStayEmpty)
{
    Espera(LeeOpcionInicio(QString()), "", "", "");
    Espera(LeeOpcionInicio(QStringLiteral("Accion1")), "", "", "1");
    Espera(LeeOpcionInicio(QStringLiteral("CuentaC1,Accion2")), "C1", "", "2");
    Espera(LeeOpcionInicio(QStringLiteral("Cuenta,Cpte,Accion")), "", "", "");
}

TEST(OpcionInicio, TheWordIsRemovedInAnyCaseAndNothingElseIsTrimmed)
{
    Espera(LeeOpcionInicio(QStringLiteral("cuenta 1001 ,CPTEFC000100000012A,aCCION1")), " 1001 ", "FC000100000012A", "1");
    // Every occurrence of the word goes, not only the leading one.
    Espera(LeeOpcionInicio(QStringLiteral("CuentaAB-Cuenta")), "AB-", "", "");
}

TEST(OpcionInicio, ATokenReadIsRemovedWhereverItAppears)
{
    // The account token also stood inside the voucher token, which loses it.
    Espera(LeeOpcionInicio(QStringLiteral("Cuenta1,CpteXCuenta1Y,Accion1")), "1", "XY", "1");
}
