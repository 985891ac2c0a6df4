#include "daterange/Periodos.h"

#include "support/NumeroDeError.h"

#include <gtest/gtest.h>

namespace {

struct CasoPeriodo {
    QDate hoy;
    const char* periodo;
    const char* desde;
    const char* hasta;
};

}

TEST(Periods, AreListedInTheControlsOrder)
{
    EXPECT_EQ(NombresDePeriodos(), (QStringList{QStringLiteral("Fecha"), QStringLiteral("Semana Actual"),
                                               QStringLiteral("Semana Proxima"), QStringLiteral("Semana Pasada"),
                                               QStringLiteral("Mes Actual"), QStringLiteral("Año Actual"),
                                               QStringLiteral("Mes Pasado"), QStringLiteral("Año pasado"),
                                               QStringLiteral("Todo")}));
}

TEST(Periods, GiveTheirRangeForAFixedToday)
{
    const CasoPeriodo casos[] = {
        // A Thursday.
        {{2015, 7, 9}, "Semana Actual", "05/07/2015", "11/07/2015"},
        {{2015, 7, 9}, "Semana Pasada", "28/06/2015", "04/07/2015"},
        {{2015, 7, 9}, "Semana Proxima", "12/07/2015", "18/07/2015"},
        {{2015, 7, 9}, "Mes Actual", "01/07/2015", "31/07/2015"},
        {{2015, 7, 9}, "Mes Pasado", "01/06/2015", "30/06/2015"},
        {{2015, 7, 9}, "Año Actual", "01/01/2015", "31/12/2015"},
        {{2015, 7, 9}, "Año pasado", "01/01/2014", "31/12/2014"},
        {{2015, 7, 9}, "Fecha", "09/07/2015", "09/07/2015"},
        // Weeks across a year's end.
        {{2015, 12, 31}, "Semana Actual", "27/12/2015", "02/01/2016"},
        {{2015, 12, 31}, "Semana Proxima", "03/01/2016", "09/01/2016"},
        {{2016, 1, 2}, "Semana Pasada", "20/12/2015", "26/12/2015"},
        // A Sunday starts its own week.
        {{2016, 1, 10}, "Semana Actual", "10/01/2016", "16/01/2016"},
        {{2016, 1, 10}, "Semana Pasada", "03/01/2016", "09/01/2016"},
        {{2016, 1, 10}, "Mes Pasado", "01/12/2015", "31/12/2015"},
        // Leap years, and a century that is none.
        {{2016, 3, 15}, "Mes Pasado", "01/02/2016", "29/02/2016"},
        {{2024, 3, 31}, "Mes Pasado", "01/02/2024", "29/02/2024"},
        {{2023, 3, 31}, "Mes Pasado", "01/02/2023", "28/02/2023"},
        {{2100, 2, 10}, "Mes Actual", "01/02/2100", "28/02/2100"},
        {{2000, 2, 10}, "Mes Actual", "01/02/2000", "29/02/2000"},
        // "Todo" reaches the search's own upper bound whatever today is.
        {{2015, 7, 9}, "Todo", "01/01/1980", "01/01/2200"},
        {{2031, 5, 1}, "Todo", "01/01/1980", "01/01/2200"},
        // Names compare trimmed and ignoring case.
        {{2015, 7, 9}, "  año PASADO ", "01/01/2014", "31/12/2014"},
        {{2015, 7, 9}, "mes actual", "01/07/2015", "31/07/2015"},
    };
    for (const CasoPeriodo& c : casos) {
        const std::optional<RangoDeFechas> rango = RangoDePeriodo(QString::fromUtf8(c.periodo), c.hoy);
        ASSERT_TRUE(rango) << c.periodo;
        EXPECT_EQ(rango->desde, QLatin1String(c.desde)) << c.periodo << " " << c.hoy.toString().toStdString();
        EXPECT_EQ(rango->hasta, QLatin1String(c.hasta)) << c.periodo << " " << c.hoy.toString().toStdString();
    }
}

TEST(Periods, AnUnknownNameGivesNoRange)
{
    EXPECT_FALSE(RangoDePeriodo(QStringLiteral("Trimestre"), QDate(2015, 7, 9)));
    EXPECT_FALSE(RangoDePeriodo(QString(), QDate(2015, 7, 9)));
}

TEST(DayOfWeek, CountsFromSundayAndIsEmptyForWhatIsNoDate)
{
    EXPECT_EQ(DiaDeLaSemana(QDate(2015, 7, 5)), QStringLiteral("1"));
    EXPECT_EQ(DiaDeLaSemana(QDate(2015, 7, 9)), QStringLiteral("5"));
    EXPECT_EQ(DiaDeLaSemana(QDate(2015, 7, 11)), QStringLiteral("7"));
    EXPECT_EQ(DiaDeLaSemana(QDateTime(QDate(2015, 7, 6), QTime(23, 59))), QStringLiteral("2"));
    EXPECT_EQ(DiaDeLaSemana(QStringLiteral("09/07/2015")), QStringLiteral("5"));
    EXPECT_EQ(DiaDeLaSemana(QStringLiteral("hola")), QString());
    EXPECT_EQ(DiaDeLaSemana(QStringLiteral("31/02/2015")), QString());
    EXPECT_EQ(DiaDeLaSemana(QVariant()), QString());
    EXPECT_EQ(DiaDeLaSemana(42), QString());
}

TEST(LastDayOfMonth, IsTheDayBeforeTheFirstOfTheNextMonth)
{
    EXPECT_EQ(UltimoDiaDelMes(QStringLiteral("2"), QStringLiteral("2016")), 29);
    EXPECT_EQ(UltimoDiaDelMes(QStringLiteral("2"), QStringLiteral("2015")), 28);
    EXPECT_EQ(UltimoDiaDelMes(QStringLiteral("04"), QStringLiteral("2015")), 30);
    EXPECT_EQ(UltimoDiaDelMes(QStringLiteral("12"), QStringLiteral("2015")), 31);
    // Months outside 1 to 12 run on into the next or previous years.
    EXPECT_EQ(UltimoDiaDelMes(QStringLiteral("14"), QStringLiteral("2015")), 29);
    EXPECT_EQ(UltimoDiaDelMes(QStringLiteral("0"), QStringLiteral("2015")), 31);
    EXPECT_EQ(numeroDeError([] { UltimoDiaDelMes(QStringLiteral("febrero"), QStringLiteral("2015")); }),
              NumeroError::TiposNoCoinciden);
}
