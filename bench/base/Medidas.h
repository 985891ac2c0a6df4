#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <vector>

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

// The value a share q (0 to 1) of the values lies below, between the two
// nearest when it falls between them.
inline double cuantil(std::vector<double> valores, double q)
{
    std::sort(valores.begin(), valores.end());
    const double lugar = q * double(valores.size() - 1);
    const size_t i = size_t(lugar);
    return i + 1 < valores.size() ? valores[i] + (valores[i + 1] - valores[i]) * (lugar - double(i)) : valores[i];
}

inline double mediana(const std::vector<double>& valores)
{
    return cuantil(valores, 0.5);
}

// Our road's times and its baseline's, in milliseconds, taken in turns.
struct Alternadas {
    std::vector<double> nuestro, base;

    // More rounds, ours first in the even ones and the baseline in the odd,
    // so neither pays for what the other left; a side that fails gives a
    // negative time and ends them.
    bool corre(int rondas, const std::function<double()>& nuestroLado, const std::function<double()>& baseLado)
    {
        for (int ronda = 0; ronda < rondas; ++ronda) {
            double t[2] = {};  // ours, the baseline's
            for (int turno = 0; turno < 2; ++turno) {
                const int lado = (turno + ronda) % 2;
                t[lado] = lado == 0 ? nuestroLado() : baseLado();
                if (t[lado] < 0)
                    return false;
            }
            nuestro.push_back(t[0]);
            base.push_back(t[1]);
        }
        return true;
    }

    // A round's two times are taken moments apart: a spell of the machine
    // running slower or faster moves both, and their ratio stays.
    std::vector<double> relaciones() const
    {
        std::vector<double> r;
        for (size_t i = 0; i < nuestro.size(); ++i)
            r.push_back(nuestro[i] / base[i]);
        return r;
    }

    // The median of the rounds' ratios, with their quartiles, as the last
    // line.
    void imprimeRelacion(double goal) const
    {
        const std::vector<double> r = relaciones();
        std::printf("relacion por ronda: mediana %.3f, cuartiles %.3f a %.3f, de %zu rondas\n", mediana(r),
                    cuantil(r, 0.25), cuantil(r, 0.75), r.size());
        std::printf("ratio %.2f goal <= %.1f\n", mediana(r), goal);
    }
};
