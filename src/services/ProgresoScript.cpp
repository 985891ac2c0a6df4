#include "services/ProgresoScript.h"

#include "platform/dialogs/Dialogos.h"

#include <QObject>

#include <cmath>

namespace {

float& UltimoValor()
{
    static float valor = 0;
    return valor;
}

}

QString TextoProgreso(const QString& texto, double fraccion, bool exacto)
{
    int porcentaje = int(std::floor(fraccion * 100 + 0.5));
    if (!exacto && porcentaje == 0)
        porcentaje = 1;
    if (!exacto && porcentaje == 100)
        porcentaje = 99;
    return texto + QStringLiteral(" ") + QString::number(porcentaje) + QStringLiteral("%");
}

void MuestraEstado(const QString& texto, QObject* ventana)
{
    if (!ventana)
        return;
    DibujaProgreso(ventana->findChild<QObject*>(QStringLiteral("picStatus")), -1, 100, false, texto);
}

void DibujaProgreso(QObject* caja, float valor, float maximo, bool exacto, const QString& texto)
{
    if (valor != -1)
        UltimoValor() = valor;
    const double fraccion = double(UltimoValor()) / double(maximo);
    if (caja)
        dialogos().PintaProgreso(caja, TextoProgreso(texto, fraccion, exacto), fraccion);
}
