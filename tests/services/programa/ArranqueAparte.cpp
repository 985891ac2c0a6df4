#include "services/Arranque.h"
#include "services/Objetos.h"
#include "support/DialogosImpresos.h"

#include <QApplication>

#include <cstdio>
#include <memory>

// One start-up as the program runs it, in a process of its own, on the
// command line given: ends 0 only when both the main and the statistics
// databases are open.
int main(int argc, char** argv)
{
    QApplication aplicacion(argc, argv);
    instalaDialogos(std::make_unique<DialogosImpresos>());
    QString cadena;
    const bool principal = IniciaConexion(false, argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString(), cadena, 3);
    const bool estadisticas = ConexionEstadisticas().EstaConectado();
    std::printf("principal=%d estadisticas=%d\n", principal ? 1 : 0, estadisticas ? 1 : 0);
    if (!principal)
        std::printf("%s\n", qUtf8Printable(ConexionPrincipal().ErrorConexion()));
    return principal && estadisticas ? 0 : 1;
}
