#include "email/ImagenesPagina.h"
#include "email/MensajeEnvio.h"
#include "email/TextoCorreo.h"
#include "support/TextoQt.h"
#include "support/VariableTemporal.h"

#include <QFile>
#include <QTemporaryDir>
#include <QUrl>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

TEST(GetStringFile, DecodesEscapesIntoAFileName)
{
    const struct {
        const char* entrada;
        bool force;
        const char* nombre;
        const char* queda;
    } casos[] = {
        {"Foto%20del%2Bdia%25.jpg", true, "Foto_del+dia%.jpg", "Foto del+dia%.jpg"},
        {"a+b%2b%2B.png", true, "a_b++.png", "a b++.png"},
        {"a+b.png", false, "a+b.png", "a+b.png"},
        {"ticket%201.jpg", true, "ticket_1.jpg", "ticket 1.jpg"},
        {"sub/dir%2Fx.jpg", false, "sub\\dir\\x.jpg", "sub\\dir\\x.jpg"},
        {"100%.jpg", true, "100%.jpg", "100%.jpg"},
        {"%zz%41.gif", true, "%zzA.gif", "%zzA.gif"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.entrada);
        QString valor = QString::fromUtf8(c.entrada);
        EXPECT_EQ(GetStringFile(valor, c.force), QString::fromUtf8(c.nombre));
        EXPECT_EQ(valor, QString::fromUtf8(c.queda));
    }
    EXPECT_EQ(ObtieneNombreImagen(QStringLiteral("file:///tmp/scan/ticket%201.jpg")), QStringLiteral("ticket_1.jpg"));
    EXPECT_EQ(ObtieneNombreImagen(QStringLiteral("logo.png")), QString());
}

TEST(ConvierteTextoHtml, TurnsEveryCarriageReturnIntoABreak)
{
    QString texto = QStringLiteral("uno\r\ndos\rtres");
    EXPECT_EQ(ConvierteTextoHtml(texto), QStringLiteral("<HTML><BODY>uno<BR>\ndos<BR>tres</BODY></HTML>"));
    EXPECT_EQ(texto, QStringLiteral("uno<BR>\ndos<BR>tres"));
}

// The comment is escaped first, so what the operator types stays text.
TEST(PreparaComentario, EscapesThenKeepsBlanksAndLineBreaks)
{
    EXPECT_EQ(PreparaComentario(QStringLiteral("Hola  <b>Juan</b> & cía\r\nSaludos")),
              QStringLiteral("Hola&nbsp;&nbsp;&lt;b&gt;Juan&lt;/b&gt;&nbsp;&amp;&nbsp;cía<br />Saludos"));
}

TEST(CuerpoMensaje, PutsTheCommentAboveOrBelowInEachMode)
{
    const QString c = QStringLiteral("C"), m = QStringLiteral("a\rb");
    EXPECT_EQ(CuerpoMensaje(false, true, c, m), QStringLiteral("C<br /><br />a\rb"));
    EXPECT_EQ(CuerpoMensaje(false, false, c, m), QStringLiteral("a\rb<br /><br />C"));
    EXPECT_EQ(CuerpoMensaje(true, true, c, m), QStringLiteral("C\r\n<HTML><BODY>a<BR>b</BODY></HTML>"));
    EXPECT_EQ(CuerpoMensaje(true, false, c, m), QStringLiteral("<HTML><BODY>a<BR>b</BODY></HTML>\r\nC"));
}

TEST(PieMensaje, LinksTheConfiguredSiteWithItsText)
{
    const QString porDefecto = PieMensaje();
    EXPECT_TRUE(porDefecto.startsWith(QStringLiteral("<style type=\"text/css\">.style1 {text-align: center;color: "
                                                      "#FFFFFF;}.style2 {background-color: #C0C0C0;}</style>"
                                                      "<br /><br /><br /><br /><br /><br /><table style=\"width: "
                                                      "100%\" class=\"style2\"><tr><td class=\"style1\"><a href=\"")));
    EXPECT_TRUE(porDefecto.endsWith(QStringLiteral("</strong></a></td></tr></table>")));

    VariableTemporal direccion("ESCANEO_CORREO_PIE_DIRECCION", "https://ejemplo.test/?a=1&b=2");
    VariableTemporal texto("ESCANEO_CORREO_PIE_TEXTO", "Hecho por <Nosotros>");
    EXPECT_TRUE(PieMensaje().endsWith(QStringLiteral("<a href=\"https://ejemplo.test/?a=1&amp;b=2\"><strong>Hecho "
                                                     "por &lt;Nosotros&gt;</strong></a></td></tr></table>")));
}

