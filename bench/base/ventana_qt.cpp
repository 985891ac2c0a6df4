// The start-up benchmark's baseline: a Qt window of the main window's full
// size with one label in the program's style, which paints its first frame
// and waits. The least a window with text costs: the Windows style, the
// machine's font configuration and one font.

#include "app/PrimerCuadro.h"
#include "platform/dialogs/Twips.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char** argv)
{
    QApplication::setStyle(QStringLiteral("Windows"));
    QApplication aplicacion(argc, argv);
    QWidget ventana;
    ventana.setWindowTitle(QStringLiteral("Escaneo de Documentos"));
    ventana.resize(Px(16965), Px(8805));
    (new QLabel(QStringLiteral("Escanear"), &ventana))->move(Px(240), Px(360));
    AvisoPrimerCuadro::Vigila(ventana);
    ventana.show();
    return aplicacion.exec();
}
