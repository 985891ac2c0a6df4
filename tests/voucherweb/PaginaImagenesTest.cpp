#include "PaginaDemo.h"

#include "voucherweb/CabeceraHtml.h"
#include "voucherweb/GeneraPagina.h"

#include <QDate>

TEST_F(PaginaDemo, ImagesPageHoldsTheTitleAndEveryFiledImageOfTheAccount)
{
    ejecuta(QStringLiteral("INSERT INTO CTROL_ESCANEO (Cuenta, Cpte, RutaArchivo, NombreArchivo, Eliminado) VALUES "
                           "('1001', 'FC  000100000012A', '/datos/SCAN', 'otra hoja.jpg', NULL), "
                           "('1001', 'FC  000100000012A', '/datos/SCAN/', 'retirada.jpg', 1), "
                           "('1002', 'FC  000100000012A', '/datos/SCAN/', 'de-otra-cuenta.jpg', NULL)"));
    ASSERT_TRUE(GeneraPaginaImagenes(ruta, QStringLiteral("FC  "), QStringLiteral("0001"), QStringLiteral("00000012"),
                                     QStringLiteral("A"), QStringLiteral("1001")));
    const QStringList p = lineas(ruta);
    ASSERT_EQ(p.size(), 5);
    EXPECT_EQ(p[0], getCabeceraHTML(QStringLiteral("BSC001CBTEdetalle"), false));
    EXPECT_TRUE(p[1].contains(QStringLiteral("<B><I>FC  -000100000012A</I></B>")));
    EXPECT_TRUE(p[1].contains(QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy"))));
    EXPECT_EQ(p[2], QStringLiteral("<img alt='' src='file://") + dir.path()
                        + QStringLiteral("/SCAN/factura-0001-00000012.jpg' width=100% height='2800'></p>"));
    EXPECT_EQ(p[3], QStringLiteral("<img alt='' src='file:///datos/SCAN/otra%20hoja.jpg' width=100% height='2800'></p>"));
    EXPECT_EQ(p[4], QStringLiteral("</body></html>"));
}

TEST_F(PaginaDemo, ImagesPageOfAVoucherWithoutScans)
{
    ASSERT_TRUE(GeneraPaginaImagenes(ruta, QStringLiteral("NC"), QStringLiteral("0001"), QStringLiteral("00000004"),
                                     QStringLiteral("A"), QStringLiteral("1001")));
    const QStringList p = lineas(ruta);
    ASSERT_EQ(p.size(), 3);
    EXPECT_EQ(p[2], QStringLiteral("</body></html>"));
}
