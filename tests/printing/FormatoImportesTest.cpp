#include "printing/FormatoImportes.h"

#include "BaseImpresion.h"
#include "services/Modulo.h"
#include "support/NumeroDeError.h"

namespace {

class FormatoImportes : public BaseImpresion {};

struct Formato {
    const char* nombre;
    FormatoNumerico formato;
};

const Formato Formatos[] = {{"comma", FormatoComa()}, {"point", FormatoPunto()}};

}

TEST_F(FormatoImportes, FmtMonedaFollowsTheCodesAndTheWorkstationFormat)
{
    struct Caso {
        const char* importe;
        int decimales;
        bool miles;
        const char* configurados;  // CantidadDecimales
        const char* coma;
        const char* punto;
    };
    const Caso casos[] = {
        {"1234,5", -3, false, "2", "1234,5", "1234,5"},  // unchanged, not even read
        {"no es un número", -3, false, "2", "no es un número", "no es un número"},
        {"1234,5", -1, false, "2", "1234,50", "1234.50"},
        {"1234,5", 2, true, "2", "1.234,50", "1,234.50"},
        {"1234,5", -2, false, "2", "1234", "1234"},  // half to even, no trailing separator
        {"1235,5", -2, false, "2", "1236", "1236"},
        {"1234,5", -1, false, "0", "1234,500", "1234.500"},  // the workstation's 3 currency digits
        {"1234,5", -1, false, " ", "1234,500", "1234.500"},
        {"1234,5", 0, false, "2", "1234,500", "1234.500"},
        {"0", -1, false, "2", "0,00", "0.00"},
        {"2.345", 2, false, "2", "2,34", "2.34"},
        {"2.355", 2, false, "2", "2,36", "2.36"},
        {"1.234.567,891", 1, true, "2", "1.234.567,9", "1,234,567.9"},
        {"-0,004", 2, false, "2", "0,00", "0.00"},
        {"", -1, false, "2", "0,00", "0.00"},
    };
    for (const Formato& f : Formatos) {
        FormatoNumerico formato = f.formato;
        formato.decimalesMoneda = 3;
        ConFormatoNumerico instalado(formato);
        for (const Caso& c : casos) {
            Modulo().DecimalesImporte = QString::fromUtf8(c.configurados);
            EXPECT_EQ(FmtMoneda(QString::fromUtf8(c.importe), c.decimales, c.miles),
                      QString::fromUtf8(f.formato.separadorDecimal == u',' ? c.coma : c.punto))
                << f.nombre << " " << c.importe << " " << c.decimales;
        }
    }
    EXPECT_TRUE(dialogos->avisos.empty());
}

TEST_F(FormatoImportes, FmtMonedaTakesTheConfiguredDecimalsFromTheStart)
{
    ConFormatoNumerico formato(FormatoComa());
    EXPECT_EQ(FmtMoneda("1234,5", -1, false), "1234,50");
    fijaClave(QStringLiteral("CantidadDecimales"), QStringLiteral("3"));
    EXPECT_EQ(FmtMoneda("1234,5", -1, false), "1234,500");
}

TEST_F(FormatoImportes, FmtMonedaErrorsAskTheOperator)
{
    ConFormatoNumerico formato(FormatoComa());
    dialogos->responde(3);
    EXPECT_EQ(FmtMoneda("1234,5", -5, false), "") << "leaving gives what was set: nothing";
    dialogos->responde(5);
    EXPECT_EQ(FmtMoneda("1234,5", -5, false), "1234") << "ignoring goes on without decimals";
    dialogos->responde(3);
    EXPECT_EQ(FmtMoneda("99999999999999999999", 2, false), "") << "beyond the currency range";
    ASSERT_EQ(dialogos->avisos.size(), 3u);
    for (const auto& aviso : dialogos->avisos)
        EXPECT_TRUE(aviso.titulo.contains("FmtMoneda")) << aviso.titulo.toStdString();
}

TEST_F(FormatoImportes, MinutosAHoraInClockAndDecimalForms)
{
    struct Caso {
        const char* separador;  // nullptr: no key
        QVariant minutos;
        const char* hora;
        int32_t horas, resto;  // -7: left as they were
    };
    const Caso casos[] = {
        {nullptr, 90, "01:30", 1, 30},
        {"h", 90, "01h30", 1, 30},
        {" - ", 90, "01 - 30", 1, 30},
        {"  ", 307, "05:07", 5, 7},
        {":", 7500, "125:00", 125, 0},
        {":", 6000, "100:00", 100, 0},
        {":", 90.5, "01:30", 1, 30},  // whole minutes, half to even
        {":", 91.5, "01:32", 1, 32},
        {":", QStringLiteral("45"), "00:45", 0, 45},
        {":", -90, "-01:-30", -1, -30},
        {":", QVariant(), "00:00", 0, 0},
        {":", QString(), "00:00", 0, 0},
        {".", 90, "1.50", -7, -7},
        {".", 30, ".50", -7, -7},
        {".", 100, "1.67", -7, -7},
        {".", 6000, "100.00", -7, -7},
        {".", -30, "-.50", -7, -7},
        {".", QVariant(), ".00", -7, -7},
    };
    for (const Formato& f : Formatos) {
        ConFormatoNumerico instalado(f.formato);
        for (const Caso& c : casos) {
            fijaClave(QStringLiteral("SeparadorHora"), c.separador ? QString::fromUtf8(c.separador) : QString());
            int32_t horas = -7, resto = -7;
            EXPECT_EQ(MinutosAHora(c.minutos, horas, resto), QString::fromUtf8(c.hora))
                << f.nombre << " " << c.minutos.toString().toStdString() << " '" << (c.separador ? c.separador : "") << "'";
            EXPECT_EQ(horas, c.horas) << c.hora;
            EXPECT_EQ(resto, c.resto) << c.hora;
        }
    }
}

TEST_F(FormatoImportes, MinutosAHoraOfTextThatIsNoNumberIsATypeMismatch)
{
    int32_t horas = 0, resto = 0;
    EXPECT_EQ(numeroDeError([&] { MinutosAHora(QStringLiteral("hora y media"), horas, resto); }),
              NumeroError::TiposNoCoinciden);
}
