#include "voucherweb/TextoFila.h"

#include <gtest/gtest.h>

// Pieces of both kinds past the room first kept, and past it again after
// the text is taken: the text is every piece in order, and each text taken
// holds only what was written since the last.
TEST(TextoFila, GrowsPastItsRoomAndStartsAgainWhenTaken)
{
    for (const qsizetype reserva : {0, 1, 7, 64}) {
        TextoFila fila(reserva);
        QString esperado;
        for (int i = 0; i < 40; ++i) {
            const QString numero = QString::number(i);
            fila.Agrega(QStringView(numero));
            fila.Agrega(QLatin1String(i % 2 ? "\xE9|" : ""));
            esperado += numero + (i % 2 ? QStringLiteral("\u00E9|") : QString());
        }
        EXPECT_EQ(fila.Toma(), esperado) << reserva;
        fila.Agrega(u"\u20AC");
        EXPECT_EQ(fila.Toma(), QStringLiteral("\u20AC")) << reserva;
        EXPECT_TRUE(fila.Toma().isEmpty()) << reserva;
    }
}
