#include "platform/dialogs/FuentesEnSegundoPlano.h"

#include <QFontDatabase>
#include <QStringList>

// Qt's font database locks itself: a dialog the main thread shows meanwhile
// waits for the reading, or does it, safely either way.
FuentesEnSegundoPlano::FuentesEnSegundoPlano() : hilo_([] { QFontDatabase::families(); }) {}

FuentesEnSegundoPlano::~FuentesEnSegundoPlano()
{
    hilo_.join();
}
