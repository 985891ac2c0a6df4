#include "printing/AuxiliarComprobantes.h"

#include "BaseImpresion.h"
#include "services/Modulo.h"
#include "services/Objetos.h"

#include <QStringList>

namespace {

const char* const FilaEncabezado = "encabezado";

class AuxiliarComprobantes : public BaseImpresion {
protected:
    // One voucher, as the mailing and the print branch ask for it.
    QString genera(const QString& tc, const QString& id, int16_t lineasTitulo = 3, const QString& tarea = QString())
    {
        QString tipo = tc;
        GeneraAuxiliarComprobantes(tipo, id.mid(0, 4), id.mid(4, 8), id.mid(12, 1), QStringLiteral("0"), lineasTitulo,
                                   QString(), QString(), QString(), QString(), QString(), QString(), tarea);
        return tipo;
    }

    std::unique_ptr<Recordset> lee(const QString& columnas, const QString& usuario = ClaveEstacion())
    {
        ConexionDatos& cn = ConexionPrincipal();
        return cn.AbreRecordset(QStringLiteral("SELECT %1 FROM AUX_MV_CPTE WHERE USUARIO = %2 ORDER BY ID")
                                    .arg(columnas, cn.FormatoLiteral(usuario)));
    }

    // This workstation's rows in ID order: the kind, then what that kind
    // carries ("~" for null; nulls at the end left out).
    QStringList filas()
    {
        static const QStringList valores = {"COLUMNA1",  "COLUMNA2",  "COLUMNA3",  "COLUMNA4",  "COLUMNA5",
                                            "COLUMNA6",  "COLUMNA7",  "COLUMNA8",  "COLUMNA9",  "COLUMNA10",
                                            "COLUMNA11", "COLUMNA12", "COLUMNA13", "COLUMNA14", "COLUMNA15",
                                            "CANTIDAD_ORIGEN", "COLUMNA16", "COLUMNA17"};
        auto rs = lee(QStringLiteral("*"));
        QStringList resultado;
        for (; !rs->EOF(); rs->MoveNext()) {
            const QString tipo = rs->Campo("TIPO").toString();
            QStringList partes{tipo};
            if (tipo.isEmpty()) {
                const QVariant pie = rs->Campo("PIEDEPAGINA");
                partes = pie.isNull() ? QStringList{FilaEncabezado} : QStringList{"pie", pie.toString()};
            } else if (tipo == u"M" || tipo == u"ZZ") {
                partes << rs->Campo("SECCION").toString();
            } else if (tipo != u"3") {
                const int cuantas = tipo == u"TA" ? 7 : tipo == u"OC" ? 8 : int(valores.size());
                for (int i = 0; i < cuantas; ++i) {
                    const QVariant v = rs->Campo(valores[i]);
                    partes << (v.isNull() ? QStringLiteral("~") : v.toString());
                }
                while (partes.last() == u"~")
                    partes.removeLast();
            }
            resultado << partes.join(u'|');
        }
        return resultado;
    }

    // The pairs of header text and amount in words found on the rows.
    QStringList textosComunes()
    {
        QStringList pares;
        for (auto rs = lee(QStringLiteral("ENCABEZADO, IMPORTEENLETRAS")); !rs->EOF(); rs->MoveNext()) {
            const QString par = rs->Campo(0).toString() + u'|' + rs->Campo(1).toString();
            if (!pares.contains(par))
                pares << par;
        }
        return pares;
    }

    QStringList comprobantes()
    {
        QStringList lista;
        for (auto rs = lee(QStringLiteral("TC, IDCOMPROBANTE, IDCOMPLEMENTO")); !rs->EOF(); rs->MoveNext()) {
            const QString clave = rs->Campo(0).toString() + rs->Campo(1).toString() + u'/' + rs->Campo(2).toString();
            if (!lista.contains(clave))
                lista << clave;
        }
        return lista;
    }

    ConFormatoNumerico formato{FormatoComa()};
};

const char* const Insumos = "Insumos - Materiales Utilizados - Productos";
const char* const OtrosConceptos = "Otros Conceptos - Observaciones - Comentarios";

}

