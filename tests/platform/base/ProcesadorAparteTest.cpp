#include "platform/base/ProcesadorAparte.h"

#include "support/ParteReal.h"

#include <gtest/gtest.h>

#include <pthread.h>
#include <sched.h>

#include <future>
#include <vector>

namespace {

std::vector<int> Procesadores(const cpu_set_t& conjunto)
{
    std::vector<int> lista;
    for (int i = 0; i < CPU_SETSIZE; ++i) {
        if (CPU_ISSET(i, &conjunto))
            lista.push_back(i);
    }
    return lista;
}

// Confines the calling thread to some processors for the test, and frees it
// again when it goes.
class Confinado {
public:
    explicit Confinado(const std::vector<int>& procesadores)
    {
        sched_getaffinity(0, sizeof antes_, &antes_);
        cpu_set_t conjunto;
        CPU_ZERO(&conjunto);
        for (int p : procesadores)
            CPU_SET(p, &conjunto);
        sched_setaffinity(0, sizeof conjunto, &conjunto);
    }
    ~Confinado() { sched_setaffinity(0, sizeof antes_, &antes_); }

private:
    cpu_set_t antes_;
};

}

// The new thread may run anywhere its starter may, but where the starter
// runs; confined to one processor, it stays there and still runs.
TEST(ProcesadorAparte, KeepsTheNewThreadOffTheStartersProcessorWhereAnotherIsAllowed)
{
    cpu_set_t propios;
    ASSERT_EQ(sched_getaffinity(0, sizeof propios, &propios), 0);
    const std::vector<int> todos = Procesadores(propios);
    EXIGE_PARTE_REAL(todos.size() >= 2, "hacen falta dos procesadores para ver el hilo apartado");

    for (const std::vector<int>& permitidos : {std::vector<int>{todos[0], todos[1]}, std::vector<int>{todos[0]}}) {
        SCOPED_TRACE(testing::Message() << permitidos.size() << " processor(s) allowed");
        const Confinado confinado(permitidos);
        // The starter can move between reading its processor and the call;
        // the round where it stayed put is the one to judge.
        bool juzgado = false;
        for (int intento = 0; intento < 20 && !juzgado; ++intento) {
            std::promise<void> sigue;
            std::thread hilo([corre = sigue.get_future()]() mutable { corre.wait(); });
            const int antes = sched_getcpu();
            ApartaDelProcesadorActual(hilo);
            const bool quieto = sched_getcpu() == antes;
            cpu_set_t delHilo;
            ASSERT_EQ(pthread_getaffinity_np(hilo.native_handle(), sizeof delHilo, &delHilo), 0);
            sigue.set_value();
            hilo.join();
            if (!quieto)
                continue;
            std::vector<int> esperados;
            for (int p : permitidos) {
                if (p != antes || permitidos.size() == 1)
                    esperados.push_back(p);
            }
            EXPECT_EQ(Procesadores(delHilo), esperados);
            juzgado = true;
        }
        EXPECT_TRUE(juzgado) << "the starting thread never stayed on one processor";
    }
}
