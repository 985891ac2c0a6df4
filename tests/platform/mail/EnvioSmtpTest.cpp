#include "platform/base/Err.h"
#include "platform/mail/EncabezadosCorreo.h"
#include "platform/mail/EnvioSmtp.h"
#include "platform/mail/ErroresCorreo.h"
#include "support/ParteReal.h"
#include "support/ServidorSmtp.h"
#include "support/TextoQt.h"

#include <QFile>
#include <QJsonArray>
#include <QTemporaryDir>
#include <QTimer>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

const QString Usuario = QStringLiteral("envios@example.com");
const QString Clave = QStringLiteral("clave'secreta");

QJsonArray Partes(const QJsonObject& nodo)
{
    return nodo.value(QStringLiteral("partes")).toArray();
}

class EnvioSmtp : public ::testing::Test {
protected:
    QString archivo(const QString& nombre, const QByteArray& contenido)
    {
        const QString ruta = dir.filePath(nombre);
        QFile f(ruta);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(contenido);
        return ruta;
    }

    MensajeCorreo mensaje()
    {
        MensajeCorreo m;
        m.de = QStringLiteral("Envíos Demo<envios@example.com>");
        m.para = QStringLiteral("uno@example.com; Dos <dos@example.com>;");
        m.asunto = QStringLiteral("Factura 000100000012A");
        m.html = QStringLiteral("<p>Hola</p><img src=\"cid:logo.png0\">");
        m.imagenes.push_back({archivo(QStringLiteral("logo.png"), QByteArray("\x89PNG\r\n\x1a\nlogo", 12)),
                              QStringLiteral("logo.png0")});
        m.adjuntos << archivo(QStringLiteral("Style_Vantrelo.css"), "body { color: black; }\n");
        return m;
    }

    CuentaSmtp cuenta(const ServidorSmtp& s, SeguridadSmtp seguridad) const
    {
        return {QStringLiteral("127.0.0.1"), s.puerto(), seguridad, Usuario, Clave, s.certificado()};
    }

    QTemporaryDir dir;
};

struct Modo {
    const char* nombre;
    ServidorSmtp::Modo servidor;
    SeguridadSmtp seguridad;
};

class EnvioSmtpPorModo : public EnvioSmtp, public ::testing::WithParamInterface<Modo> {};

}

// The message arrives whole in every mode: envelope, headers, and the
// mixed/related tree with the body, the picture under its Content-ID and
// the attachment in base64 under its name.
TEST_P(EnvioSmtpPorModo, DeliversTheWholeMessage)
{
    ServidorSmtp servidor(GetParam().servidor, Usuario, Clave);
    EXIGE_PARTE_REAL(servidor.disponible(), servidor.motivo().toStdString());
    EnviaSmtp(cuenta(servidor, GetParam().seguridad), mensaje());

    const auto recibidos = servidor.recibidos(1);
    ASSERT_EQ(recibidos.size(), 1u);
    const auto& r = recibidos[0];
    EXPECT_EQ(r.remitente, QStringLiteral("envios@example.com"));
    EXPECT_THAT(r.destinatarios, ::testing::ElementsAre(QStringLiteral("uno@example.com"), QStringLiteral("dos@example.com")));
    const QJsonObject& raiz = r.arbol;
    EXPECT_EQ(Encabezado(raiz, QStringLiteral("From")), QStringLiteral("Envíos Demo <envios@example.com>"));
    EXPECT_EQ(Encabezado(raiz, QStringLiteral("To")), QStringLiteral("uno@example.com, Dos <dos@example.com>"));
    EXPECT_EQ(Encabezado(raiz, QStringLiteral("Subject")), QStringLiteral("Factura 000100000012A"));
    EXPECT_FALSE(Encabezado(raiz, QStringLiteral("Date")).isEmpty());
    EXPECT_TRUE(Encabezado(raiz, QStringLiteral("Message-ID")).endsWith(QStringLiteral("@example.com>")));
    EXPECT_EQ(raiz.value(QStringLiteral("tipo")).toString(), QStringLiteral("multipart/mixed"));

    const QJsonArray partes = Partes(raiz);
    ASSERT_EQ(partes.size(), 2);
    const QJsonObject relacionada = partes[0].toObject();
    EXPECT_EQ(relacionada.value(QStringLiteral("tipo")).toString(), QStringLiteral("multipart/related"));
    const QJsonArray cuerpo = Partes(relacionada);
    ASSERT_EQ(cuerpo.size(), 2);
    EXPECT_EQ(cuerpo[0].toObject().value(QStringLiteral("tipo")).toString(), QStringLiteral("text/html"));
    EXPECT_EQ(Encabezado(cuerpo[0].toObject(), QStringLiteral("Content-Transfer-Encoding")).toLower(),
              QStringLiteral("quoted-printable"));
    EXPECT_EQ(Contenido(cuerpo[0].toObject()), QByteArray("<p>Hola</p><img src=\"cid:logo.png0\">"));
    const QJsonObject imagen = cuerpo[1].toObject();
    EXPECT_EQ(Encabezado(imagen, QStringLiteral("Content-ID")), QStringLiteral("<logo.png0>"));
    EXPECT_EQ(imagen.value(QStringLiteral("disposicion")).toString(), QStringLiteral("inline"));
    EXPECT_EQ(Contenido(imagen), QByteArray("\x89PNG\r\n\x1a\nlogo", 12));
    const QJsonObject adjunto = partes[1].toObject();
    EXPECT_EQ(adjunto.value(QStringLiteral("disposicion")).toString(), QStringLiteral("attachment"));
    EXPECT_EQ(adjunto.value(QStringLiteral("nombre")).toString(), QStringLiteral("Style_Vantrelo.css"));
    EXPECT_EQ(Encabezado(adjunto, QStringLiteral("Content-Transfer-Encoding")).toLower(), QStringLiteral("base64"));
    EXPECT_EQ(Contenido(adjunto), QByteArray("body { color: black; }\n"));
}

