#include "SaneDePrueba.h"

#include "platform/DispositivoSane.h"

#include <QFile>
#include <QTemporaryDir>

#include <cmath>

namespace {
bool escribe(const QString& ruta, const QByteArray& contenido)
{
    QFile archivo(ruta);
    return archivo.open(QIODevice::WriteOnly) && archivo.write(contenido) == contenido.size();
}
}

bool PreparaSaneDePrueba()
{
    static QTemporaryDir carpeta;
    static const bool listo = [] {
        if (!carpeta.isValid() || !escribe(carpeta.filePath(QStringLiteral("dll.conf")), "test\n")
            || !escribe(carpeta.filePath(QStringLiteral("test.conf")), "number_of_devices 3\n"))
            return false;
        qputenv("SANE_CONFIG_DIR", QFile::encodeName(carpeta.path()));
        return IniciaSane();
    }();
    return listo;
}

int PixelesDePagina(double milimetros, double ppp)
{
    return int(std::floor(milimetros / 25.4 * ppp));
}
