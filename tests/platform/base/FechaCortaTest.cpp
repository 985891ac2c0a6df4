#include "platform/base/FechaCorta.h"
#include "platform/base/ZonaHoraria.h"

#include "support/VariableTemporal.h"

#include <gtest/gtest.h>

#include <ctime>

TEST(OperatorDates, ReadDayFirstWithOrWithoutTime)
{
    const struct {
        const char* texto;
        QDateTime fecha;  // invalid: no date
    } casos[] = {
        {"09/07/2015", {{2015, 7, 9}, {0, 0}}},
        {" 9/7/2015 ", {{2015, 7, 9}, {0, 0}}},
        {"29/02/2016", {{2016, 2, 29}, {0, 0}}},
        {"1/3/25", {{2025, 3, 1}, {0, 0}}},
        {"1/3/30", {{1930, 3, 1}, {0, 0}}},
        {"31/12/2024 10:35", {{2024, 12, 31}, {10, 35}}},
        {"31/12/2024 10:35:07", {{2024, 12, 31}, {10, 35, 7}}},
        {"31/02/2015", {}},
        {"29/02/2015", {}},
        {"13/13/2015", {}},
        {"2015-07-09", {}},
        {"hoy", {}},
        {"", {}},
    };
    for (const auto& c : casos) {
        const QDateTime leida = FechaDelOperador(QString::fromUtf8(c.texto));
        EXPECT_EQ(leida.isValid(), c.fecha.isValid()) << c.texto;
        EXPECT_TRUE(!c.fecha.isValid() || leida == c.fecha) << c.texto;
    }
    EXPECT_EQ(TextoFechaCorta(QDate(2015, 7, 9)), QStringLiteral("09/07/2015"));
}

TEST(TimeZone, IsReadOnceAndStaysTheWorkstations)
{
    const QDateTime mediodia(QDate(2025, 1, 15), QTime(12, 0));
    const int desfase = mediodia.offsetFromUtc();
    {
        VariableTemporal zona("TZ", QByteArray());
        qunsetenv("TZ");
        tzset();
        FijaZonaHoraria();
        EXPECT_EQ(qgetenv("TZ"), QByteArrayLiteral(":/etc/localtime"));
        EXPECT_EQ(QDateTime(QDate(2025, 1, 15), QTime(12, 0)).offsetFromUtc(), desfase);
    }
    {
        // A zone the user chose is kept.
        VariableTemporal zona("TZ", QByteArrayLiteral("UTC"));
        FijaZonaHoraria();
        EXPECT_EQ(qgetenv("TZ"), QByteArrayLiteral("UTC"));
    }
    tzset();
}
