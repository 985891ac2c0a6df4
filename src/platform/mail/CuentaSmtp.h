#pragma once

#include <QString>

// How the connection to the server is protected.
enum class SeguridadSmtp {
    Ninguna,      // plain SMTP
    TlsImplicito, // TLS from the first byte (SMTPS)
    StartTls      // plain first, then STARTTLS, refusing to go on without it
};

// The server and login of one send. The password goes to the server only.
struct CuentaSmtp {
    QString servidor;
    int puerto = 25;
    SeguridadSmtp seguridad = SeguridadSmtp::Ninguna;
    QString usuario;
    QString clave;
    // Certificates to trust instead of the system's (tests pass their own).
    QString archivoCertificados;
};
