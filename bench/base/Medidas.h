#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <ctime>
#include <functional>

// Milliseconds of this thread's processor time the work took: steadier than
// the clock on a loaded machine, and the roads measured run on one thread.
inline double msDeHilo(const std::function<void()>& trabajo)
{
    timespec antes{}, despues{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &antes);
    trabajo();
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &despues);
    return (despues.tv_sec - antes.tv_sec) * 1e3 + (despues.tv_nsec - antes.tv_nsec) / 1e6;
}

// The process's peak resident memory in KiB since it was last reset.
inline long picoMemoria()
{
    QFile estado(QStringLiteral("/proc/self/status"));
    if (!estado.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& linea : estado.readAll().split('\n'))
        if (linea.startsWith("VmHWM:"))
            return linea.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

inline bool reiniciaPico()
{
    QFile f(QStringLiteral("/proc/self/clear_refs"));
    return f.open(QIODevice::WriteOnly) && f.write("5") == 1;
}

// KiB the peak grew by while the work ran; -1 when it cannot be told.
inline long crecimiento(const std::function<void()>& trabajo)
{
    if (!reiniciaPico())
        return -1;
    const long antes = picoMemoria();
    trabajo();
    return picoMemoria() - antes;
}
