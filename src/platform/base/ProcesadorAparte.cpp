#include "platform/base/ProcesadorAparte.h"

#include <pthread.h>
#include <sched.h>

void ApartaDelProcesadorActual(std::thread& hilo)
{
    cpu_set_t permitidos;
    const int actual = sched_getcpu();
    if (actual < 0 || sched_getaffinity(0, sizeof permitidos, &permitidos) != 0)
        return;
    CPU_CLR(actual, &permitidos);
    // A thread that cannot move keeps running where it is, which is where it
    // would run without this.
    if (CPU_COUNT(&permitidos) > 0)
        pthread_setaffinity_np(hilo.native_handle(), sizeof permitidos, &permitidos);
}
