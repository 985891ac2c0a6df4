#pragma once

#include <condition_variable>
#include <deque>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>

class DialogosDelHiloQueEspera;

// Runs work on a thread of its own while the thread that starts it goes on.
// The work prompts through `dialogos()` as ever, but every prompt it shows
// is shown by the starting thread, the one with the windows, once that
// thread waits for the work: the work's thread waits for each answer.
// What the work throws is thrown again by the wait. The installed dialogs
// are not to be replaced while the work runs.
class TrabajoEnSegundoPlano {
public:
    explicit TrabajoEnSegundoPlano(std::function<void()> trabajo);
    // Waits, unless waited for already, and joins the thread.
    ~TrabajoEnSegundoPlano();
    TrabajoEnSegundoPlano(const TrabajoEnSegundoPlano&) = delete;
    TrabajoEnSegundoPlano& operator=(const TrabajoEnSegundoPlano&) = delete;

    // Shows the work's prompts as they come, until the work is done; its
    // thread may still be on its way out, which the caller need not wait for.
    void Espera();

private:
    friend class DialogosDelHiloQueEspera;
    // From any thread: runs `accion` on the starting thread and returns when
    // it has run there, throwing what it threw.
    void EnElHiloQueEspera(const std::function<void()>& accion);

    struct Pedido {
        const std::function<void()>& accion;
        std::exception_ptr error;
        bool atendido = false;
    };
    void reponeDialogos();

    const std::thread::id iniciador_;
    DialogosDelHiloQueEspera* dialogos_ = nullptr;
    std::mutex cerrojo_;
    std::condition_variable aviso_;
    std::deque<Pedido*> pedidos_;
    bool hecho_ = false;
    bool esperado_ = false;
    std::exception_ptr error_;
    std::thread hilo_;
};
