#include "platform/base/GuardaErrores.h"

#include <gtest/gtest.h>

#include <QStringList>

#include <new>
#include <stdexcept>

namespace {

Err falla(long numero)
{
    return Err(numero, QStringLiteral("fallo %1").arg(numero));
}

}

TEST(GuardaErrores, ResumeEverySkipsOnlyTheFailingStep)
{
    GuardaErrores g(politicas::reanudaTodo());
    QStringList hecho;
    g.paso([&] { hecho << "a"; });
    g.paso([&] { throw falla(13); });
    g.paso([&] { hecho << "c"; });
    EXPECT_EQ(hecho, QStringList({"a", "c"}));
    EXPECT_FALSE(g.salio());
    EXPECT_TRUE(g.huboError());
    EXPECT_EQ(g.ultimoError().Number, 13);
}

TEST(GuardaErrores, LeavingSkipsEveryLaterStep)
{
    GuardaErrores g(politicas::saleEnSilencio());
    QStringList hecho;
    EXPECT_TRUE(g.paso([&] { hecho << "a"; }));
    EXPECT_FALSE(g.paso([&] { throw falla(5); }));
    EXPECT_FALSE(g.paso([&] { hecho << "c"; }));
    EXPECT_EQ(hecho, QStringList({"a"}));
    EXPECT_TRUE(g.salio());
}

TEST(GuardaErrores, DialogAnswersRetryIgnoreAndAbort)
{
    std::vector<int> respuestas{4, 4, 5};
    int mostrados = 0;
    GuardaErrores g(politicas::dialogo([&](const Err&) { return respuestas[mostrados++]; }));
    int intentos = 0;
    g.paso([&] {
        ++intentos;
        throw falla(9);
    });
    EXPECT_EQ(intentos, 3);  // two retries, then ignored
    EXPECT_FALSE(g.salio());

    GuardaErrores abortado(politicas::dialogo([](const Err&) { return 3; }));
    EXPECT_FALSE(abortado.paso([] { throw falla(9); }));
    EXPECT_TRUE(abortado.salio());
}

TEST(GuardaErrores, OnlyIgnoreResumesTurnsRetryIntoLeave)
{
    int intentos = 0;
    GuardaErrores g(politicas::dialogo([](const Err&) { return 4; }, true));
    g.paso([&] {
        ++intentos;
        throw falla(13);
    });
    EXPECT_EQ(intentos, 1);
    EXPECT_TRUE(g.salio());
}

TEST(GuardaErrores, ChosenNumbersPassSilently)
{
    int mostrados = 0;
    GuardaErrores g(politicas::dejaPasar({5}, politicas::dialogo([&](const Err&) {
        ++mostrados;
        return 3;
    })));
    EXPECT_TRUE(g.paso([] { throw falla(5); }));
    EXPECT_EQ(mostrados, 0);
    EXPECT_FALSE(g.paso([] { throw falla(6); }));
    EXPECT_EQ(mostrados, 1);
}

TEST(GuardaErrores, AnyOtherExceptionReachesThePolicyAsTheErrorItStandsFor)
{
    GuardaErrores g(politicas::reanudaTodo());
    EXPECT_TRUE(g.paso([] { throw std::bad_alloc(); }));
    EXPECT_EQ(g.ultimoError().Number, NumeroError::MemoriaInsuficiente);
    EXPECT_TRUE(g.paso([] { throw std::out_of_range("índice 9"); }));
    EXPECT_EQ(g.ultimoError().Description, QStringLiteral("Error interno: índice 9"));
}
