#include "email/PreparaCorreo.h"
#include "platform/base/ArchivoSeguro.h"
#include "services/Objetos.h"
#include "support/TextoQt.h"
#include "support/modulo/BaseDePrueba.h"

#include <QDir>
#include <QFileInfo>

namespace {

class PreparaCorreoTest : public BaseDePrueba {
protected:
    void SetUp() override
    {
        BaseDePrueba::SetUp();
        conectaPrincipal();
    }
    void formato(const char* valor)
    {
        ejecuta(QStringLiteral("UPDATE TA_CONFIGURACION SET Valor = '%1' WHERE Clave = 'EMAIL_FORMATOADJUNTO'")
                    .arg(QLatin1String(valor)));
    }
};

}

TEST(DivideSeleccion, SplitsTheVoucherKey)
{
    const SeleccionCorreo s = DivideSeleccion(QStringLiteral("FC  "), QStringLiteral(" 000100000012A "));
    EXPECT_EQ(s.Clave, QStringLiteral("FC  000100000012A"));
    EXPECT_EQ(s.TC, QStringLiteral("FC"));
    EXPECT_EQ(s.Sucursal, QStringLiteral("0001"));
    EXPECT_EQ(s.Numero, QStringLiteral("00000012"));
    EXPECT_EQ(s.Letra, QStringLiteral("A"));
    EXPECT_EQ(s.IdComprobante, QStringLiteral("000100000012A"));
    EXPECT_EQ(DivideSeleccion(QStringLiteral("TKFC"), QStringLiteral("000200000003B")).TC, QStringLiteral("TKFC"));
}

// Levels made for this user only, writable, named in fixed forms; a second
// call in the same second finds them all.
TEST_F(PreparaCorreoTest, TheWorkFolderIsMadeLevelByLevelAndReused)
{
    const QDateTime momento(QDate(2026, 3, 9), QTime(14, 5, 7));
    const QString carpeta = CreaCarpetaEnvios(momento);
    EXPECT_EQ(carpeta, carpetaTemporal + QStringLiteral("E-MAILS/ENVIOS/09-03-2026/14.05.07"));
    const QFileInfo info(carpeta);
    ASSERT_TRUE(info.isDir());
    EXPECT_TRUE(info.isWritable());
    EXPECT_EQ(info.permissions() & (QFile::ReadGroup | QFile::ReadOther | QFile::WriteOther), QFile::Permissions());
    EscribeArchivoCompleto(carpeta + QStringLiteral("/dentro.txt"), "x");
    EXPECT_EQ(CreaCarpetaEnvios(momento), carpeta);
    EXPECT_TRUE(QFileInfo::exists(carpeta + QStringLiteral("/dentro.txt")));

    // A level that is no folder, or one others may enter, is refused and
    // nothing goes into it.
    EscribeArchivoCompleto(carpetaTemporal + QStringLiteral("E-MAILS/ENVIOS/10-03-2026"), "un archivo");
    QFile::setPermissions(carpetaTemporal + QStringLiteral("E-MAILS/ENVIOS/09-03-2026"), QFileDevice::Permissions(0x7777));
    for (const QDateTime& otro : {momento.addDays(1), momento.addSecs(1)}) {
        try {
            CreaCarpetaEnvios(otro);
            ADD_FAILURE() << "made";
        } catch (const Err& e) {
            EXPECT_EQ(e.Number, NumeroError::ErrorAccesoRuta);
            EXPECT_TRUE(e.Description.contains(carpetaTemporal + QStringLiteral("E-MAILS/ENVIOS/") +
                                               otro.toString(QStringLiteral("dd-MM-yyyy ("))))
                << e.Description.toStdString();
        }
    }
    EXPECT_FALSE(QFileInfo::exists(carpeta.chopped(2) + QStringLiteral("08")));
}

TEST_F(PreparaCorreoTest, TheAttachmentFormatGivesTheExportNameAndCode)
{
    const struct {
        const char* configurado;
        const char* formato;
        int codigo;
    } casos[] = {{"pdf", "RPT", 7}, {"PDF", "RPT", 7}, {"", "RPT", 7}, {" htm ", "htm", 22}, {"HTML", "HTML", 22},
                 {"rtf", "rtf", 15}, {"XLS", "XLS", 25}, {"DOC", "DOC", 0}};
    for (const auto& c : casos) {
        SCOPED_TRACE(c.configurado);
        formato(c.configurado);
        EXPECT_EQ(FormatoExportacion(), QString::fromLatin1(c.formato));
        EXPECT_EQ(CodigoFormatoAdjunto(FormatoExportacion()), c.codigo);
        PreparaExportacion(QStringLiteral("/tmp/envio"), QStringLiteral("FC  000100000012A"));
        EXPECT_EQ(ObjReporte().Destino(), ObjReporte().DestinoArchivo());
        EXPECT_EQ(ObjReporte().ArchivoExportacion(), QStringLiteral("/tmp/envio/FC  000100000012A1.") +
                                                          QString::fromLatin1(c.formato));
        EXPECT_EQ(ObjReporte().TipoExportacion().toInt(), c.codigo);
    }
    EXPECT_EQ(CodigoFormatoAdjunto(QStringLiteral("PDF")), 31);
    ejecuta(QStringLiteral("DELETE FROM TA_CONFIGURACION WHERE Clave = 'EMAIL_FORMATOADJUNTO'"));
    EXPECT_EQ(FormatoExportacion(), QStringLiteral("RPT"));
}

TEST_F(PreparaCorreoTest, SenderSubjectAndMessageText)
{
    EXPECT_EQ(RemitenteCorreo(), QStringLiteral("Usuario Demo"));
    ejecuta(QStringLiteral("UPDATE ta_usuarios SET Email_Nombre = NULL WHERE Nombre = 'demo'"));
    EXPECT_EQ(RemitenteCorreo(), QStringLiteral("envios@example.com"));
    ConexionPrincipal().setUsuario(QStringLiteral("NADIE"));
    EXPECT_EQ(RemitenteCorreo(), QStringLiteral("envios@example.com"));

    EXPECT_EQ(AsuntoCorreo(QStringLiteral("FC"), QStringLiteral("000100000012A")),
              QStringLiteral("Factura 000100000012A"));
    EXPECT_EQ(AsuntoCorreo(QStringLiteral("ZZ"), QStringLiteral("000100000012A")), QStringLiteral(" 000100000012A"));

    const QString pagina = carpetaTemporal + QStringLiteral("pagina.htm");
    EscribeArchivoCompleto(pagina, "<html>\r\n<body>\n<p>Se\xf1or</p>\r</body>\r\n</html>\r\n");
    EXPECT_EQ(LeeTextoPagina(pagina), QStringLiteral("<html><body><p>Señor</p></body></html>"));
    try {
        LeeTextoPagina(carpetaTemporal + QStringLiteral("no.htm"));
        ADD_FAILURE() << "read";
    } catch (const Err& e) {
        EXPECT_EQ(e.Number, NumeroError::ArchivoNoEncontrado);
    }
}
