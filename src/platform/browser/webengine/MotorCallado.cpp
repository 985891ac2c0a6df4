#include "platform/browser/webengine/MotorCallado.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <cstring>

namespace {

// What the engine prints at every start where it finds no GPU or runs
// unsandboxed (as root, or offscreen): state, not faults of the program.
constexpr const char* AvisosDelMotor[] = {
    "Sandboxing disabled by user",
    "WebEngineContext used before QtWebEngineCore::initialize()",
    "No suitable graphics backend found",
};

QtMessageHandler anterior = nullptr;

bool EsDelArranqueDelMotor(const char* categoria, const QString& mensaje)
{
    if (categoria && std::strncmp(categoria, "qt.webenginecontext", 19) == 0)
        return true;
    for (const char* aviso : AvisosDelMotor) {
        if (mensaje.startsWith(QLatin1String(aviso)))
            return true;
    }
    return false;
}

void Filtra(QtMsgType tipo, const QMessageLogContext& contexto, const QString& mensaje)
{
    if (tipo != QtCriticalMsg && tipo != QtFatalMsg && EsDelArranqueDelMotor(contexto.category, mensaje))
        return;
    anterior(tipo, contexto, mensaje);
}

}

void CallaElMotor()
{
    // Flags the caller gave come after these, so they still win.
    const QByteArray dados = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", QByteArray("--disable-logging --log-level=3 ") + dados);
    anterior = qInstallMessageHandler(Filtra);
}
