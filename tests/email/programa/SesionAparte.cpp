#include "email/PiePagina.h"
#include "email/PreparaCorreo.h"
#include "services/Arranque.h"
#include "services/Objetos.h"
#include "support/DialogosImpresos.h"
#include "voucherweb/PaginaActual.h"

#include <QApplication>
#include <QDateTime>
#include <QFileInfo>

#include <cstdio>
#include <memory>

// One operator's session, in a process of its own and as the user it was
// started as: the start on the command line given, a voucher's page, and
// the preparation of its e-mail. Prints every prompt and each file it made;
// ends 0 only when all of them are there and nothing asked.
int main(int argc, char** argv)
{
    QApplication aplicacion(argc, argv);
    auto impresos = std::make_unique<DialogosImpresos>();
    const DialogosImpresos& dialogos = *impresos;
    instalaDialogos(std::move(impresos));
    QString cadena, carpeta, pagina, envios, pie;
    try {
        IniciaConexion(false, argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString(), cadena, 3);
        Mostrar(carpeta, pagina, QStringLiteral("FC"), QStringLiteral("0001"), QStringLiteral("00000012"),
                QStringLiteral("A"), true, QStringLiteral("1001"));
        envios = CreaCarpetaEnvios(QDateTime::currentDateTime());
        GeneraPiePagina(pie);
    } catch (const Err& e) {
        std::printf("error: %s\n", qUtf8Printable(e.Description));
        return 1;
    }
    bool hechos = true;
    for (const QString& hecho : {pagina, envios, pie}) {
        std::printf("hecho: %s\n", qUtf8Printable(hecho));
        hechos = hechos && !hecho.isEmpty() && QFileInfo::exists(hecho);
    }
    return hechos && dialogos.avisos() == 0 ? 0 : 1;
}
