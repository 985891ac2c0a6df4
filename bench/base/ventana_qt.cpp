// The start-up benchmark's baseline: a bare Qt window of the main window's
// full size, which paints its first frame and waits.

#include "app/PrimerCuadro.h"
#include "platform/dialogs/Twips.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication aplicacion(argc, argv);
    QWidget ventana;
    ventana.setWindowTitle(QStringLiteral("Escaneo de Documentos"));
    ventana.resize(Px(16965), Px(8805));
    AvisoPrimerCuadro::Vigila(ventana);
    ventana.show();
    return aplicacion.exec();
}