INSTANTIATE_TEST_SUITE_P(Modos, EnvioSmtpPorModo,
                         ::testing::Values(Modo{"Plain", ServidorSmtp::Modo::Plano, SeguridadSmtp::Ninguna},
                                           Modo{"StartTls", ServidorSmtp::Modo::StartTls, SeguridadSmtp::StartTls},
                                           Modo{"Smtps", ServidorSmtp::Modo::Smtps, SeguridadSmtp::TlsImplicito}),
                         [](const auto& info) { return std::string(info.param.nombre); });

// Each failure of the dialogue raises the number its box is chosen by and
// says why: the server's own reply to what it refused, or in plain words what
// became of the connection; nothing reaches the server.
TEST_F(EnvioSmtp, FailuresRaiseTheirNumbersAndReasonsAndDeliverNothing)
{
    ServidorSmtp plano(ServidorSmtp::Modo::Plano, Usuario, Clave);
    EXIGE_PARTE_REAL(plano.disponible(), plano.motivo().toStdString());
    ServidorSmtp smtps(ServidorSmtp::Modo::Smtps, Usuario, Clave);
    EXIGE_PARTE_REAL(smtps.disponible(), smtps.motivo().toStdString());

    CuentaSmtp malaClave = cuenta(plano, SeguridadSmtp::Ninguna);
    malaClave.clave = QStringLiteral("otra");
    CuentaSmtp cerrado = cuenta(plano, SeguridadSmtp::Ninguna);
    cerrado.puerto = ServidorSmtp::PuertoCerrado();
    CuentaSmtp sinServidor = cuenta(plano, SeguridadSmtp::Ninguna);
    sinServidor.servidor = QStringLiteral("  ");
    // The server's certificate is not among the system's.
    CuentaSmtp sinConfianza = cuenta(smtps, SeguridadSmtp::TlsImplicito);
    sinConfianza.archivoCertificados.clear();
    // STARTTLS is required, and the plain server does not offer it.
    CuentaSmtp sinStartTls = cuenta(plano, SeguridadSmtp::StartTls);
    const CuentaSmtp buena = cuenta(plano, SeguridadSmtp::Ninguna);
    const QString servidorPlano = QStringLiteral("127.0.0.1:%1").arg(plano.puerto());

    const struct {
        const char* caso;
        CuentaSmtp cuenta;
        QString para;
        long numero;
        QString dice;
    } casos[] = {
        {"wrong password", malaClave, {}, ErrorCorreo::AutenticacionFallida,
         QStringLiteral("El servidor rechazó el usuario o la contraseña: 535 5.7.8 Authentication credentials invalid")},
        {"closed port", cerrado, {}, ErrorCorreo::SinConexion,
         QStringLiteral("No se pudo conectar con el servidor 127.0.0.1:%1").arg(cerrado.puerto)},
        {"no server", sinServidor, {}, ErrorCorreo::FaltanDatos, QStringLiteral("Falta el servidor SMTP de la cuenta")},
        {"untrusted certificate", sinConfianza, {}, ErrorCorreo::EnvioFallido,
         QStringLiteral("El certificado del servidor 127.0.0.1:%1 no es de confianza").arg(smtps.puerto())},
        {"no STARTTLS", sinStartTls, {}, ErrorCorreo::EnvioFallido,
         QStringLiteral("El servidor %1 no ofrece una conexión segura (STARTTLS)").arg(servidorPlano)},
        {"refused recipient", buena, QStringLiteral("uno@example.com; rechazado@example.com"), ErrorCorreo::EnvioFallido,
         QStringLiteral("El servidor rechazó al destinatario rechazado@example.com: 550 5.1.1 "
                        "<rechazado@example.com>: Recipient address rejected: User unknown")},
        {"refused at the end of the data", buena, QStringLiteral("rechaza-mensaje@example.com"), ErrorCorreo::EnvioFallido,
         QStringLiteral("El servidor rechazó el mensaje: 554 5.7.1 Message rejected: content not accepted")},
        {"connection dropped", buena, QStringLiteral("corta@example.com"), ErrorCorreo::EnvioFallido,
         QStringLiteral("El servidor %1 cortó la conexión").arg(servidorPlano)},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.caso);
        MensajeCorreo m = mensaje();
        if (!c.para.isEmpty())
            m.para = c.para;
        try {
            EnviaSmtp(c.cuenta, m);
            ADD_FAILURE() << "sent";
        } catch (const Err& e) {
            EXPECT_EQ(e.Number, c.numero);
            EXPECT_EQ(e.Description, c.dice);
        }
    }
    EXPECT_TRUE(plano.recibidos().empty());
    EXPECT_TRUE(smtps.recibidos().empty());
}

