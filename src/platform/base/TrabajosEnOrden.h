#pragma once

#include <QtGlobal>

#include <algorithm>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

// Runs `trabajo(i)` for i from 0 to cuantos - 1 on one thread per core,
// while one taker takes the results in order. The threads never get more
// than `adelanto` results ahead of the taker, so what they hold stays
// bounded however many there are. `trabajo` must not throw. Results not
// taken when it is destroyed are destroyed with it, once the threads have
// finished the ones they had started.
template <typename Resultado>
class TrabajosEnOrden {
public:
    TrabajosEnOrden(qsizetype cuantos, qsizetype adelanto, std::function<Resultado(qsizetype)> trabajo)
        : cuantos_(cuantos), adelanto_(std::max<qsizetype>(adelanto, 1)), trabajo_(std::move(trabajo)),
          listos_(size_t(cuantos))
    {
        const qsizetype hilos = std::min<qsizetype>(Hilos(), cuantos);
        for (qsizetype h = 0; h < hilos; ++h)
            hilos_.emplace_back([this] { trabaja(); });
    }
    ~TrabajosEnOrden()
    {
        {
            const std::lock_guard<std::mutex> l(cerrojo_);
            parar_ = true;
        }
        hueco_.notify_all();
        for (std::thread& h : hilos_)
            h.join();
    }
    TrabajosEnOrden(const TrabajosEnOrden&) = delete;
    TrabajosEnOrden& operator=(const TrabajosEnOrden&) = delete;

    // One per core.
    static qsizetype Hilos() { return std::max(1u, std::thread::hardware_concurrency()); }

    // The next result in order, once it is ready.
    Resultado toma()
    {
        std::unique_lock<std::mutex> l(cerrojo_);
        std::optional<Resultado>& listo = listos_[size_t(tomados_)];
        hecho_.wait(l, [&] { return listo.has_value(); });
        Resultado r = std::move(*listo);
        listo.reset();
        // Only a full window has threads waiting, and one place opens: waking
        // them all would have them fight over the lock for every result.
        const bool lleno = siguiente_ == tomados_ + adelanto_;
        ++tomados_;
        l.unlock();
        if (lleno)
            hueco_.notify_one();
        return r;
    }

    // Whether toma would return at once.
    bool listo()
    {
        const std::lock_guard<std::mutex> l(cerrojo_);
        return tomados_ < cuantos_ && listos_[size_t(tomados_)].has_value();
    }

private:
    void trabaja()
    {
        std::unique_lock<std::mutex> l(cerrojo_);
        for (;;) {
            hueco_.wait(l, [&] { return parar_ || siguiente_ >= cuantos_ || siguiente_ < tomados_ + adelanto_; });
            if (parar_ || siguiente_ >= cuantos_)
                return;
            const qsizetype i = siguiente_++;
            l.unlock();
            Resultado r = trabajo_(i);
            l.lock();
            listos_[size_t(i)] = std::move(r);
            // The taker waits only for the next result in order.
            if (i == tomados_)
                hecho_.notify_one();
        }
    }

    const qsizetype cuantos_;
    const qsizetype adelanto_;
    const std::function<Resultado(qsizetype)> trabajo_;
    std::mutex cerrojo_;
    std::condition_variable hecho_;
    std::condition_variable hueco_;
    std::vector<std::optional<Resultado>> listos_;
    qsizetype siguiente_ = 0;
    qsizetype tomados_ = 0;
    bool parar_ = false;
    std::vector<std::thread> hilos_;
};
