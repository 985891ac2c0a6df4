#include "email/EnvioDeInformes.h"

#include "email/FrmEnviar.h"
#include "platform/reports/MotorInformes.h"

#include <QLineEdit>

void InstalaEnvioDeInformes()
{
    InstalaEnvioInforme([](const QString& archivoPdf) {
        FrmEnviar ventana;
        ventana.Carga();
        ventana.txtAttach->setText(archivoPdf);
        ventana.MuestraModal();
    });
}