TEST(ImagenesPagina, ReadsEveryImgSourceAsWritten)
{
    const QString html = QStringLiteral(
        "<p><img alt=\"\" src=\"file:///a/uno.jpg\" width=100%  ></p>"
        "<IMG ALT='x > y' SRC='file:///a/dos%20b.jpg'>"
        "<img src=http://example.com/tres.png><imgx src=\"no\"><img alt=sin-src>"
        "<img\nsrc = \"file:///a/uno.jpg\"/>");
    EXPECT_THAT(FuentesImagenes(html),
                ::testing::ElementsAre(QStringLiteral("file:///a/uno.jpg"), QStringLiteral("file:///a/dos%20b.jpg"),
                                       QStringLiteral("http://example.com/tres.png"), QString(),
                                       QStringLiteral("file:///a/uno.jpg")));
}

// Local pictures travel with the Content-ID of their name and index, and the
// body sent shows them through it; others stay as they were.
TEST(ImagenesPagina, EmbedsLocalPicturesUnderTheirNameAndIndex)
{
    QTemporaryDir dir;
    for (const char* nombre : {"uno.jpg", "ticket 1.jpg", "a&b.jpg"}) {
        QFile f(dir.filePath(QLatin1String(nombre)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("jpg");
    }
    const auto url = [&](const char* nombre) {
        return QUrl::fromLocalFile(dir.filePath(QLatin1String(nombre))).toString(QUrl::FullyEncoded);
    };
    const QString uno = url("uno.jpg"), ticket = url("ticket 1.jpg"), falta = url("falta.jpg");
    ASSERT_TRUE(ticket.endsWith(QStringLiteral("ticket%201.jpg")));
    // Written into the page as an attribute: its "&" escaped.
    const QString ampersand = url("a&b.jpg").replace(u'&', QStringLiteral("&amp;"));
    const std::vector<QString> fuentes{QStringLiteral("http://example.com/logo.png"), uno, falta, ticket, ampersand};

    const auto imagenes = ImagenesIncrustadas(fuentes);
    ASSERT_EQ(imagenes.size(), 3u);
    EXPECT_EQ(imagenes[2].parte.ruta, dir.filePath(QStringLiteral("a&b.jpg")));
    EXPECT_EQ(imagenes[2].parte.contentId, QStringLiteral("a&b.jpg4"));
    EXPECT_EQ(imagenes[0].parte.contentId, QStringLiteral("uno.jpg1"));
    EXPECT_EQ(imagenes[0].parte.ruta, dir.filePath(QStringLiteral("uno.jpg")));
    EXPECT_EQ(imagenes[1].parte.contentId, QStringLiteral("ticket_1.jpg3"));

    const QString html = QStringLiteral("<img src=\"http://example.com/logo.png\"><img src=\"%1\"><img src='%2'>"
                                        "<img src=\"%3\"><p>%1</p>")
                             .arg(uno, falta, ticket);
    EXPECT_EQ(ApuntaACid(html, imagenes),
              QStringLiteral("<img src=\"http://example.com/logo.png\"><img src=\"cid:uno.jpg1\"><img src='%1'>"
                             "<img src=\"cid:ticket_1.jpg3\"><p>%2</p>")
                  .arg(falta, uno));
}

// The sender is the account when it has a login, else "De"; the empty
// pieces of the attachment list are dropped.
TEST(ArmaMensaje, ChoosesTheSenderAndSkipsEmptyAttachments)
{
    DatosEnvio datos;
    datos.de = QStringLiteral("ventas@example.com");
    datos.para = QStringLiteral("a@example.com");
    datos.mensaje = QStringLiteral("texto\r");
    datos.comentario = QStringLiteral("ok");
    datos.EnvioManual = true;
    datos.adjuntos = QStringLiteral(";/a/uno.pdf;; ;/a/dos.pdf;");
    datos.cuenta.UsuarioCuenta = QStringLiteral(" ");
    datos.cuenta.NombreCuenta = QStringLiteral("Ventas");
    MensajeCorreo m = ArmaMensaje(datos);
    EXPECT_EQ(m.de, QStringLiteral("ventas@example.com"));
    EXPECT_EQ(m.adjuntos, (QStringList{QStringLiteral("/a/uno.pdf"), QStringLiteral("/a/dos.pdf")}));
    EXPECT_TRUE(m.html.startsWith(QStringLiteral("<HTML><BODY>texto<BR></BODY></HTML>\r\nok<BR /><BR /><BR /><style")));
    EXPECT_TRUE(m.imagenes.empty());

    datos.cuenta.UsuarioCuenta = QStringLiteral("envios@example.com");
    EXPECT_EQ(ArmaMensaje(datos).de, QStringLiteral("Ventas<envios@example.com>"));
}