TEST_F(AuxiliarComprobantes, EachDemoVoucherWritesItsRows)
{
    struct Caso {
        const char* tc;
        const char* id;
        QStringList filas;
        const char* encabezado;
        const char* letras;
    };
    const QString insumos = QString::fromUtf8(Insumos), conceptos = QString::fromUtf8(OtrosConceptos);
    const Caso casos[] = {
        {"FC", "000100000012A",
         {FilaEncabezado, "3", "M|" + insumos, "3",
          "IN|ART001|Tornillo Parker 8x1|UN|100|5,00|500,00|4,13|L-0312 L-0318|6040|0|0|1|100|UN|1|100",
          "IN|ART002|Taladro percutor 750W|UN|2|200,00|400,00|165,29||TP-88121 TP-88122|0|0|2|2|UN|1|2",
          "IN|ART003|Cable unipolar 2,5 mm|MT|50|6,69|334,50|5,53|C25-A C25-B|3020|2,5|0|1|50|MT|1|50",
          "ZZ|L-0312 L-0318  C25-A C25-B", "3", "M|" + conceptos, "3",
          "OC||Flete sin cargo|0|0|0|0,00|0,00|0", "OC||Entrega en obra|0|0|0|50,00|50,00|0",
          "pie|Gracias por su compra"},
         "Pedido telefónico del 28/02", " un mil doscientos treinta y cuatro Pesos con cincuenta Centavos"},
        {"FC", "000200000007B",
         {FilaEncabezado, "3", "M|" + insumos, "3",
          "IN|ART010|Licencia software anual|UN|1|350,75|350,75|289,88|||0|0|0|1|UN|1|1", "3", "M|" + conceptos, "3",
          "OC||Soporte remoto incluido|0|0|0|12,10|10,00|0"},
         ".", " trescientos cincuenta Dólares con setenta y cinco Centavos"},
        {"RM", "000100000031R",
         {FilaEncabezado, "3", "M|" + insumos, "3",
          "IN|ART001|Tornillo Parker 8x1|UN|60|5,00|300,00|4,13|L-0318|60|0|0|1|60|UN|1|100",
          "IN|ART004|Arandela plana 8 mm|UN|200|0,80|160,00|0,66|||0|0|0|200|UN|1|200", "ZZ|L-0318", "3",
          "M|Insumos - Materiales Utilizados - Productos (Sin Preparación)", "3",
          "IN|ART001|Tornillo Parker 8x1|UN|0|5,00|500,00|4,13|||0|0|1|100|UN|1|100",
          "IN|ART005|Tuerca hexagonal 8 mm|UN|0|1,20|180,00|0,99|T8-07||0|0|1|150|UN|1|150"},
         "Entregar por portería", " cuatrocientos sesenta Pesos"},
        {"OT", "000100000050X",
         {FilaEncabezado, "3", "M|Detalles de Tareas a Realizar", "3",
          "TA|T01|{\\rtf1\\ansi\\deff0 Diagnóstico de falla\r\n Revisión del tablero principal\r\ny de las protecciones.| "
          "|01:30|5000,00|7500,00|4132,23",
          "TA|T02|Cambio de interruptor| |00:45|5000,00|3750,00|4132,23", "3",
          "M|Insumos - Materiales a Utilizar - Productos", "3",
          "IN|ART003|Cable unipolar 2,5 mm|MT|10|6,69|66,90|5,53|C25-B|10|0|0|1|10|MT|1|10", "ZZ|C25-B", "3",
          "M|" + conceptos, "3", "OC||Trabajo en altura|0|0|0|6833,10|5647,19|0",
          "pie|Garantía de 90 días sobre la mano de obra"},
         "Orden urgente", " dieciocho mil ciento cincuenta Pesos"},
        // A proforma to a final consumer gets its VAT added (21 %).
        {"FP", "000100000060A",
         {FilaEncabezado, "3", "M|" + insumos, "3", "IN|ART006|Lámpara LED 12W|UN|2|121,00|242,00|100,00|||0|0|0|2|UN|1|2"},
         ".", " doscientos Pesos"},
    };
    for (const Caso& c : casos) {
        EXPECT_EQ(genera(c.tc, c.id), QString::fromLatin1(c.tc).leftJustified(4)) << "the caller's type comes back padded";
        EXPECT_EQ(filas(), c.filas) << c.tc << c.id;
        EXPECT_EQ(textosComunes(), QStringList{QString::fromUtf8(c.encabezado) + u'|' + QString::fromUtf8(c.letras)})
            << c.tc << c.id;
        EXPECT_EQ(comprobantes(), QStringList{QString::fromLatin1(c.tc).leftJustified(4) + QLatin1String(c.id) + "/0"});
    }
    EXPECT_TRUE(dialogos->avisos.empty());
}