// What would break out of a header, reach no one or send a missing file is
// refused before anything connects, naming the field.
TEST_F(EnvioSmtp, RefusesUnsafeOrIncompleteMessagesBeforeConnecting)
{
    ServidorSmtp servidor(ServidorSmtp::Modo::Plano, Usuario, Clave);
    EXIGE_PARTE_REAL(servidor.disponible(), servidor.motivo().toStdString());
    const struct {
        const char* caso;
        std::function<void(MensajeCorreo&)> cambia;
        long numero;
        const char* dice;
    } casos[] = {
        {"CR LF in the subject", [](MensajeCorreo& m) { m.asunto += QStringLiteral("\r\nBcc: otro@example.com"); },
         NumeroError::LlamadaInvalida, "Asunto"},
        {"LF in the recipients", [](MensajeCorreo& m) { m.para = QStringLiteral("uno@example.com\nBcc: x@example.com"); },
         NumeroError::LlamadaInvalida, "Para"},
        {"NUL in the sender", [](MensajeCorreo& m) { m.de += QChar(0); }, NumeroError::LlamadaInvalida, "De"},
        {"CR in a Content-ID", [](MensajeCorreo& m) { m.imagenes[0].contentId += u'\r'; },
         NumeroError::LlamadaInvalida, "Content-ID"},
        {"not an address", [](MensajeCorreo& m) { m.para = QStringLiteral("uno@example.com; sin arroba"); },
         NumeroError::LlamadaInvalida, "sin arroba"},
        {"no recipient", [](MensajeCorreo& m) { m.para = QStringLiteral(" ; "); }, ErrorCorreo::FaltanDatos,
         "destinatario"},
        {"no sender", [](MensajeCorreo& m) { m.de.clear(); }, ErrorCorreo::FaltanDatos, "remitente"},
        {"missing attachment", [](MensajeCorreo& m) { m.adjuntos << QStringLiteral("/no/existe/factura.pdf"); },
         NumeroError::ArchivoNoEncontrado, "/no/existe/factura.pdf"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.caso);
        MensajeCorreo m = mensaje();
        c.cambia(m);
        try {
            EnviaSmtp(cuenta(servidor, SeguridadSmtp::Ninguna), m);
            ADD_FAILURE() << "sent";
        } catch (const Err& e) {
            EXPECT_EQ(e.Number, c.numero);
            EXPECT_TRUE(e.Description.contains(QString::fromUtf8(c.dice))) << e.Description.toStdString();
        }
    }
    EXPECT_TRUE(servidor.recibidos().empty());
}

