#include "platform/dialogs/AplicacionEscaneo.h"

#include "platform/dialogs/Dialogos.h"
#include "platform/dialogs/RegistroErrores.h"

#include <cstdio>
#include <exception>

AplicacionEscaneo::AplicacionEscaneo(int& argc, char** argv) : QApplication(argc, argv) {}

bool AplicacionEscaneo::notify(QObject* receptor, QEvent* evento)
{
    try {
        return QApplication::notify(receptor, evento);
    } catch (const std::exception& e) {
        // Nothing is left to retry or ignore: the handler is gone.
        try {
            MuestraYRegistraError(ErrorDeExcepcion(e), Botones::SoloAceptar + Botones::IconoCritico);
        } catch (...) {
            // Out of memory even for the dialog: standard error takes no allocation.
            std::fputs("escaneo: ", stderr);
            std::fputs(e.what(), stderr);
            std::fputc('\n', stderr);
        }
    }
    return false;
}
