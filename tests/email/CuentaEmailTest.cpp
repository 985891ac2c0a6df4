#include "email/CuentaEmail.h"
#include "services/Modulo.h"
#include "support/TextoQt.h"
#include "support/VariableTemporal.h"
#include "support/modulo/BaseDePrueba.h"

namespace {

class CuentaEmailTest : public BaseDePrueba {
protected:
    void SetUp() override
    {
        BaseDePrueba::SetUp();
        conectaPrincipal();
        ejecuta(QStringLiteral("UPDATE TA_CONFIGURACION SET Valor = '587' WHERE Clave = 'EMAIL_PUERTO'"));
    }
    void usuario(const char* tipo, const char* login = "juan@example.com")
    {
        ejecuta(QStringLiteral("UPDATE ta_usuarios SET eMail_Server = %1, email_usuario = '%2', "
                               "email_Password = 'x''y', Email_Nombre = 'Juan', email_ServerOtro = 'mail.local' "
                               "WHERE Nombre = 'demo'")
                    .arg(tipo ? QStringLiteral("'%1'").arg(QLatin1String(tipo)) : QStringLiteral("NULL"),
                         QLatin1String(login)));
    }
};

}

// The user's row first, each empty setting from its key; the port follows
// the row's account type.
TEST_F(CuentaEmailTest, TakesTheUsersRowAndFallsBackPerSetting)
{
    const struct {
        const char* caso;
        const char* tipo;
        const char* login;
        const char* tipoLeido;
        const char* usuarioLeido;
        const char* puerto;
    } casos[] = {
        {"Gmail ignores the configured port", "Gmail", "juan@example.com", "Gmail", "juan@example.com", "465"},
        {"OTRO", "OTRO", "juan@example.com", "OTRO", "juan@example.com", "25"},
        {"Hotmail between blanks", " Hotmail ", "juan@example.com", " Hotmail ", "juan@example.com", "25"},
        {"another type takes the configured port", "Propio", "juan@example.com", "Propio", "juan@example.com", "587"},
        {"an empty type takes the key's", nullptr, "juan@example.com", "Otro", "juan@example.com", "587"},
        {"an empty login takes the key's", "Gmail", "", "Gmail", "envios@example.com", "465"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.caso);
        usuario(c.tipo, c.login);
        const CuentaEmail cuenta = LeeConfiguracionEmail();
        EXPECT_EQ(cuenta.TipoCuenta, QString::fromUtf8(c.tipoLeido));
        EXPECT_EQ(cuenta.UsuarioCuenta, QString::fromUtf8(c.usuarioLeido));
        EXPECT_EQ(cuenta.PuertoCuenta, QString::fromUtf8(c.puerto));
        EXPECT_EQ(cuenta.ClaveCuenta, QStringLiteral("x'y"));
        EXPECT_EQ(cuenta.NombreCuenta, QStringLiteral("Juan"));
        EXPECT_EQ(cuenta.ServidorOtro, QStringLiteral("mail.local"));
    }
}

// Without a row every setting comes from the keys, and a missing key keeps
// its single blank.
TEST_F(CuentaEmailTest, AUserWithoutARowSendsWithTheConfiguredAccount)
{
    Modulo().UsuarioActual = QStringLiteral("NADIE");
    ejecuta(QStringLiteral("DELETE FROM TA_CONFIGURACION WHERE Clave = 'EMAIL_NOMBRE'"));
    const CuentaEmail cuenta = LeeConfiguracionEmail();
    EXPECT_EQ(cuenta.TipoCuenta, QStringLiteral("Otro"));
    EXPECT_EQ(cuenta.UsuarioCuenta, QStringLiteral("envios@example.com"));
    EXPECT_EQ(cuenta.ServidorOtro, QStringLiteral("localhost"));
    EXPECT_EQ(cuenta.PuertoCuenta, QStringLiteral("587"));
    EXPECT_EQ(cuenta.NombreCuenta, QStringLiteral(" "));
}

TEST(CuentaDeEnvio, ChoosesServerPortAndProtectionByType)
{
    VariableTemporal gmail("ESCANEO_SMTP_GMAIL", "smtp.gmail.test");
    VariableTemporal hotmail("ESCANEO_SMTP_HOTMAIL", "smtp.hotmail.test");
    VariableTemporal ca("ESCANEO_SMTP_CA", "/etc/ca.pem");
    const struct {
        const char* tipo;
        const char* puerto;
        const char* servidor;
        int puertoUsado;
        SeguridadSmtp seguridad;
    } casos[] = {
        {"gmail", " ", "smtp.gmail.test", 465, SeguridadSmtp::TlsImplicito},
        {"Gmail", "2465", "smtp.gmail.test", 2465, SeguridadSmtp::TlsImplicito},
        {"HOTMAIL", "", "smtp.hotmail.test", 25, SeguridadSmtp::StartTls},
        {"Hotmail", "587", "smtp.hotmail.test", 587, SeguridadSmtp::StartTls},
        {"otro", " ", "mail.local", 25, SeguridadSmtp::Ninguna},
        {"Otro", "2525", "mail.local", 2525, SeguridadSmtp::Ninguna},
        {" ", "25", "", 25, SeguridadSmtp::Ninguna},
        {"Propio", "25", "", 25, SeguridadSmtp::Ninguna},
        {"Otro", "veinticinco", "", 0, SeguridadSmtp::Ninguna},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(std::string(c.tipo) + "/" + c.puerto);
        const CuentaSmtp smtp = CuentaDeEnvio({QString::fromUtf8(c.tipo), QStringLiteral(" yo@example.com "),
                                               QStringLiteral("clave"), QStringLiteral("Yo"),
                                               QStringLiteral(" mail.local "), QString::fromUtf8(c.puerto)});
        EXPECT_EQ(smtp.servidor, QString::fromUtf8(c.servidor));
        EXPECT_EQ(smtp.puerto, c.puertoUsado);
        EXPECT_EQ(smtp.seguridad, c.seguridad);
        EXPECT_EQ(smtp.usuario, QStringLiteral("yo@example.com"));
        EXPECT_EQ(smtp.archivoCertificados, QStringLiteral("/etc/ca.pem"));
    }
}