TEST_F(AuxiliarComprobantes, TheHeadingBlockPutsItsTitleAtHalfItsRows)
{
    struct Caso {
        int16_t lineas;
        QStringList bloque;
    };
    const QString titulo = QStringLiteral("M|") + QString::fromUtf8(Insumos);
    const Caso casos[] = {
        {3, {"3", titulo, "3"}}, {4, {"3", "3", titulo, "3"}}, {2, {"3", titulo}}, {1, {titulo}},
        {0, {titulo}},           {-1, {titulo}},               {-2, {"3"}},
    };
    for (const Caso& c : casos) {
        genera("FP", "000100000060A", c.lineas);
        const QStringList todas = filas();
        EXPECT_EQ(todas.mid(1, todas.size() - 2), c.bloque) << c.lineas;
    }
}

TEST_F(AuxiliarComprobantes, ATaskWritesOnlyItsLinesOrElseItsDiary)
{
    genera("OT", "000100000050X", 3, "T03");
    EXPECT_EQ(filas(), (QStringList{"3", "M|Detalles de Tareas a Realizar", "3",
                                    "TA|T03|{\\rtf1\\ansi\\deff0 Guardia nocturna\r\n Sin novedades| |04:00|0|0|0",
                                    "TA|T03|Guardia nocturna| |03:00|0|0|0"}))
        << "no header, footer, supplies or concepts";
    EXPECT_EQ(textosComunes(), QStringList{"| dieciocho mil ciento cincuenta Pesos"}) << "no header text";

    genera("OT", "000100000050X", 1, "T02");
    EXPECT_EQ(filas(), (QStringList{"M|Detalles de Tareas a Realizar",
                                    "TA|T02|Cambio de interruptor| |00:45|5000,00|3750,00|4132,23"}));
    genera("OT", "000100000050X", 3, "T99");
    EXPECT_TRUE(filas().isEmpty());
}

