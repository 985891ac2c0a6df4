#include "app/PrimerCuadro.h"
#include "app/Uso.h"
#include "email/EnvioDeInformes.h"
#include "platform/base/ZonaHoraria.h"
#include "platform/dialogs/AplicacionEscaneo.h"
#include "platform/dialogs/ConfiguracionDeFuentes.h"
#include "platform/dialogs/Dialogos.h"
#include "platform/dialogs/DialogosQt.h"
#include "platform/dialogs/TraduccionesQt.h"
#include "platform/dialogs/TrabajoEnSegundoPlano.h"
#include "platform/reports/MotorInformes.h"
#include "services/Objetos.h"
#include "window/FrmEscaneo.h"

#include <QApplication>

#include <cstdio>
#include <memory>

int main(int argc, char** argv)
{
    if (const auto fin = FinPorUso(argc, argv))
        return *fin;
    FijaZonaHoraria();
    // Read beside the application's start; the window's first text needs it.
    ConfiguracionDeFuentes fuentes;
    // The browser, loaded with the first page shown, shares its GL context
    // with the widgets; that must be asked before the application exists.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    // The Windows look its operators know. Set before the application
    // exists, so that a style asked for with -style or QT_STYLE_OVERRIDE still
    // wins; it also paints the first frame without loading any image decoder
    // or starting paint threads, as Fusion's tab and group frames do.
    QApplication::setStyle(QStringLiteral("Windows"));
    AplicacionEscaneo aplicacion(argc, argv);
    CargaTraduccionesQt();
    instalaDialogos(std::make_unique<DialogosQt>());
    // Reports read their rows on the main connection, whatever string the
    // callers hand the report object.
    ObjReporte().InstalaMotor(std::make_unique<MotorInformes>(ConexionPrincipal()));
    InstalaEnvioDeInformes();

    // The start-up connects while the window is built; a prompt the
    // connection needs shows once the window is built, before it is shown.
    bool conectado = false;
    TrabajoEnSegundoPlano conexion([&conectado] { conectado = FrmEscaneo::ConectaAlCargar(QString()); });
    fuentes.Espera();
    FrmEscaneo ventana;
    conexion.Espera();
    switch (ventana.Form_Load(conectado)) {
    case FrmEscaneo::FinCarga::SinConexion: {
        const QString motivo = ConexionPrincipal().ErrorConexion().trimmed();
        std::fprintf(stderr, "escaneo: no se pudo abrir la conexión con la base de datos indicada en la línea de "
                             "comandos%s%s\n",
                     motivo.isEmpty() ? "." : ": ", qUtf8Printable(motivo));
        return 1;
    }
    case FrmEscaneo::FinCarga::Terminar:
        return 0;
    case FrmEscaneo::FinCarga::Mostrar:
        break;
    }
    AvisoPrimerCuadro::Vigila(ventana);
    ventana.show();
    return aplicacion.exec();
}
