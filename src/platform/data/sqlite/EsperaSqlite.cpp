#include "platform/data/sqlite/EsperaSqlite.h"

#include "platform/data/sqlite/BibliotecaSqlite.h"
#include "platform/dialogs/Dialogos.h"
#include "platform/dialogs/VentanaEspera.h"

#include <QThread>

#include <algorithm>

namespace {

// Short locks (another program's commit) pass unseen; the window appears
// only for a wait the operator would notice.
constexpr qint64 milisegundosSinVentana = 1000;
// Pauses grow from 1 ms, so a lock released at once costs nearly nothing.
constexpr int pausaMaxima = 100;

const QString textoEspera = QStringLiteral("Esperando la base de datos...");

}  // namespace

void EsperaSqlite::instala(sqlite3* db, const QString& archivo)
{
    archivo_ = archivo;
    sqlite3_busy_handler(db, &EsperaSqlite::reintenta, this);
}

void EsperaSqlite::fijaLimite(int segundos)
{
    limiteSegundos_ = std::max(0, segundos);
}

int EsperaSqlite::reintenta(void* espera, int intentos)
{
    return static_cast<EsperaSqlite*>(espera)->sigue(intentos) ? 1 : 0;
}

bool EsperaSqlite::sigue(int intentos)
{
    if (intentos == 0)
        reloj_.start();
    const qint64 transcurrido = reloj_.elapsed();
    if (limiteSegundos_ > 0 && transcurrido >= qint64(limiteSegundos_) * 1000) {
        cierra();
        dialogos().MsgBox(QStringLiteral("No se pudo usar la base de datos %1: otro programa la tiene bloqueada. Se "
                                         "dejó de esperar después de %2 segundos.")
                              .arg(archivo_)
                              .arg(limiteSegundos_),
                          Botones::SoloAceptar + Botones::IconoExclamacion, QStringLiteral("Aviso al operador"));
        return false;
    }
    if (transcurrido >= milisegundosSinVentana) {
        const int segundos = int(transcurrido / 1000);
        if (!mostrada_) {
            VentanaEspera().Muestra(textoEspera, limiteSegundos_);
            mostrada_ = true;
        }
        VentanaEspera().Actualiza(
            segundos, textoEspera + QStringLiteral(" otro programa la tiene bloqueada (%1 s)").arg(segundos));
    }
    QThread::msleep(std::min(1 << std::min(intentos, 7), pausaMaxima));
    return true;
}

void EsperaSqlite::cierra()
{
    if (!mostrada_)
        return;
    mostrada_ = false;
    VentanaEspera().Cierra();
}
