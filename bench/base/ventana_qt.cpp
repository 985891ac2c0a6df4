// The start-up benchmark's baseline: a bare Qt window of the main window's
// full size, which paints its first frame and waits. Started with "texto",
// it holds one label in the program's style: the least a window with text
// costs, the machine's font configuration and one font.

#include "app/PrimerCuadro.h"
#include "platform/dialogs/Twips.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char** argv)
{
    const bool conTexto = argc > 1 && qstrcmp(argv[1], "texto") == 0;
    if (conTexto)
        QApplication::setStyle(QStringLiteral("Windows"));
    QApplication aplicacion(argc, argv);
    QWidget ventana;
    ventana.setWindowTitle(QStringLiteral("Escaneo de Documentos"));
    ventana.resize(Px(16965), Px(8805));
    if (conTexto)
        (new QLabel(QStringLiteral("Escanear"), &ventana))->move(Px(240), Px(360));
    AvisoPrimerCuadro::Vigila(ventana);
    ventana.show();
    return aplicacion.exec();
}