TEST_F(AuxiliarComprobantes, SettingsChangeWhatTheRowsCarry)
{
    struct Caso {
        const char* clave;
        const char* valor;
        const char* tc;
        const char* id;
        int fila;
        const char* esperada;
    };
    const Caso casos[] = {
        // Hours hidden, amounts still shown.
        {"NoMostrarImportesEnOT", "SI", "OT", "000100000050X", 5, "TA|T02|Cambio de interruptor| |      |5000,00|3750,00|4132,23"},
        {"RobaIvaProforma", "NO", "FP", "000100000060A", 4, "IN|ART006|Lámpara LED 12W|UN|2|100,00|200,00|100,00|||0|0|0|2|UN|1|2"},
        {"RETAIL", "NO", "FP", "000100000060A", 4, "IN|ART006|Lámpara LED 12W|UN|2|100,00|200,00|100,00|||0|0|0|2|UN|1|2"},
        {"IgnoraImportesCeroEnOC", "SI", "FC", "000100000012A", 11, "OC||Flete sin cargo|0|0|0|||0"},
        {"IgnoraImportesCeroEnOC", "SI", "FC", "000100000012A", 12, "OC||Entrega en obra|0|0|0|50,00|50,00|0"},
        {"MADERERA", "SI", "FC", "000100000012A", 6,
         "IN|ART003|Cable unipolar 2,5 mm|MT|50|6,69|334,50|5,53|C25-A C25-B|3020|2,5|0|1|50|MT|1|50|ML|6.69"},
        {"MADERERA", "SI", "FC", "000100000012A", 4,
         "IN|ART001|Tornillo Parker 8x1|UN|100|5,00|500,00|4,13|L-0312 L-0318|6040|0|0|1|100|UN|1|100||0"},
        {"CantidadDecimales", "3", "FC", "000200000007B", 4,
         "IN|ART010|Licencia software anual|UN|1|350,750|350,750|289,876|||0|0|0|1|UN|1|1"},
        {"SeparadorHora", ".", "OT", "000100000050X", 5, "TA|T02|Cambio de interruptor| |.75|5000,00|3750,00|4132,23"},
    };
    for (const Caso& c : casos) {
        const QString clave = QString::fromLatin1(c.clave);
        const QVariant antes = valor(QStringLiteral("SELECT Valor FROM TA_CONFIGURACION WHERE Clave = '%1'").arg(clave));
        fijaClave(clave, QString::fromLatin1(c.valor));
        genera(c.tc, c.id);
        const QStringList todas = filas();
        ASSERT_GT(todas.size(), c.fila) << c.clave;
        EXPECT_EQ(todas[c.fila], QString::fromUtf8(c.esperada)) << c.clave;
        fijaClave(clave, antes.isNull() ? QString() : antes.toString());
    }

    fijaClave(QStringLiteral("RETAIL"), QStringLiteral("NO"));
    genera("RM", "000100000031R");
    EXPECT_EQ(filas().size(), 7) << "the pending supplies of the order need the retail setting";
}

TEST_F(AuxiliarComprobantes, SelectsByListsOfNumbersOrIdsOrByRangeInIdOrder)
{
    struct Caso {
        const char* desde;
        const char* hasta;
        const char* complementoHasta;
        const char* listaId;
        const char* listaNumeros;
        QStringList comprobantes;
    };
    const Caso casos[] = {
        {"000100000012A", "000100000013A", "0", "", "", {"000100000012A", "000100000013A"}},
        {"000100000012A", "", "7", "", "", {"000100000012A"}},  // the same voucher and complement
        {"000100000012A", "000200000007B", "0", "", "", {"000100000012A", "000100000013A", "000200000007B", "000100000014A"}},
        {"", "", "", "", "", {"000100000012A", "000100000013A", "000200000007B", "000100000014A"}},
        {"", "", "", "2, 9", "", {"000100000013A", "000100000014A"}},
        {"", "", "", "  ", "'000200000007B','000100000012A'", {"000100000012A", "000200000007B"}},
        {"000100000012A", "000100000013A", "0", "2", "'000200000007B'", {"000200000007B"}},  // the numbers win
    };
    for (const Caso& c : casos) {
        const QString desde = QString::fromLatin1(c.desde), hasta = QString::fromLatin1(c.hasta);
        QString tipo = QStringLiteral("FC");
        GeneraAuxiliarComprobantes(tipo, desde.mid(0, 4), desde.mid(4, 8), desde.mid(12), QStringLiteral("0"), 3,
                                   hasta.mid(0, 4), hasta.mid(4, 8), hasta.mid(12), QString::fromLatin1(c.complementoHasta),
                                   QString::fromLatin1(c.listaId), QString::fromLatin1(c.listaNumeros), QString());
        QStringList esperados;
        for (const QString& id : c.comprobantes)
            esperados << QStringLiteral("FC  ") + id + QStringLiteral("/0");
        EXPECT_EQ(comprobantes(), esperados) << c.desde << "-" << c.hasta << " " << c.listaId << c.listaNumeros;
    }
    EXPECT_TRUE(dialogos->avisos.empty());
}

