#include "platform/base/Plugins.h"
#include "platform/mail/TransporteSmtp.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

namespace {

// An interface no plugin exports.
class OtraInterfaz {
public:
    virtual ~OtraInterfaz() = default;
};

}

Q_DECLARE_INTERFACE(OtraInterfaz, "escaneo.PruebaOtraInterfaz/1")

// The test program's folder holds the plugins, as the program's does.
TEST(Plugins, LoadsFromTheProgramFolderOrSaysWhatCouldNotBeLoadedAndWhy)
{
    EXPECT_NO_THROW(
        PluginDe<TransporteSmtp>(QStringLiteral("libescaneo_smtp.so"), QString(), QStringLiteral("el correo")));

    QTemporaryDir vacia;
    const struct {
        const char* caso;
        QString carpeta;
        const char* comienzo;
        QString detalle;
    } fallos[] = {
        {"a folder without it", vacia.path(), "No se pudo cargar el correo (",
         vacia.path() + QStringLiteral("/libescaneo_smtp.so): ")},
        {"another plugin's interface", QString(), "No se pudo cargar el correo: ",
         QStringLiteral("libescaneo_smtp.so no es el plugin esperado.")},
    };
    for (const auto& f : fallos) {
        try {
            if (f.carpeta.isEmpty())
                PluginDe<OtraInterfaz>(QStringLiteral("libescaneo_smtp.so"), f.carpeta, QStringLiteral("el correo"));
            else
                PluginDe<TransporteSmtp>(QStringLiteral("libescaneo_smtp.so"), f.carpeta, QStringLiteral("el correo"));
            ADD_FAILURE() << f.caso << " must fail";
        } catch (const Err& e) {
            EXPECT_EQ(e.Number, NumeroError::NoSePuedeCrearObjeto) << f.caso;
            EXPECT_TRUE(e.Description.startsWith(QLatin1String(f.comienzo))) << f.caso << ": " << e.what();
            EXPECT_TRUE(e.Description.contains(f.detalle)) << f.caso << ": " << e.what();
        }
    }
}
