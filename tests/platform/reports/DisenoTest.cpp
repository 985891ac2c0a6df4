#include "platform/reports/ConsultaInforme.h"
#include "platform/reports/Diseno.h"
#include "platform/reports/ListaFormulas.h"

#include "platform/base/ArchivoSeguro.h"
#include "platform/base/Err.h"
#include "platform/data/ConexionDatos.h"
#include "support/BaseDemo.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Every report name the system resolves lands on a file shipped beside the
// program, and every shipped layout reads rows on the demo database.
TEST(DisenosInstalados, EveryNameTheSystemResolvesHasALayoutThatRunsOnTheDemoDatabase)
{
    const QDir carpeta(QCoreApplication::applicationDirPath());
    for (const char* nombre :
         {"FC-A.rpt", "FC.RPT", "NC-B.rpt", "ND.RPT", "FP-A.rpt", "NCFP.RPT", "TK-B.rpt", "TKFC.RPT", "NP-X.rpt",
          "OT-X.rpt", "OT-X2.rpt", "PR-X.rpt", "RM-R.rpt", "OP.RPT", "GF.RPT", "eFC-A.RPT", "CpteCompras.RPT",
          "CB.RPT", "CBCT.RPT", "CBFP.RPT", "PG.RPT", "OPG.RPT", "LiqOPG.rpt", "Asientos.rpt", "AsientoCCosto.rpt",
          "RP_CIERRECAJA.rpt", "ParteConsumoPE.rpt", "COMANDA.rpt", "COMANDA_COCINA.rpt", "COMANDA_BAR.rpt",
          "STK5.rpt", "IR-OC.rpt", "RP_MV_3ros.rpt", "RP_Liq_Com.rpt", "AutOT.rpt"})
        EXPECT_TRUE(QFileInfo(UbicaSinMayusculas(carpeta.filePath(QLatin1String(nombre)))).isFile()) << nombre;

    BaseDemo demo;
    ConexionDatos cn;
    cn.setServidor(QStringLiteral("sqlite"));
    cn.setBaseDatos(demo.archivoBase);
    cn.Conecta(false, 3, QString(), true, true);
    ASSERT_TRUE(cn.EstaConectado());
    const QStringList archivos = carpeta.entryList({"*.rpt"}, QDir::Files);
    EXPECT_GT(archivos.size(), 150);
    for (const QString& archivo : archivos) {
        try {
            const Diseno d = LeeDiseno(carpeta.filePath(archivo));
            EXPECT_FALSE(d.titulo.isEmpty()) << archivo.toStdString();
            ConsultaInforme(cn, d, QString(), {});
        } catch (const Err& e) {
            ADD_FAILURE() << archivo.toStdString() << ": " << e.Description.toStdString();
        }
    }
}

class DisenoAjeno : public ::testing::Test {
protected:
    QString escribe(const QString& nombre, const QByteArray& contenido)
    {
        const QString ruta = dir.filePath(nombre);
        EscribeArchivoCompleto(ruta, contenido);
        return ruta;
    }
    QString mensaje(const QString& ruta)
    {
        try {
            LeeDiseno(ruta);
        } catch (const Err& e) {
            return e.Description;
        }
        return QStringLiteral("(read)");
    }
    QTemporaryDir dir;
};

TEST_F(DisenoAjeno, AFileThatIsNotOneOfOurLayoutsFailsNamingIt)
{
    const QString binario = escribe(QStringLiteral("FC-A.rpt"), QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1\0\0\0", 11));
    EXPECT_EQ(mensaje(binario),
              QStringLiteral("El archivo %1 no es un diseño de informe de este sistema (línea 1: es un archivo binario).")
                  .arg(binario));
    const QString texto = escribe(QStringLiteral("NC.rpt"), "Crystal Reports\nvista: X\n");
    EXPECT_TRUE(mensaje(texto).startsWith(QStringLiteral("El archivo %1 no es un diseño").arg(texto)));
    const QString mal = escribe(QStringLiteral("ND.rpt"), "DISENO-ESCANEO 1\nvista: V_MV_CPTE\ncolumna: Importe | ancho | derecha\n");
    EXPECT_TRUE(mensaje(mal).contains(QStringLiteral("(línea 3: una columna es"))) << mensaje(mal).toStdString();
    const QString ajena = escribe(QStringLiteral("TK.rpt"), "DISENO-ESCANEO 1\nvista: V_MV_CPTE\ndato: Clave | TA_USUARIOS.CLAVE\n");
    EXPECT_TRUE(mensaje(ajena).contains(QStringLiteral("TA_USUARIOS.CLAVE no es de una vista que se lee")));
    EXPECT_EQ(mensaje(dir.filePath(QStringLiteral("falta.rpt"))),
              QStringLiteral("No se encuentra el informe %1.").arg(dir.filePath(QStringLiteral("falta.rpt"))));
}

TEST_F(DisenoAjeno, LayoutsAreFoundWithoutRegardToCaseAndReadInEitherCodePage)
{
    escribe(QStringLiteral("CpteCompras.RPT"), "DISENO-ESCANEO 1\ntitulo: Compra en d\xE9lares\nvista: C_MV_CPTE\n");
    const QString ruta = UbicaSinMayusculas(dir.filePath(QStringLiteral("cptecompras.rpt")));
    EXPECT_EQ(ruta, dir.filePath(QStringLiteral("CpteCompras.RPT")));
    EXPECT_EQ(LeeDiseno(dir.filePath(QStringLiteral("CPTECOMPRAS.rpt"))).titulo, QStringLiteral("Compra en délares"));
    EXPECT_EQ(UbicaSinMayusculas(dir.filePath(QStringLiteral("otro.rpt"))), dir.filePath(QStringLiteral("otro.rpt")));
}

TEST(ListaFormulas, ReadsNameAndValueAsTheCallersWriteThem)
{
    const ListaFormulas f({"NombreEmpresa = 'D'Angelo e Hijos'", "Localidad= 'Rosario'", "Condicion IVA= 'IVA:Resp. Inscripto'",
                           "Telefono= 'Telefono:'", "", "sin igual", "EMPRESA='A'", "empresa = 'B'", "ENQUEMONEDA = 1",
                           "Direccion = 'Calle 1  2 '"});
    EXPECT_EQ(f.valor("NombreEmpresa"), QStringLiteral("D'Angelo e Hijos"));
    EXPECT_EQ(f.valor("localidad"), QStringLiteral("Rosario"));
    EXPECT_EQ(f.valor("Condicion IVA"), QStringLiteral("IVA:Resp. Inscripto"));
    EXPECT_EQ(f.valor("Telefono"), QStringLiteral("Telefono:"));
    EXPECT_EQ(f.valor("EMPRESA"), QStringLiteral("B"));
    EXPECT_EQ(f.valor("ENQUEMONEDA"), QStringLiteral("1"));
    EXPECT_EQ(f.valor("Direccion"), QStringLiteral("Calle 1  2 "));
    EXPECT_FALSE(f.contiene("sin igual"));
    EXPECT_EQ(f.valor("CUIT"), QString());
}

}
