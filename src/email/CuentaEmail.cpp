#include "email/CuentaEmail.h"

#include "platform/base/Ajustes.h"
#include "services/Configuracion.h"
#include "services/Modulo.h"
#include "services/Objetos.h"

#include <memory>

namespace {

bool EsTipo(const QString& tipo, const char* nombre)
{
    return tipo.trimmed().compare(QLatin1String(nombre), Qt::CaseInsensitive) == 0;
}

void TomaSiVacio(QString& valor, const char* clave)
{
    if (valor.trimmed().isEmpty())
        valor = Cfg(QLatin1String(clave));
}

}

CuentaEmail LeeConfiguracionEmail()
{
    CuentaEmail c;
    std::unique_ptr<Recordset> fila;
    ConexionDatos& cn = ConexionPrincipal();
    if (cn.Existe(QStringLiteral("ta_usuarios"), Modulo().UsuarioActual, QStringLiteral("nombre"), QString(), &fila)) {
        const Utilidades& u = ObjUtilidades();
        c.TipoCuenta = u.ValorCampo(fila->Campo(QStringLiteral("eMail_Server")));
        c.UsuarioCuenta = u.ValorCampo(fila->Campo(QStringLiteral("email_usuario")));
        c.ClaveCuenta = u.ValorCampo(fila->Campo(QStringLiteral("email_Password")));
        c.NombreCuenta = u.ValorCampo(fila->Campo(QStringLiteral("Email_Nombre")));
        c.ServidorOtro = u.ValorCampo(fila->Campo(QStringLiteral("email_ServerOtro")));
        if (EsTipo(c.TipoCuenta, "OTRO") || EsTipo(c.TipoCuenta, "Hotmail"))
            c.PuertoCuenta = QStringLiteral("25");
        else if (EsTipo(c.TipoCuenta, "Gmail"))
            c.PuertoCuenta = QStringLiteral("465");
    }
    if (fila)
        cn.CierraRecordset(fila);
    TomaSiVacio(c.TipoCuenta, "email_server");
    TomaSiVacio(c.UsuarioCuenta, "email_usuario");
    TomaSiVacio(c.ClaveCuenta, "email_password");
    TomaSiVacio(c.NombreCuenta, "email_nombre");
    TomaSiVacio(c.ServidorOtro, "eMail_OtroServer");
    TomaSiVacio(c.PuertoCuenta, "email_puerto");
    return c;
}

CuentaSmtp CuentaDeEnvio(const CuentaEmail& cuenta)
{
    CuentaSmtp smtp;
    QString puerto = cuenta.PuertoCuenta.trimmed();
    const auto porDefecto = [&](const char* numero) {
        if (puerto.isEmpty())
            puerto = QLatin1String(numero);
    };
    if (EsTipo(cuenta.TipoCuenta, "Hotmail")) {
        smtp.servidor = Ajustes::valor(QStringLiteral("correo/servidor_hotmail"), "ESCANEO_SMTP_HOTMAIL",
                                       QStringLiteral("smtp-mail.outlook.com"));
        smtp.seguridad = SeguridadSmtp::StartTls;
        porDefecto("25");
    } else if (EsTipo(cuenta.TipoCuenta, "Gmail")) {
        smtp.servidor = Ajustes::valor(QStringLiteral("correo/servidor_gmail"), "ESCANEO_SMTP_GMAIL",
                                       QStringLiteral("smtp.gmail.com"));
        smtp.seguridad = SeguridadSmtp::TlsImplicito;
        porDefecto("465");
    } else if (EsTipo(cuenta.TipoCuenta, "Otro")) {
        smtp.servidor = cuenta.ServidorOtro.trimmed();
        porDefecto("25");
    }
    // A port that is no number leaves none: the send then fails for want of
    // data rather than trying another.
    bool esNumero = false;
    smtp.puerto = puerto.toInt(&esNumero);
    if (!esNumero || smtp.puerto <= 0 || smtp.puerto > 65535)
        smtp.servidor.clear();
    smtp.usuario = cuenta.UsuarioCuenta.trimmed();
    smtp.clave = cuenta.ClaveCuenta;
    smtp.archivoCertificados = Ajustes::valor(QStringLiteral("correo/certificados"), "ESCANEO_SMTP_CA");
    return smtp;
}
