#include "platform/base/TrabajosEnOrden.h"

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <new>
#include <stdexcept>
#include <thread>

// After the taker pauses, the window fills and every thread waits: each
// place the taker then opens must wake one, or a single thread does the rest.
TEST(TrabajosEnOrden, AfterTheTakerPausesTheThreadsWorkTogetherAgain)
{
    constexpr qsizetype Cuantos = 400, Adelanto = 16, Pausa = 20, TrasLaPausa = Pausa + Adelanto;
    std::mutex cerrojo;
    std::condition_variable cambio;
    int enCurso = 0;
    bool juntos = false, solo = false;
    const auto limite = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    TrabajosEnOrden<qsizetype> trabajos(Cuantos, Adelanto, [&](qsizetype i) {
        std::unique_lock<std::mutex> l(cerrojo);
        ++enCurso;
        juntos = juntos || (i >= TrasLaPausa && enCurso > 1);
        cambio.notify_all();
        // Past the pause each job waits for company, not for ever.
        if (i >= TrasLaPausa && !cambio.wait_until(l, limite, [&] { return juntos; }))
            solo = true;
        --enCurso;
        return i;
    });
    for (qsizetype i = 0; i < Cuantos; ++i) {
        if (i == Pausa)
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
        ASSERT_EQ(trabajos.toma(), i);
    }
    EXPECT_EQ(solo, TrabajosEnOrden<qsizetype>::Hilos() == 1);
}

// What a job throws reaches the taker at that job's turn, whatever it is,
// and the jobs after it go on.
TEST(TrabajosEnOrden, AJobsExceptionIsTakenAtItsTurn)
{
    TrabajosEnOrden<int> trabajos(7, 2, [](qsizetype i) {
        switch (i % 3) {
        case 1:
            throw std::bad_alloc();
        case 2:
            throw 42;
        default:
            return int(i);
        }
    });
    for (int i = 0; i < 7; ++i) {
        SCOPED_TRACE(i);
        if (i % 3 == 1)
            EXPECT_THROW(trabajos.toma(), std::bad_alloc);
        else if (i % 3 == 2)
            EXPECT_THROW(trabajos.toma(), int);
        else
            EXPECT_EQ(trabajos.toma(), i);
    }
}
