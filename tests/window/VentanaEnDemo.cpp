#include "VentanaEnDemo.h"

#include "window/FlexGrid.h"

void VentanaEnDemo::SetUp()
{
    BaseEscaneo::SetUp();
    inicia();
    configuraCarpetaEscaneo();
    ventana = std::make_unique<FrmEscaneo>();
}

void VentanaEnDemo::TearDown()
{
    ventana.reset();
    BaseEscaneo::TearDown();
}

void VentanaEnDemo::clic(const char* cuenta, const char* cpte, const char* fecha, const char* nombre,
                         VistaDeFila vista)
{
    GrillaFlex& grilla = ventana->MSFlexGrid1->grilla();
    grilla.setRows(2);
    grilla.setCols(7);
    const int fila = 1;
    const char* textos[] = {"", cuenta, "", cpte, fecha, nombre, ""};
    for (int c = 0; c < 7; ++c)
        grilla.setTextMatrix(fila, c, QLatin1String(textos[c]));
    grilla.setRowData(fila, long(vista));
    ventana->MSFlexGrid1->setCurrentIndex(grilla.index(fila - 1, 3));
    ventana->MSFlexGrid1_Click();
}