TEST_F(AuxiliarComprobantes, RebuildsOnlyThisWorkstationsRows)
{
    ejecuta(QStringLiteral("INSERT INTO AUX_MV_CPTE (USUARIO, TC, IDCOMPROBANTE, IDCOMPLEMENTO, TIPO, COLUMNA1) "
                           "VALUES ('OTRA|PERSONA', 'FC  ', '000100000012A', 0, 'IN', 'ajena')"));
    genera("FC", "000100000012A");
    const QStringList primera = filas();
    genera("OT", "000100000050X");
    genera("FC", "000100000012A");
    EXPECT_EQ(filas(), primera) << "a second run leaves no stale rows";
    EXPECT_EQ(cuenta("AUX_MV_CPTE WHERE USUARIO = 'OTRA|PERSONA' AND COLUMNA1 = 'ajena'"), 1);

    genera("XX", "000100000012A");
    EXPECT_TRUE(filas().isEmpty()) << "an empty selection still deletes this workstation's rows";
    EXPECT_EQ(cuenta("AUX_MV_CPTE"), 1);
}

TEST_F(AuxiliarComprobantes, TextsWithApostrophesReachTheTable)
{
    ejecuta(QStringLiteral("DELETE FROM V_MV_CPTE_OBSERV WHERE TC = 'OT'"));
    ejecuta(QStringLiteral("INSERT INTO V_MV_CPTE_OBSERV (TC, IDCOMPROBANTE, IDCOMPLEMENTO, TIPO_OBS, OBSERVACION, "
                           "IMPORTE, IMPORTE_S_IVA) VALUES ('OT  ', '000100000050X', 0, 'EN', 'Avisar a O''Brien', NULL, "
                           "NULL), ('OT  ', '000100000050X', 0, 'PP', 'Firma: D''Angelo', NULL, NULL), "
                           "('OT  ', '000100000050X', 0, 'OC', 'Viático d''obra', 10, 10)"));
    ejecuta(QStringLiteral("UPDATE V_MV_CPTETAREAS SET DESCRIPCION = 'Cambio d''interruptor' WHERE IDTAREA = 'T02'"));
    ejecuta(QStringLiteral("UPDATE V_MV_CPTEINSUMOS SET IDUNIDAD = 'M''' WHERE TC = 'OT'"));
    genera("OT", "000100000050X");
    const QStringList todas = filas();
    EXPECT_EQ(todas.value(5), "TA|T02|Cambio d'interruptor| |00:45|5000,00|3750,00|4132,23");
    EXPECT_TRUE(todas.value(9).startsWith("IN|ART003|Cable unipolar 2,5 mm|M'|10|")) << todas.value(9).toStdString();
    EXPECT_EQ(todas.value(14), "OC||Viático dobra|0|0|0|10,00|10,00|0") << "concepts drop their apostrophes";
    EXPECT_EQ(todas.value(15), "pie|Firma: D'Angelo");
    EXPECT_EQ(textosComunes(), QStringList{"Avisar a O'Brien| dieciocho mil ciento cincuenta Pesos"});
    EXPECT_TRUE(dialogos->avisos.empty());
}

TEST_F(AuxiliarComprobantes, TheCurrencyWordComesFromTheCurrencyTable)
{
    struct Caso {
        const char* moneda;  // nullptr: null
        const char* letras;
    };
    const Caso casos[] = {
        {"3", " trescientos cincuenta Euros con setenta y cinco Centavos"},
        {"2   ", " trescientos cincuenta Dólares con setenta y cinco Centavos"},
        {"1", " trescientos cincuenta Pesos con setenta y cinco Centavos"},
        {"0", " trescientos cincuenta Pesos con setenta y cinco Centavos"},
        {"", " trescientos cincuenta Pesos con setenta y cinco Centavos"},
        {nullptr, " trescientos cincuenta Pesos con setenta y cinco Centavos"},
    };
    for (const Caso& c : casos) {
        ejecuta(QStringLiteral("UPDATE V_MV_CPTE SET MONEDA = %1 WHERE IDCOMPROBANTE = '000200000007B'")
                    .arg(c.moneda ? QStringLiteral("'%1'").arg(QLatin1String(c.moneda)) : QStringLiteral("NULL")));
        genera("FC", "000200000007B");
        EXPECT_EQ(textosComunes(), QStringList{".|" + QString::fromUtf8(c.letras)}) << (c.moneda ? c.moneda : "null");
    }
}

