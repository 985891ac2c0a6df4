#include "platform/dialogs/VentanaEspera.h"

#include "platform/dialogs/Dialogos.h"

void VentanaEspera::Muestra(const QString& texto, int maximo)
{
    dialogos().MuestraEspera(texto, maximo);
}

void VentanaEspera::Actualiza(int valor, const QString& texto)
{
    dialogos().ActualizaEspera(valor, texto);
}

void VentanaEspera::Cierra()
{
    dialogos().CierraEspera();
}
