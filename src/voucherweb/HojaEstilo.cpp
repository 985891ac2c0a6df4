#include "voucherweb/HojaEstilo.h"

#include "platform/base/ArchivoSeguro.h"
#include "platform/base/Cp1252.h"
#include "services/Objetos.h"

namespace {

// Written exactly as the suite's pages expect them, odd spacing and
// property texts included.
const char* const LineasHoja[] = {
    "/* Vantrelo: style sheet */",
    "/* Define colores, fuentes y atributos de estilo  */",
    "/* Background de página */",
    "body { background-color: #FFFFFF }",
    "/* Colores de los enlaces */",
    "A:active { COLOR: red; text-decoration: none}",
    "A:link { COLOR: black; text-decoration: none }",
    "A:visited { COLOR: black; text-decoration: none }",
    "A {COLOR: black; text-decoration: none }",
    "/* Colores generales */",
    ".Header { background: #EEEEEE; font-size: 17; FONT-WEIGHT: bolder; color: black;}",
    ".SubroutineHeader { COLOR: #3333cc; FONT-SIZE: 15; FONT-WEIGHT: bolder; Text-Decoration: Underline;}",
    "/* Colores de tabla */",
    ".TableTitulo{ background: #000066; font-size: 11; FONT-FAMILY: Verdana; Text-Decoration: Bold; color: #FFFFFF; }",
    ".TableCaption { background: #000066; font-size: 10; FONT-FAMILY: Verdana; color: #FFFFFF;}",
    ".TableSubcaption { background: #EEEEEE; font-size: 12; FONT-WEIGHT: bolder; color: #AA00AA;}",
    ".TableDetalles{ Border=0 CellPadding=3 CellSpacing=1;}",
    ".TableRow{ background: #34cccc; font-size: 10; FONT-FAMILY: Verdana; font-color: black;}",
    ".TableRow2{ background: #EEEEEE; font-size: 10; FONT-FAMILY: Verdana; font-color: black;}",
    ".TableRow3{ background: #FFAAAA ; font-size: 10; FONT-FAMILY: Verdana; font-color: black;}",
    ".TableRowAbierto{  font-size: 10; FONT-FAMILY: Verdana; font-color: black;}",
    ".TableRowColor { background: #FFFFFF; }",
    ".RowHeader { background: #EEEEFF;}",
    ".TableCABDetalle{ font-size: 10; FONT-FAMILY: verdana; font-color: black; Text-Decoration: Bold;}",
    ".TableRowDetalle{ font-size: 10; FONT-FAMILY: verdana; font-color: black; Text-Decoration: Italic;}",
    ".TableCabeceraCaption{ font-size: 11; FONT-FAMILY: arial; font-color: black; Text-Decoration: Bold;}",
    ".TableCabeceraValor{ font-size: 10; FONT-FAMILY: arial; font-color: black; Text-Decoration: Bold;}",
    ".TableCABpIE{ font-size: 10; FONT-FAMILY: verdana; font-color: black; Text-Decoration: Bold;}",
    "/* Barra de navegación */",
    ".BotonEnabled {background-color:#EEEEFF; color:#0000FF;}",
    ".BotonDisabled {background-color:#CCCCFF; color:#000000;}",
};

}

void writeStyleCSS(const QString& strDirectorio)
{
    QByteArray contenido;
    for (const char* linea : LineasHoja)
        contenido += ACp1252(QString::fromUtf8(linea)) + "\r\n";
    EscribeArchivoPasajero(ObjUtilidades().AgregaBarra(strDirectorio) + NombreHojaEstilo, contenido);
}