TEST_F(AuxiliarComprobantes, ARefusedRowAsksTheOperatorAndTellsTheServersWords)
{
    ejecuta(QStringLiteral("CREATE TRIGGER rechaza BEFORE INSERT ON AUX_MV_CPTE WHEN NEW.COLUMNA1 = 'ART002' "
                           "BEGIN SELECT RAISE(ABORT, 'Artículo bloqueado'); END"));
    dialogos->responde(5).responde(1);
    genera("FC", "000100000012A");
    ASSERT_EQ(dialogos->avisos.size(), 2u);
    EXPECT_TRUE(dialogos->avisos[0].titulo.contains("GeneraAuxiliarComprobantes"));
    EXPECT_EQ(dialogos->avisos[1].mensaje, "Artículo bloqueado");
    EXPECT_EQ(dialogos->avisos[1].botones, 0);
    const QStringList ignorada = filas();
    EXPECT_EQ(ignorada.size(), 13) << "the other rows are all written";
    EXPECT_FALSE(ignorada.join(u'\n').contains("ART002"));

    dialogos->avisos.clear();
    dialogos->responde(3);
    genera("FC", "000100000012A");
    EXPECT_EQ(dialogos->avisos.size(), 1u);
    EXPECT_EQ(filas(), ignorada.mid(0, 5)) << "leaving keeps the rows written so far";
    EXPECT_EQ(cuenta(QStringLiteral("AUX_MV_CPTE WHERE USUARIO = '%1'").arg(ClaveEstacion())), 5)
        << "and they are committed";
}

TEST_F(AuxiliarComprobantes, OverflowsArePassedOverAndABadRangeAsksTheOperator)
{
    ejecuta(QStringLiteral("UPDATE V_MV_CPTEINSUMOS SET CONTROLADOPOR = 1e20 WHERE IDARTICULO = 'ART002'"));
    genera("FC", "000100000012A");
    EXPECT_TRUE(dialogos->avisos.empty());
    EXPECT_EQ(filas().value(5), "IN|ART002|Taladro percutor 750W|UN|2|200,00|400,00|165,29||TP-88121 TP-88122|0|0|~|2|UN|1|2")
        << "the column that overflowed is left out";

    dialogos->responde(3);
    QString tipo = QStringLiteral("FC");
    GeneraAuxiliarComprobantes(tipo, "0001", "00000012", "A", QString(), 3, QString(), QString(), QString(), QString(),
                               QString(), QString(), QString());
    ASSERT_EQ(dialogos->avisos.size(), 1u) << "an empty lower complement makes the selection invalid";
    EXPECT_TRUE(dialogos->avisos[0].titulo.contains("GeneraAuxiliarComprobantes"));
    EXPECT_EQ(tipo, "FC  ");
}

TEST_F(AuxiliarComprobantes, AConceptsLetterIsTheLastNonBlankCharacterOfItsNumber)
{
    ejecuta(QStringLiteral("UPDATE V_MV_CPTE_OBSERV SET IDCOMPROBANTE = '000100000012A  ' WHERE TIPO_OBS = 'OC'"));
    genera("FC", "000100000012A");
    EXPECT_EQ(filas().value(12), "OC||Entrega en obra|0|0|0|50,00|50,00|0") << "letter A: the amount without VAT";
}

TEST_F(AuxiliarComprobantes, AnOrderWithNothingPendingStillGetsItsHeadingBlock)
{
    ejecuta(QStringLiteral("UPDATE V_MV_CPTEINSUMOS SET CANTIDAD = 100 WHERE TC = 'RM' AND IDARTICULO = 'ART001'"));
    ejecuta(QStringLiteral("DELETE FROM V_MV_CPTEINSUMOS WHERE TC = 'NP' AND IDARTICULO = 'ART005'"));
    genera("RM", "000100000031R");
    const QStringList todas = filas();
    EXPECT_EQ(todas.mid(7), (QStringList{"3", "M|Insumos - Materiales Utilizados - Productos (Sin Preparación)", "3"}));
}
