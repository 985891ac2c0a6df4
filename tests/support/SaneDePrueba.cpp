#include "support/SaneDePrueba.h"

#include "platform/scanner/DispositivoSane.h"

#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>

namespace {

// The backend ends its reader thread with an asynchronous cancel, which
// deadlocks now and again when it lands while the thread frees memory on its
// way out; a pause after each block keeps the thread asleep at that moment.
constexpr char Configuracion[] = "number_of_devices 3\n"
                                 "read-delay true\n"
                                 "read-delay-duration 1000\n";

bool escribe(const QString& ruta, const QByteArray& contenido)
{
    QFile archivo(ruta);
    return archivo.open(QIODevice::WriteOnly) && archivo.write(contenido) == contenido.size();
}

bool hayDispositivosDePrueba()
{
    try {
        const std::vector<DescripcionSane> lista = DispositivosSane();
        return std::any_of(lista.begin(), lista.end(),
                           [](const DescripcionSane& d) { return d.nombre == QStringLiteral("test:2"); });
    } catch (const Err&) {
        return false;
    }
}

}

bool PreparaSaneDePrueba()
{
    static QTemporaryDir carpeta;
    static const bool listo = [] {
        if (!carpeta.isValid() || !escribe(carpeta.filePath(QStringLiteral("dll.conf")), "test\n")
            || !escribe(carpeta.filePath(QStringLiteral("test.conf")), Configuracion))
            return false;
        qputenv("SANE_CONFIG_DIR", QFile::encodeName(carpeta.path()));
        return IniciaSane() && hayDispositivosDePrueba();
    }();
    return listo;
}

int PixelesDePagina(double milimetros, double ppp)
{
    return int(std::floor(milimetros / 25.4 * ppp));
}
