#include "platform/dialogs/TrabajoEnSegundoPlano.h"

#include "platform/dialogs/Dialogos.h"

#include <memory>
#include <type_traits>

// Stands in for the installed dialogs while the work runs, and hands every
// prompt to the thread that waits for the work.
class DialogosDelHiloQueEspera : public Dialogos {
public:
    explicit DialogosDelHiloQueEspera(TrabajoEnSegundoPlano& trabajo) : trabajo_(trabajo) {}

    void envuelve(std::unique_ptr<Dialogos> reales) { reales_ = std::move(reales); }
    std::unique_ptr<Dialogos> suelta() { return std::move(reales_); }

    int MsgBox(const QString& mensaje, int botones, const QString& titulo) override
    {
        return alli([&] { return reales_->MsgBox(mensaje, botones, titulo); });
    }
    QString InputBox(const QString& mensaje, const QString& titulo, const QString& porDefecto) override
    {
        return alli([&] { return reales_->InputBox(mensaje, titulo, porDefecto); });
    }
    QString AbrirArchivo(const QString& titulo, const QString& filtro, const QString& carpeta) override
    {
        return alli([&] { return reales_->AbrirArchivo(titulo, filtro, carpeta); });
    }
    QStringList AbrirArchivos(const QString& titulo, const QString& filtro, const QString& carpeta) override
    {
        return alli([&] { return reales_->AbrirArchivos(titulo, filtro, carpeta); });
    }
    QString GuardarArchivo(const QString& titulo, const QString& filtro, const QString& carpeta) override
    {
        return alli([&] { return reales_->GuardarArchivo(titulo, filtro, carpeta); });
    }
    std::vector<int> EligeFilas(const QString& titulo, const QStringList& columnas, const QVector<QStringList>& filas,
                                bool multiple) override
    {
        return alli([&] { return reales_->EligeFilas(titulo, columnas, filas, multiple); });
    }
    void MuestraEspera(const QString& texto, int maximo) override
    {
        alli([&] { reales_->MuestraEspera(texto, maximo); });
    }
    void ActualizaEspera(int valor, const QString& texto) override
    {
        alli([&] { reales_->ActualizaEspera(valor, texto); });
    }
    void CierraEspera() override
    {
        alli([&] { reales_->CierraEspera(); });
    }
    void PintaProgreso(QObject* caja, const QString& texto, double fraccion) override
    {
        alli([&] { reales_->PintaProgreso(caja, texto, fraccion); });
    }

private:
    template <typename Pregunta>
    std::invoke_result_t<Pregunta> alli(Pregunta pregunta)
    {
        using Respuesta = std::invoke_result_t<Pregunta>;
        if constexpr (std::is_void_v<Respuesta>) {
            trabajo_.EnElHiloQueEspera(pregunta);
        } else {
            Respuesta respuesta{};
            trabajo_.EnElHiloQueEspera([&] { respuesta = pregunta(); });
            return respuesta;
        }
    }

    TrabajoEnSegundoPlano& trabajo_;
    std::unique_ptr<Dialogos> reales_;
};

TrabajoEnSegundoPlano::TrabajoEnSegundoPlano(std::function<void()> trabajo) : iniciador_(std::this_thread::get_id())
{
    // With none installed, the stand-in stands for the Qt ones.
    dialogos();
    auto puente = std::make_unique<DialogosDelHiloQueEspera>(*this);
    dialogos_ = puente.get();
    dialogos_->envuelve(instalaDialogos(std::move(puente)));
    try {
        hilo_ = std::thread([this, trabajo = std::move(trabajo)] {
            std::exception_ptr error;
            try {
                trabajo();
            } catch (...) {
                error = std::current_exception();
            }
            const std::lock_guard<std::mutex> bloqueo(cerrojo_);
            error_ = error;
            hecho_ = true;
            aviso_.notify_all();
        });
    } catch (...) {
        reponeDialogos();
        throw;
    }
}

TrabajoEnSegundoPlano::~TrabajoEnSegundoPlano()
{
    if (!esperado_) {
        try {
            Espera();
        } catch (...) {
            // Thrown while the owner is leaving through an error of its own.
        }
    }
    if (hilo_.joinable())
        hilo_.join();
}

void TrabajoEnSegundoPlano::Espera()
{
    if (esperado_)
        return;
    esperado_ = true;
    std::unique_lock<std::mutex> bloqueo(cerrojo_);
    for (;;) {
        aviso_.wait(bloqueo, [this] { return hecho_ || !pedidos_.empty(); });
        if (pedidos_.empty())
            break;
        Pedido* pedido = pedidos_.front();
        pedidos_.pop_front();
        bloqueo.unlock();
        try {
            pedido->accion();
        } catch (...) {
            pedido->error = std::current_exception();
        }
        bloqueo.lock();
        pedido->atendido = true;
        aviso_.notify_all();
    }
    bloqueo.unlock();
    reponeDialogos();
    if (error_)
        std::rethrow_exception(error_);
}

void TrabajoEnSegundoPlano::EnElHiloQueEspera(const std::function<void()>& accion)
{
    if (std::this_thread::get_id() == iniciador_) {
        accion();
        return;
    }
    Pedido pedido{accion, nullptr, false};
    std::unique_lock<std::mutex> bloqueo(cerrojo_);
    pedidos_.push_back(&pedido);
    aviso_.notify_all();
    aviso_.wait(bloqueo, [&pedido] { return pedido.atendido; });
    if (pedido.error)
        std::rethrow_exception(pedido.error);
}

void TrabajoEnSegundoPlano::reponeDialogos()
{
    instalaDialogos(dialogos_->suelta());
    dialogos_ = nullptr;
}
