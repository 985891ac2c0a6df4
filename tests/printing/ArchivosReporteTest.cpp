#include "printing/ArchivosReporte.h"

#include "BaseReportes.h"
#include "services/Modulo.h"

#include <gmock/gmock.h>

namespace {

// The texts of a case go through texto().
struct CasoArchivos {
    const char* descripcion;
    QStringList archivos;  // created before the lookup
    QStringList sql;       // run before the lookup
    QString nombre;
    QString estacion;
    QString comprobante;
    QString resultado;
    QStringList lista;   // the four entries; empty: the lookup gets no list
    QStringList avisos;  // "file|name" of each warning
};

const QStringList Vacia;

QStringList cuatro(const QString& ruta)
{
    return {ruta, ruta, ruta, ruta};
}

const CasoArchivos Casos[] = {
    {"the type's short file when the name has neither a row nor a file",
     {"ND.RPT"},
     {},
     "ND-A",
     "",
     "",
     "%CND.RPT",
     cuatro("%CND.RPT"),
     {}},
    {"six characters: the four of the type", {"NCFP.RPT"}, {}, "NCFP-A", "", "", "%CNCFP.RPT", {}, {}},
    {"nothing anywhere: one warning naming the folder and .rpt, the name's file taken",
     {},
     {},
     "ND-A",
     "",
     "",
     "%CND-A.rpt",
     cuatro("%CND-A.rpt"),
     {"%C.rpt|ND-A"}},
    {"a purchase type without files of its own takes the purchase form",
     {"cptecompras.rpt"},
     {},
     "FCC-A",
     "",
     "",
     "%Ccptecompras.rpt",
     cuatro("%Ccptecompras.rpt"),
     {}},
    {"a bare purchase code takes the purchase form",
     {"CpteCompras.RPT"},
     {},
     "RMC",
     "",
     "",
     "%CCpteCompras.RPT",
     {},
     {}},
    {"a full path stored with any case of .rpt is used as it is",
     {"otros/NotaCredito.Rpt"},
     {"INSERT INTO TA_REPORTES (NOMBRE, ARCHIVO) VALUES ('NC-A', '%Cotros/NotaCredito.Rpt')"},
     "NC-A",
     "",
     "",
     "%Cotros/NotaCredito.Rpt",
     cuatro("%Cotros/NotaCredito.Rpt"),
     {}},
    {"plain row: bare names in the folder whatever their case, an empty third repeats the second",
     {"fc-b.rpt", "FC-B-Duplicado.rpt", "FC-B-CUADRUPLICADO.RPT"},
     {},
     "FC-B",
     "",
     "",
     "%Cfc-b.rpt",
     {"%Cfc-b.rpt", "%CFC-B-Duplicado.rpt", "%CFC-B-Duplicado.rpt", "%CFC-B-CUADRUPLICADO.RPT"},
     {}},
    {"workstation row: its empty columns take the name's own fallbacks",
     {"FC-B-Estacion.rpt", "FC-B.rpt"},
     {"INSERT INTO TA_REPORTES (NOMBRE, ARCHIVO, ARCHIVO3) VALUES ('%E|FC-B', 'FC-B-Estacion', '')"},
     "FC-B",
     "",
     "",
     "%CFC-B-Estacion.rpt",
     {"%CFC-B-Estacion.rpt", "%CFC-B.rpt", "%CFC-B.rpt", "%CFC-B.rpt"},
     {}},
    {"a station given keeps the plain name, whose row then reads as the workstation's",
     {"FC-B-Estacion.rpt", "fc-b.rpt", "FC-B-Duplicado.rpt", "FC-B-CUADRUPLICADO.RPT"},
     {"INSERT INTO TA_REPORTES (NOMBRE, ARCHIVO) VALUES ('%E|FC-B', 'FC-B-Estacion')"},
     "FC-B",
     "%S",
     "",
     "%Cfc-b.rpt",
     {"%Cfc-b.rpt", "%CFC-B-Duplicado.rpt", "%Cfc-b.rpt", "%CFC-B-CUADRUPLICADO.RPT"},
     {}},
    {"each missing file of a row is reported once and replaced by the name's file",
     {},
     {},
     "FC-B",
     "",
     "",
     "%CFC-B.rpt",
     cuatro("%CFC-B.rpt"),
     {"%CFC-B.rpt|FC-B", "%CFC-B-Duplicado.rpt|FC-B", "%CFC-B-Cuadruplicado.rpt|FC-B"}},
    {"the payment settlement falls back on the PG-X row",
     {"LiqOPG.rpt"},
     {},
     "LiqOPG",
     "",
     "",
     "%CLiqOPG.rpt",
     cuatro("%CLiqOPG.rpt"),
     {}},
    {"an electronic voucher takes its point of sale's form in every position",
     {"FC-A.rpt", "efactura/eFC-A.RPT"},
     {"UPDATE V_TA_UNIDADNEGOCIO SET RUTA_REPORTE = ' %Cefactura ' WHERE PDV = '0001'"},
     "FC-A",
     "",
     "000100000012A",
     "%Cefactura/eFC-A.RPT",
     cuatro("%Cefactura/eFC-A.RPT"),
     {}},
    {"an electronic voucher of a point of sale without forms takes the configured folder",
     {"FC-B.rpt", "FC-B-Duplicado.rpt", "FC-B-Cuadruplicado.rpt", "config/efc-b.rpt"},
     {"INSERT INTO V_MV_CPTE_ELECTRONICOS (TC, IDCOMPROBANTE) VALUES ('FC  ', '000200000007B')",
      "INSERT INTO TA_CONFIGURACION (Grupo, Clave, Valor) VALUES ('IMPRESION', 'RUTA_FORMULARIOS_EFACTURA', "
      "'%Cconfig')"},
     "FC-B",
     "",
     "000200000007B",
     "%Cconfig/efc-b.rpt",
     cuatro("%Cconfig/efc-b.rpt"),
     {}},
    {"an electronic voucher passed without its number takes the configured folder",
     {"FC-A.rpt", "config/eFC-A.RPT"},
     {"INSERT INTO V_MV_CPTE_ELECTRONICOS (TC, IDCOMPROBANTE) VALUES ('FC  ', '')",
      "INSERT INTO TA_CONFIGURACION (Grupo, Clave, Valor) VALUES ('IMPRESION', 'RUTA_FORMULARIOS_EFACTURA', "
      "'%Cconfig')"},
     "FC-A",
     "",
     "",
     "%Cconfig/eFC-A.RPT",
     cuatro("%Cconfig/eFC-A.RPT"),
     {}},
    {"...and keeps the table's files when no folder is configured",
     {"FC-A.rpt"},
     {"INSERT INTO V_MV_CPTE_ELECTRONICOS (TC, IDCOMPROBANTE) VALUES ('FC  ', '')"},
     "FC-A",
     "",
     "",
     "%CFC-A.rpt",
     cuatro("%CFC-A.rpt"),
     {}},
    {"a relative file ending in .rpt is the report folder's",
     {"formas/FC-C.rpt"},
     {"INSERT INTO TA_REPORTES (NOMBRE, ARCHIVO) VALUES ('FC-C', 'formas/FC-C.rpt')"},
     "FC-C",
     "",
     "",
     "%Cformas/FC-C.rpt",
     {},
     {}},
    {"an apostrophe in the name reaches the query as a literal",
     {"RP_D'Angelo.rpt"},
     {"INSERT INTO TA_REPORTES (NOMBRE, ARCHIVO) VALUES ('RP_D''Angelo', 'RP_D''Angelo')"},
     "RP_D'Angelo",
     "",
     "",
     "%CRP_D'Angelo.rpt",
     {},
     {}},
};

class NombresReporte : public BaseReportes, public ::testing::WithParamInterface<CasoArchivos> {
protected:
    QString aviso(const QString& archivo, const QString& nombre) const
    {
        return QStringLiteral("No se encuentra el Archivo ") + archivo + QStringLiteral(" (") + nombre
               + QStringLiteral(
                   ") por favor verifique la configuración de Reportes\n Se tomara en su lugar el "
                   "formulario ")
               + carpetaReportes + nombre + QStringLiteral(".rpt");
    }
};

TEST_P(NombresReporte, ResolvesTheFilesOfAName)
{
    const CasoArchivos& c = GetParam();
    for (const QString& a : c.archivos)
        archivo(texto(a));
    for (const QString& s : c.sql)
        ejecuta(texto(s));

    QString nombre = c.nombre;
    ArchivosReporte lista;
    const QString resultado =
        NombreReporte(nombre, texto(c.estacion), c.lista.isEmpty() ? nullptr : &lista, c.comprobante);

    EXPECT_EQ(resultado, texto(c.resultado));
    if (!c.lista.isEmpty()) {
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(lista[i], texto(c.lista[i])) << "position " << i + 1;
    }
    EXPECT_EQ(nombre, c.estacion.isEmpty() ? ClaveEstacion() + u'|' + c.nombre : c.nombre);
    QStringList esperados;
    for (const QString& a : c.avisos)
        esperados << aviso(texto(a.section(u'|', 0, 0)), a.section(u'|', 1));
    EXPECT_EQ(dialogos->mensajes(), esperados);
    for (const auto& a : dialogos->avisos) {
        EXPECT_EQ(a.titulo, u"Aviso al Operador");
        EXPECT_EQ(a.botones, 16);
    }
}

INSTANTIATE_TEST_SUITE_P(Casos, NombresReporte, ::testing::ValuesIn(Casos));

TEST_F(BaseReportes, AStoredFileOutsideTheFolderThatIsMissingIsReportedAndReplaced)
{
    archivo(QStringLiteral("OT-X.rpt"));
    QString stored = dir.path() + QStringLiteral("/otra/OT-X.RPT");
    EXPECT_EQ(ObtieneArchivoReporte(stored, QStringLiteral("OT-X")), rutaReporte(QStringLiteral("OT-X.rpt")));
    ASSERT_EQ(dialogos->avisos.size(), 1u);
    EXPECT_THAT(
        dialogos->avisos[0].mensaje.toStdString(),
        ::testing::StartsWith("No se encuentra el Archivo " + (dir.path() + "/otra/OT-X.RPT (OT-X)").toStdString()));
}

TEST_F(BaseReportes, AFailingLookupAsksTheOperatorWhoMayGoOnToTheFallbacksOrLeave)
{
    ejecuta(QStringLiteral("DROP TABLE TA_REPORTES"));
    archivo(QStringLiteral("FC-A.rpt"));
    dialogos->responde(5).responde(5);
    QString nombre = QStringLiteral("FC-A");
    EXPECT_EQ(NombreReporte(nombre, QString(), nullptr, QString()), rutaReporte(QStringLiteral("FC-A.rpt")));
    ASSERT_EQ(dialogos->avisos.size(), 2u) << "one question per lookup";

    dialogos->responde(3);
    nombre = QStringLiteral("FC-A");
    ArchivosReporte lista;
    EXPECT_EQ(NombreReporte(nombre, QString(), &lista, QString()), u"");
    EXPECT_EQ(lista, ArchivosReporte{});
    EXPECT_EQ(dialogos->avisos.size(), 3u);
}

}  // namespace
