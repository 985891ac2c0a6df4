#include "PaginaDemo.h"

#include "platform/base/ArchivoSeguro.h"
#include "support/VariableTemporal.h"
#include "voucherweb/PaginaActual.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <unistd.h>

TEST(NombresDePagina, SecondsAndDatePartsWithoutLeadingZeros)
{
    EXPECT_EQ(NombrePaginaComprobante(QStringLiteral("FC"), QStringLiteral("0001"), QStringLiteral("A"), QTime(10, 15, 7)),
              QStringLiteral("FC0001A7.htm"));
    EXPECT_EQ(NombrePaginaComprobante(QStringLiteral("FC"), QStringLiteral("0001"), QStringLiteral("A"), QTime(10, 15, 59)),
              QStringLiteral("FC0001A59.htm"));
    EXPECT_EQ(NombrePaginaComprobante(QStringLiteral("NCC"), QStringLiteral("0004"), QStringLiteral("B"), QTime(0, 0, 0)),
              QStringLiteral("NCC0004B0.htm"));
    EXPECT_EQ(NombrePaginaNueva(QDateTime(QDate(2026, 12, 8), QTime(7, 5, 9))), QStringLiteral("C8122026759.htm"));
    EXPECT_EQ(NombrePaginaNueva(QDateTime(QDate(2025, 1, 31), QTime(23, 59, 0))), QStringLiteral("C311202523590.htm"));
}

class PaginaActual : public PaginaDemo {
protected:
    // Every name a page of FC 0001 A can take this minute.
    QStringList nombresPosibles(const QString& carpeta) const
    {
        QStringList nombres;
        for (int s = 0; s < 60; ++s)
            nombres << carpeta + NombrePaginaComprobante(QStringLiteral("FC"), QStringLiteral("0001"), QStringLiteral("A"),
                                                         QTime(0, 0, s));
        return nombres;
    }

    QString RutaTemporal, ArchivoHtmlActual;
};

TEST_F(PaginaActual, ABlankPaneGetsANewNameInTheSystemFolderAndTheStyleSheet)
{
    const QString sistema = dir.filePath(QStringLiteral("sistema"));
    QDir().mkpath(sistema);
    VariableTemporal tmp("TMPDIR", QFile::encodeName(sistema));
    CrearTempNew(RutaTemporal, ArchivoHtmlActual);
    EXPECT_EQ(RutaTemporal, sistema + QStringLiteral("/escaneo-%1/").arg(::geteuid()));
    EXPECT_TRUE(ArchivoHtmlActual.startsWith(RutaTemporal + QLatin1Char('C')));
    EXPECT_TRUE(ArchivoHtmlActual.endsWith(QStringLiteral(".htm")));
    EXPECT_FALSE(QFileInfo::exists(ArchivoHtmlActual));
    EXPECT_TRUE(QFileInfo::exists(RutaTemporal + QStringLiteral("Style_Vantrelo.css")));
}

TEST_F(PaginaActual, AVoucherPageIsWrittenBesideAFreshStyleSheetInTemp)
{
    for (const char* temp : {"", "/", "   "}) {
        const QString carpeta = temp[0] == ' ' ? QStringLiteral("   ") : carpetaTemporal.chopped(1) + QLatin1String(temp);
        VariableTemporal variable("TEMP", QFile::encodeName(carpeta));
        VariableTemporal sistema("TMPDIR", QFile::encodeName(carpetaTemporal));
        QFile::remove(carpetaTemporal + QStringLiteral("Style_Vantrelo.css"));
        Mostrar(RutaTemporal, ArchivoHtmlActual, QStringLiteral("FC"), QStringLiteral("0001"), QStringLiteral("00000013"),
                QStringLiteral("A"), true, QStringLiteral("1001"));
        // Without TEMP, this user's own folder under TMPDIR.
        const QString esperada =
            temp[0] == ' ' ? carpetaTemporal + QStringLiteral("escaneo-%1/").arg(::geteuid()) : carpetaTemporal;
        EXPECT_EQ(RutaTemporal, esperada) << temp;
        EXPECT_TRUE(nombresPosibles(esperada).contains(ArchivoHtmlActual)) << ArchivoHtmlActual.toStdString();
        EXPECT_TRUE(QFileInfo::exists(esperada + QStringLiteral("Style_Vantrelo.css")));
        EXPECT_TRUE(linea(lineas(ArchivoHtmlActual), QStringLiteral("<TABLE><TR VALIGN=TOP><TD class=TableCabeceraCaption COLSPAN=7>"
                                                                    "<B>Vendedor:"))
                        .contains(QStringLiteral("Carlos Gómez")));
    }
}

TEST_F(PaginaActual, TheViewTheVoucherCameFromOrElseItsTypeChoosesTheHeader)
{
    ejecuta(QStringLiteral("INSERT INTO V_MV_CPTE (TC, IDCOMPROBANTE, IDCOMPLEMENTO, CUENTA, NOMBRE) "
                           "VALUES ('PG  ', '000100000031X', 0, '2001', 'Pago desde ventas')"));
    const auto nombre = [&](const char* tc, const char* sucursal, const char* numero, const char* letra, const char* cuenta,
                            std::optional<bool> usaVMvCpte) {
        Mostrar(RutaTemporal, ArchivoHtmlActual, QLatin1String(tc), QLatin1String(sucursal), QLatin1String(numero),
                QLatin1String(letra), false, QLatin1String(cuenta), usaVMvCpte);
        return lineas(ArchivoHtmlActual).value(3).section(QStringLiteral("COLSPAN=27 NOWRAP>"), 1).section(u'<', 0, 0);
    };
    EXPECT_EQ(nombre("pg", "0001", "00000031", "X", "2001", std::nullopt), QStringLiteral("Pago desde ventas"));
    EXPECT_EQ(nombre("FCC", "0004", "00001520", "A", "2001", std::nullopt), QStringLiteral("Papelera del Sur S.A."));
    // A sales-side voucher of another type follows its view.
    EXPECT_EQ(nombre("FC", "0001", "00000013", "A", "1002", true), QStringLiteral("Distribuidora Norte SRL"));
    EXPECT_EQ(nombre("FC", "0001", "00000013", "A", "1002", std::nullopt), QString());
}

TEST_F(PaginaActual, APageThatCouldNotBeWrittenIsNotNamed)
{
    VariableTemporal variable("TEMP", QFile::encodeName(carpetaTemporal));
    // Another voucher's page under every name this one could take.
    for (const QString& nombre : nombresPosibles(carpetaTemporal))
        QDir().mkpath(nombre);
    ArchivoHtmlActual = QStringLiteral("anterior.htm");
    for (int i = 0; i < 60; ++i)
        dialogos->responde(Resultado::Abortar);
    Mostrar(RutaTemporal, ArchivoHtmlActual, QStringLiteral("FC"), QStringLiteral("0001"), QStringLiteral("00000013"),
            QStringLiteral("A"), true, QStringLiteral("1001"));
    EXPECT_EQ(ArchivoHtmlActual, QString());
    EXPECT_EQ(dialogos->avisos.size(), 1u);
    dialogos->respuestas.clear();
}
