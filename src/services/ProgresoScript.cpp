#include "services/ProgresoScript.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QSize>
#include <QVariant>

#include <cmath>

namespace {

// Colours as the picture box takes them: &H800000 (blue-green-red) is dark blue.
const QColor ColorFrente(0x00, 0x00, 0x80);
const QColor ColorFondo(0xFF, 0xFF, 0xFF);

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
    if (!caja)
        return;

    const QSize tamano = caja->property("size").toSize();
    if (tamano.isEmpty())
        return;
    // Setting the colours clears the box, so every paint starts afresh.
    QImage imagen(tamano, QImage::Format_RGB32);
    imagen.fill(ColorFondo);

    const QString pintado = TextoProgreso(texto, fraccion, exacto);
    const QFont fuente = caja->property("font").value<QFont>();
    const QFontMetrics medidas(fuente);
    const int ancho = medidas.horizontalAdvance(pintado);
    const int alto = medidas.height();
    const int x = int(std::lround(tamano.width() / 2.0 - ancho / 2.0));
    const int y = int(std::lround(tamano.height() / 2.0 - alto / 2.0));

    QPainter pintor(&imagen);
    pintor.setFont(fuente);
    pintor.fillRect(x, y, ancho, alto, ColorFondo);
    pintor.setPen(ColorFrente);
    pintor.drawText(x, y + medidas.ascent(), pintado);

    pintor.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
    if (fraccion > 0)
        pintor.fillRect(QRectF(0, 0, tamano.width() * fraccion, tamano.height()), ColorFrente);
    else
        pintor.fillRect(imagen.rect(), ColorFondo);
    pintor.end();

    caja->setProperty("pixmap", QPixmap::fromImage(imagen));
}
