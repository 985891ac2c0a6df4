#include "platform/base/ArchivoSeguro.h"
#include "platform/base/Err.h"
#include "voucherweb/CabeceraHtml.h"
#include "voucherweb/HojaEstilo.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

TEST(HojaEstilo, ThirtyOneLinesInTheCodePageWithTheirOddSpacing)
{
    QTemporaryDir dir;
    writeStyleCSS(dir.path());
    const QByteArray hoja = LeeArchivoCompleto(dir.filePath(QStringLiteral("Style_Vantrelo.css")));
    ASSERT_TRUE(hoja.endsWith("\r\n"));
    QList<QByteArray> lineas = hoja.split('\n');
    lineas.removeLast();
    ASSERT_EQ(lineas.size(), 31);
    for (const QByteArray& l : lineas)
        EXPECT_TRUE(l.endsWith('\r')) << l.constData();
    // Accented letters are single bytes of Windows-1252.
    EXPECT_EQ(lineas[2], QByteArray("/* Background de p\xe1gina */\r"));
    EXPECT_EQ(lineas[28], QByteArray("/* Barra de navegaci\xf3n */\r"));
    EXPECT_EQ(lineas[0], QByteArray("/* Vantrelo: style sheet */\r"));
    EXPECT_EQ(lineas[1], QByteArray("/* Define colores, fuentes y atributos de estilo  */\r"));
    EXPECT_EQ(lineas[16], QByteArray(".TableDetalles{ Border=0 CellPadding=3 CellSpacing=1;}\r"));
    EXPECT_EQ(lineas[19], QByteArray(".TableRow3{ background: #FFAAAA ; font-size: 10; FONT-FAMILY: Verdana; font-color: black;}\r"));
    EXPECT_EQ(lineas[20], QByteArray(".TableRowAbierto{  font-size: 10; FONT-FAMILY: Verdana; font-color: black;}\r"));
    EXPECT_EQ(lineas[30], QByteArray(".BotonDisabled {background-color:#CCCCFF; color:#000000;}\r"));
    // The classes the page writers put on their cells are all declared.
    for (const char* clase : {".TableCabeceraCaption{", ".TableCabeceraValor{", ".TableCABDetalle{", ".TableRowDetalle{",
                              ".TableCABpIE{", ".TableRow2{"})
        EXPECT_TRUE(hoja.contains(QByteArray("\n") + clase)) << clase;
}

TEST(HojaEstilo, RewritingReplacesTheFileWhateverTheFolderEnding)
{
    QTemporaryDir dir;
    const QString ruta = dir.filePath(QStringLiteral("Style_Vantrelo.css"));
    EscribeArchivoCompleto(ruta, QByteArray(5000, 'x'));
    writeStyleCSS(dir.path() + QLatin1Char('/'));
    const QByteArray primera = LeeArchivoCompleto(ruta);
    writeStyleCSS(dir.path());
    EXPECT_EQ(LeeArchivoCompleto(ruta), primera);
    EXPECT_EQ(primera.count('\n'), 31);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("Style_Vantrelo.css")});
}

TEST(HojaEstilo, AMissingFolderIsAnError)
{
    QTemporaryDir dir;
    EXPECT_THROW(writeStyleCSS(dir.filePath(QStringLiteral("no/existe"))), Err);
}

TEST(CabeceraHtml, PiecesInOrderWithDoubledQuotesAndTheDate)
{
    const QString esperada =
        QStringLiteral("<HTML><HEAD>"
                       "<META NAME=\"\"; GENERATOR; \"\"; CONTENT = \"\"Escaneo de Documentos\"\" > "
                       "<META HTTP-EQUIV=\"\"Content-Type\"\"; CONTENT = \"\"; Text / html; Charset = iso - 8859 - 1; \"\" > "
                       "<!-- Generado por Vantrelo - 08-12-2026-->"
                       "<TITLE> BSC001CBTEdetalle</TITLE>"
                       "<LINK REL ='stylesheet' TYPE='text/css' HREF='Style_Vantrelo.css' TITLE='Style'>"
                       "</HEAD><BODY>");
    EXPECT_EQ(getCabeceraHTML(QStringLiteral("BSC001CBTEdetalle"), false, QDate(2026, 12, 8)), esperada);
}

TEST(CabeceraHtml, FramesLeaveOutTheBodyAndAnEmptyTitleStaysEmpty)
{
    const QString conMarcos = getCabeceraHTML(QString(), true, QDate(2025, 1, 2));
    EXPECT_TRUE(conMarcos.endsWith(QStringLiteral("</HEAD>")));
    EXPECT_TRUE(conMarcos.contains(QStringLiteral("<TITLE> </TITLE>")));
    EXPECT_TRUE(conMarcos.contains(QStringLiteral("Vantrelo - 02-01-2025-->")));
    EXPECT_FALSE(conMarcos.contains(QStringLiteral("<BODY>")));
}
