#pragma once

#include "platform/mail/CuentaSmtp.h"

#include <QString>

// The current user's SMTP account as the e-mail window gathers it.
struct CuentaEmail {
    QString TipoCuenta;
    QString UsuarioCuenta;
    QString ClaveCuenta;
    QString NombreCuenta;
    QString ServidorOtro;
    QString PuertoCuenta;
};

// The user's row of ta_usuarios, each empty setting taken from its
// configuration key (a missing key leaves its single blank); the port follows
// the account type. Errors reach the caller.
CuentaEmail LeeConfiguracionEmail();

// Where and how the account sends: "Gmail" TLS from the start, on "465"
// unless a port is set; "Hotmail" STARTTLS required, "25" unless set; "Otro"
// plain SMTP on ServidorOtro, "25" unless set; any other type no server, so
// the send fails for want of data. The two providers' hosts and the
// certificates to trust are settings.
CuentaSmtp CuentaDeEnvio(const CuentaEmail& cuenta);
