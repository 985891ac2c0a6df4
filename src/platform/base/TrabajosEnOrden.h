#pragma once

#include <QtGlobal>

#include <algorithm>
#include <condition_variable>
#include <exception>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>
#include <vector>

// Runs `trabajo(i)` for i from 0 to cuantos - 1 on one thread per core,
// while one taker takes the results in order. The threads never get more
// than `adelanto` results ahead of the taker, so what they hold stays
// bounded however many there are. What a job throws is its result: toma()
// throws it again on the taker's thread, where an exception does not end the
// program. Results not taken when it is destroyed are destroyed with it, once
// the threads have finished the ones they had started.
//
// Qt's pool would do for the threads, but a thread it fails to start loses
// its job without a word and the taker would wait for it for ever; here the
// work goes on with the threads that did start.
template <typename Resultado>
class TrabajosEnOrden {
public:
    // Raises what starting a thread raised when not even one starts.
    TrabajosEnOrden(qsizetype cuantos, qsizetype adelanto, std::function<Resultado(qsizetype)> trabajo)
        : cuantos_(cuantos), adelanto_(std::max<qsizetype>(adelanto, 1)), trabajo_(std::move(trabajo)),
          listos_(size_t(cuantos))
    {
        const qsizetype hilos = std::min<qsizetype>(Hilos(), cuantos);
        hilos_.reserve(size_t(hilos));
        for (qsizetype h = 0; h < hilos; ++h) {
            try {
                hilos_.emplace_back([this] { trabaja(); });
            } catch (...) {
                if (hilos_.empty())
                    throw;
                break;
            }
        }
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

    // The next result in order, once it is ready; or what its job threw.
    Resultado toma()
    {
        std::unique_lock<std::mutex> l(cerrojo_);
        Listo& siguiente = listos_[size_t(tomados_)];
        hecho_.wait(l, [&] { return siguiente.hecho(); });
        Listo listo = std::exchange(siguiente, Listo{});
        ++tomados_;
        // One place opened: one waiting thread can take it. Waking them all
        // would have them fight over the lock for every result.
        const bool esperan = esperando_ > 0;
        l.unlock();
        if (esperan)
            hueco_.notify_one();
        if (listo.fallo)
            std::rethrow_exception(listo.fallo);
        return std::move(*listo.valor);
    }

private:
    struct Listo {
        std::optional<Resultado> valor;
        std::exception_ptr fallo;
        bool hecho() const { return valor.has_value() || fallo; }
    };

    void trabaja()
    {
        std::unique_lock<std::mutex> l(cerrojo_);
        for (;;) {
            ++esperando_;
            hueco_.wait(l, [&] { return parar_ || siguiente_ >= cuantos_ || siguiente_ < tomados_ + adelanto_; });
            --esperando_;
            if (parar_ || siguiente_ >= cuantos_)
                return;
            const qsizetype i = siguiente_++;
            l.unlock();
            Listo r;
            try {
                r.valor.emplace(trabajo_(i));
            } catch (...) {
                r.fallo = std::current_exception();
            }
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
    std::vector<Listo> listos_;
    qsizetype siguiente_ = 0;
    qsizetype tomados_ = 0;
    // Threads waiting for a place to open.
    qsizetype esperando_ = 0;
    bool parar_ = false;
    std::vector<std::thread> hilos_;
};
