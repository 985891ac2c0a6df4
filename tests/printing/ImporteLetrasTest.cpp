#include "printing/ImporteLetras.h"

#include "support/FormatosDePrueba.h"
#include "support/NumeroDeError.h"

#include <gtest/gtest.h>

namespace {

struct Palabras {
    const char* numero;
    const char* palabras;
};

const Palabras NumerosEnLetras[] = {
    {"0", "cero"},
    {"0,4", "cero"},
    {"-0,5", "cero"},
    {"", "cero"},
    {"abc", "cero"},
    {"1", "un"},
    {"11", "once"},
    {"15", "quince"},
    {"16", "dieciseis"},
    {"21", "veintiun"},
    {"22", "veintidos"},
    {"20", "veinte"},
    {"30", "treinta"},
    {"31", "treinta y un"},
    {"100", "cien"},
    {"101", "ciento un"},
    {"110", "ciento diez"},
    {"115", "ciento quince"},
    {"999", "novecientos noventa y nueve"},
    {"1000", "un mil"},
    {"1001", "un mil un"},
    {"1100", "un mil cien"},
    {"1500", "un mil quinientos"},
    {"21000", "veintiun mil"},
    {"100000", "cien mil"},
    {"101000", "ciento un mil"},
    {"1000000", "un millón"},
    {"1500000", "un millón quinientos mil"},
    {"2000000", "dos millones"},
    {"2500000", "dos millones quinientos mil"},
    {"21000000", "veintiun millones"},
    {"1000000000", "un mil millones"},
    {"1001000000", "un mil un millones"},
    {"999999999999", "novecientos noventa y nueve mil novecientos noventa y nueve millones novecientos noventa y "
                     "nueve mil novecientos noventa y nueve"},
    {"1000000000000", "un billón"},
    {"1000000000001", "un billón un"},
    {"2000000000000", "dos billones"},
    {"2001500000000", "dos billones un mil quinientos millones"},
    {"21000000000000", "veintiun billones"},
    {"1000000000000000", "un mil billones"},
    {"-15", "menos quince"},
    {"1.234", "un mil doscientos treinta y cuatro"},  // the point groups thousands here
};

}

TEST(NumeroALetras, SpellsWholeNumbersOnACommaDecimalWorkstation)
{
    ConFormatoNumerico formato(FormatoComa());
    for (const Palabras& p : NumerosEnLetras)
        EXPECT_EQ(NumeroALetras(QString::fromUtf8(p.numero)), QString::fromUtf8(p.palabras)) << p.numero;
}

TEST(NumeroALetras, ReadsTheNumberByTheWorkstationsSeparators)
{
    ConFormatoNumerico formato(FormatoPunto());
    EXPECT_EQ(NumeroALetras("1.9"), "un");
    EXPECT_EQ(NumeroALetras("1,234"), "un mil doscientos treinta y cuatro");
    EXPECT_EQ(NumeroALetras("0.4"), "cero");
}

TEST(InicializaTablasLetras, FillsTheTablesTheWordsAreBuiltFrom)
{
    const TablasLetras& t = InicializaTablasLetras();
    EXPECT_EQ(t.Unidades[0], "");
    EXPECT_EQ(t.Centenas[10], "cien");
    EXPECT_EQ(t.DecenasCompuestas[3], "treinta y ");
    EXPECT_EQ(t.Especiales[15], "quince");
    EXPECT_EQ(&t, &InicializaTablasLetras());
}

TEST(ImporteALetras, AmountsWithCurrencyCentsAndWidth)
{
    struct Caso {
        FormatoNumerico formato;
        const char* importe;
        std::optional<int> ancho;
        std::optional<QString> moneda, sufijo;
        const char* resultado;
    };
    const QString pesos = QStringLiteral("Pesos"), centavos = QStringLiteral("Centavos");
    const Caso casos[] = {
        {FormatoComa(), "1234,50", {}, pesos, centavos, "un mil doscientos treinta y cuatro Pesos con cincuenta Centavos"},
        {FormatoComa(), "1234,00", {}, pesos, centavos, "un mil doscientos treinta y cuatro Pesos"},
        {FormatoComa(), "1234", {}, pesos, centavos, "un mil doscientos treinta y cuatro Pesos"},
        {FormatoComa(), "0,05", {}, pesos, centavos, "cero Pesos con cinco Centavos"},
        {FormatoComa(), "0,5", {}, pesos, centavos, "cero Pesos con cincuenta Centavos"},
        {FormatoComa(), "0,057", {}, pesos, centavos, "cero Pesos con cinco Centavos"},
        {FormatoComa(), "1 234,5", {}, QStringLiteral(" Pesos "), {}, "un mil doscientos treinta y cuatro Pesos con cincuenta"},
        {FormatoComa(), "1500000,01", {}, pesos, centavos, "un millón quinientos mil Pesos con un Centavos"},
        {FormatoComa(), "15,00", 20, pesos, {}, "quince Pesos        "},
        {FormatoComa(), "15,00", 6, pesos, {}, "quince"},
        {FormatoComa(), "15,00", 0, {}, {}, "quince"},
        {FormatoComa(), "7,25", {}, {}, centavos, "siete con veinticinco Centavos"},
        {FormatoPunto(), "1234.50", {}, pesos, centavos, "un mil doscientos treinta y cuatro Pesos con cincuenta Centavos"},
        {FormatoPunto(), "1,234.50", {}, pesos, {}, "un mil doscientos treinta y cuatro Pesos con cincuenta"},
        {FormatoPunto(), "2000000000000.99", {}, QStringLiteral("Dólares"), centavos,
         "dos billones Dólares con noventa y nueve Centavos"},
    };
    for (const Caso& c : casos) {
        ConFormatoNumerico formato(c.formato);
        EXPECT_EQ(ImporteALetras(QString::fromUtf8(c.importe), c.ancho, c.moneda, c.sufijo), QString::fromUtf8(c.resultado))
            << c.importe;
    }
}

TEST(ImporteALetras, ANegativeWidthIsAnInvalidArgument)
{
    ConFormatoNumerico formato(FormatoComa());
    EXPECT_EQ(numeroDeError([] { ImporteALetras("15,00", -1); }), NumeroError::LlamadaInvalida);
}