// A page of 200 KB on one line travels with lines under 998 octets and comes
// back byte for byte; accented headers travel encoded and read back as typed.
TEST_F(EnvioSmtp, LongBodiesAndAccentedHeadersSurviveTheTrip)
{
    ServidorSmtp servidor(ServidorSmtp::Modo::Plano, Usuario, Clave);
    EXIGE_PARTE_REAL(servidor.disponible(), servidor.motivo().toStdString());
    MensajeCorreo m = mensaje();
    m.html = QStringLiteral("<p>") + QString(200 * 1024, u'ñ') + QStringLiteral("</p>");
    m.asunto = QStringLiteral("Nota de crédito Nº 0001-00000012 — señor Pérez, revisión de importes y más acentos");
    m.de = QStringLiteral("Ventas, \"Central\" <envios@example.com>");
    EnviaSmtp(cuenta(servidor, SeguridadSmtp::Ninguna), m);

    const auto r = servidor.recibidos(1).at(0);
    EXPECT_LT(r.arbol.value(QStringLiteral("lineaMasLarga")).toInt(), 998);
    EXPECT_FALSE(r.crudo.contains("ñ"));
    EXPECT_EQ(Encabezado(r.arbol, QStringLiteral("Subject")), m.asunto);
    EXPECT_EQ(Encabezado(r.arbol, QStringLiteral("From")), QStringLiteral("\"Ventas, \\\"Central\\\"\" <envios@example.com>"));
    const QJsonObject html = Partes(Partes(r.arbol)[0].toObject())[0].toObject();
    EXPECT_EQ(QString::fromUtf8(Contenido(html)), m.html);
}

// Whatever a file's name holds, a mail reader reads it back whole: quotes
// and backslashes escaped, anything beyond ASCII in RFC 2231's form, a long
// name in numbered pieces.
TEST_F(EnvioSmtp, AttachmentNamesReadBackWhole)
{
    ServidorSmtp servidor(ServidorSmtp::Modo::Plano, Usuario, Clave);
    EXIGE_PARTE_REAL(servidor.disponible(), servidor.motivo().toStdString());
    const QStringList nombres{QStringLiteral("a\"; x=y.txt"), QStringLiteral("C:\\recibos\\12.pdf"),
                              QStringLiteral("Recibo Nº 12 — señor Pérez.pdf"),
                              QString(110, u'ñ') + QStringLiteral(" 'año'; *%.pdf")};
    MensajeCorreo m = mensaje();
    m.adjuntos.clear();
    for (const QString& nombre : nombres)
        m.adjuntos << archivo(nombre, nombre.toUtf8());
    EnviaSmtp(cuenta(servidor, SeguridadSmtp::Ninguna), m);

    const auto r = servidor.recibidos(1).at(0);
    EXPECT_EQ(r.crudo.count("filename*0*=utf-8''"), 2);
    const QJsonArray partes = Partes(r.arbol);
    ASSERT_EQ(partes.size(), nombres.size() + 1);
    for (qsizetype i = 0; i < nombres.size(); ++i)
        EXPECT_EQ(partes[i + 1].toObject().value(QStringLiteral("nombre")).toString(), nombres[i]);
}

// While the worker sends, the calling thread's events keep running.
TEST_F(EnvioSmtp, SendingWithoutBlockingKeepsTheEventLoopRunning)
{
    ServidorSmtp servidor(ServidorSmtp::Modo::Plano, Usuario, Clave);
    EXIGE_PARTE_REAL(servidor.disponible(), servidor.motivo().toStdString());
    int vueltas = 0;
    QTimer reloj;
    QObject::connect(&reloj, &QTimer::timeout, [&] { ++vueltas; });
    reloj.start(1);
    MensajeCorreo m = mensaje();
    m.adjuntos << archivo(QStringLiteral("grande.bin"), QByteArray(2 * 1024 * 1024, 'x'));
    EnviaSmtpSinBloquear(cuenta(servidor, SeguridadSmtp::Ninguna), m);
    EXPECT_GT(vueltas, 0);
    EXPECT_EQ(servidor.recibidos(1).size(), 1u);

    CuentaSmtp cerrado = cuenta(servidor, SeguridadSmtp::Ninguna);
    cerrado.puerto = ServidorSmtp::PuertoCerrado();
    try {
        EnviaSmtpSinBloquear(cerrado, m);
        ADD_FAILURE() << "sent";
    } catch (const Err& e) {
        EXPECT_EQ(e.Number, ErrorCorreo::SinConexion);
    }
}
