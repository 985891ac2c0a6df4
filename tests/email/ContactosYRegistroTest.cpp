#include "email/ArchivoTemporal.h"
#include "email/ContactosCorreo.h"
#include "email/PiePagina.h"
#include "email/RegistroEnvios.h"
#include "platform/base/ArchivoSeguro.h"
#include "services/Objetos.h"
#include "support/TextoQt.h"
#include "support/modulo/BaseDePrueba.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

namespace {

class CorreoBase : public BaseDePrueba {
protected:
    void SetUp() override
    {
        BaseDePrueba::SetUp();
        conectaPrincipal();
    }
};

}

// The contacts that take the kind of document, else the account's
// additional address, without a final ";"; the account goes into the SQL as
// a literal, apostrophes and all.
TEST_F(CorreoBase, ObtieneMailsCuentaTakesTheContactsOfTheKind)
{
    ejecuta(QStringLiteral("INSERT INTO ma_contactos (CuentaRel, eMail, MAILPGCB, MAILOT, MAILOC) VALUES "
                           "('O''NEIL', 'o''neil@example.com', 1, NULL, NULL), ('2002', NULL, 1, 1, 1)"));
    ejecuta(QStringLiteral("UPDATE MA_CUENTASADIC SET mail = ' otro@example.com ' WHERE Codigo = '2002'"));
    const struct {
        const char* tipo;
        const char* cuenta;
        const char* resultado;
    } casos[] = {
        {"FC", "1001", "compras@tornillo.example;tesoreria@tornillo.example"},
        {"PG", "1001", "compras@tornillo.example;tesoreria@tornillo.example"},
        {"ot", "1001", "tesoreria@tornillo.example"},
        {"OC", "1001", "compras@tornillo.example"},
        {"FC", "1002", "admin@norte.example"},
        {"OT", "1002", ""},
        {"FC", "1003", "jcperez@example.com"},
        {"FC", "2001", "ventas@papelera.example;pagos@papelera.example"},
        {"FC", "2002", " otro@example.com "},
        {"FC", "9999", ""},
        {"FC", "O'NEIL", "o'neil@example.com"},
        {"FC", "1001 ", "compras@tornillo.example;tesoreria@tornillo.example"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(std::string(c.tipo) + "/" + c.cuenta);
        EXPECT_EQ(ObtieneMailsCuenta(QString::fromUtf8(c.tipo), QString::fromUtf8(c.cuenta)),
                  QString::fromUtf8(c.resultado));
    }
}

TEST_F(CorreoBase, GeneraPiePaginaWritesTheFooterPageByteForByte)
{
    QString ruta = QStringLiteral("antes");
    GeneraPiePagina(ruta);
    EXPECT_EQ(ruta, carpetaTemporal + QStringLiteral("PiePag.htm"));
    EXPECT_EQ(LeeArchivoCompleto(ruta), QByteArray("<HTML>\r\n<HEAD>\r\n</HEAD>\r\n<BODY>\r\n<BR>\r\n"
                                                   "<B>La Fonda de Prueba</B><BR>\r\n<BR>\r\n<BR>\r\n</BODY>\r\n"
                                                   "</HTML>\r\n"));
    ejecuta(QStringLiteral("DELETE FROM TA_CONFIGURACION WHERE Clave = 'NOMBRE'"));
    GeneraPiePagina(ruta);
    EXPECT_TRUE(LeeArchivoCompleto(ruta).contains("\r\n<B> </B><BR>\r\n"));
}

// A footer that cannot be written is reported and leaves the path alone.
TEST_F(CorreoBase, GeneraPiePaginaKeepsThePathWhenThePageCannotBeWritten)
{
    QDir(carpetaTemporal).removeRecursively();
    dialogos->responde(3);
    QString ruta = QStringLiteral("antes");
    GeneraPiePagina(ruta);
    EXPECT_EQ(ruta, QStringLiteral("antes"));
    ASSERT_EQ(dialogos->avisos.size(), 1u);
    EXPECT_TRUE(dialogos->avisos[0].mensaje.contains(QStringLiteral("PiePag.htm")));
}

TEST_F(CorreoBase, ArchivoTemporalCreatesWritesAndDiscardsOneFile)
{
    QString extension = QStringLiteral("htm"), ruta;
    ArchivoTemporal(1, QStringLiteral("primera"), extension, ruta);
    EXPECT_EQ(extension, QStringLiteral(".htm"));
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d{6}\\.htm$")).match(ruta.mid(carpetaTemporal.size())).hasMatch())
        << ruta.toStdString();
    EXPECT_TRUE(ruta.startsWith(carpetaTemporal));
    ArchivoTemporal(2, QString(), extension, ruta);
    ArchivoTemporal(2, QStringLiteral("ñandú"), extension, ruta);
    EXPECT_EQ(LeeArchivoCompleto(ruta), QByteArray("primera\r\r\n\r\r\n\xf1" "and\xfa\r\r\n"));

    // A new file closes the one before, which stays whole.
    const QString anterior = ruta;
    QString xls = QStringLiteral(".XLS");
    QString otra = carpetaTemporal + QStringLiteral("hoja.XLS");
    ArchivoTemporal(1, QStringLiteral("   "), xls, otra);
    ArchivoTemporal(2, QStringLiteral("a\tb"), xls, ruta);
    EXPECT_EQ(ruta, otra);
    EXPECT_EQ(LeeArchivoCompleto(otra), QByteArray("a\tb\r\n"));
    EXPECT_EQ(LeeArchivoCompleto(anterior), QByteArray("primera\r\r\n\r\r\n\xf1" "and\xfa\r\r\n"));

    ArchivoTemporal(4, QString(), xls, ruta);
    EXPECT_FALSE(QFile::exists(otra));
    EXPECT_EQ(ruta, otra);
    // No file open: a write ends quietly.
    ArchivoTemporal(2, QStringLiteral("nada"), xls, ruta);
    ArchivoTemporal(9, QStringLiteral("nada"), xls, ruta);
    EXPECT_FALSE(QFile::exists(otra));
    EXPECT_TRUE(dialogos->avisos.empty());
}

TEST_F(CorreoBase, ArchivoTemporalReportsAFileItCannotCreate)
{
    dialogos->responde(3);
    QString extension = QStringLiteral("txt"), ruta = carpetaTemporal + QStringLiteral("no/existe.txt");
    ArchivoTemporal(1, QStringLiteral("x"), extension, ruta);
    ASSERT_EQ(dialogos->avisos.size(), 1u);
    EXPECT_TRUE(dialogos->avisos[0].mensaje.contains(QStringLiteral("existe.txt")));
    EXPECT_EQ(ruta, QString());
}

// The row keeps every value as given, apostrophes included; a failure row
// carries the activator code as its status and never the error text.
TEST_F(CorreoBase, RegistrarEnvioAppendsOneRowPerSend)
{
    const FilaEnvio fila{QStringLiteral("D'Andrea <d@example.com>"), QStringLiteral("o'neil@example.com"),
                         QStringLiteral("Factura 000100000012A"), QStringLiteral("Gracias\r\n\r\n\r\n<p>l'page</p>"),
                         QStringLiteral("/tmp/a b/Style_Vantrelo.css"), QStringLiteral("FC"),
                         QStringLiteral("000100000012A"), QStringLiteral("1001"), QStringLiteral("envios@example.com")};
    RegistrarEnvio(fila, false, QString(), QString());
    RegistrarEnvio(fila, true, QStringLiteral("se cayó"), QStringLiteral("FC"));
    RegistrarEnvio(fila, true, QStringLiteral("se cayó"), QString());
    ASSERT_EQ(cuenta(QStringLiteral("v_ma_emailmov")), 3);
    const QString primera = QStringLiteral(" FROM v_ma_emailmov WHERE Id = 1");
    for (const auto& [columna, esperado] : std::vector<std::pair<const char*, QString>>{
             {"De", fila.De}, {"Para", fila.Para}, {"Asunto", fila.Asunto}, {"Mensaje", fila.Mensaje},
             {"Adjunto", fila.Adjunto}, {"CodigoActivador", QString()}, {"Usuario", QStringLiteral("demo")},
             {"TC", fila.TC}, {"IdComprobante", fila.IdComprobante}, {"Status", QStringLiteral("OK")},
             {"Cuenta", fila.Cuenta}, {"CuentaEmail", fila.CuentaEmail}, {"Tipo", QStringLiteral("E")}}) {
        SCOPED_TRACE(columna);
        EXPECT_EQ(valor(QStringLiteral("SELECT ") + QLatin1String(columna) + primera).toString(), esperado);
    }
    EXPECT_TRUE(valor(QStringLiteral("SELECT FechaHora") + primera).toDateTime().isValid());
    EXPECT_EQ(valor(QStringLiteral("SELECT Status || '|' || CodigoActivador FROM v_ma_emailmov WHERE Id = 2")),
              QStringLiteral("FC|FC"));
    EXPECT_EQ(valor(QStringLiteral("SELECT Status || '|' || CodigoActivador FROM v_ma_emailmov WHERE Id = 3")),
              QStringLiteral("|"));
    EXPECT_EQ(cuenta(QStringLiteral("v_ma_emailmov WHERE Mensaje LIKE '%se cayó%'")), 0);
}

TEST_F(CorreoBase, ActualizaContestadoMarksTheRowsOfTheMessage)
{
    ejecuta(QStringLiteral("INSERT INTO v_ma_emailmov (Para, uidl, Status) VALUES ('a', 'U1', 'OK'), ('b', 'U2', 'OK')"));
    ActualizaContestado(QStringLiteral("  O'Brien  "), QStringLiteral("U1"), QStringLiteral("x@example.com"));
    EXPECT_EQ(valor(QStringLiteral("SELECT Status || '|' || contestadopor FROM v_ma_emailmov WHERE uidl = 'U1'")),
              QStringLiteral("HTML|O'Brien"));
    EXPECT_EQ(valor(QStringLiteral("SELECT Status FROM v_ma_emailmov WHERE uidl = 'U2'")), QStringLiteral("OK"));
}
