#pragma once

#include <QString>

// What one send leaves in the log v_ma_emailmov, as the window holds it.
struct FilaEnvio {
    QString De;
    QString Para;
    QString Asunto;
    QString Mensaje;
    QString Adjunto;
    QString TC;
    QString IdComprobante;
    QString Cuenta;
    QString CuentaEmail;
};

// Appends the row through an updatable recordset, each column as it is
// (apostrophes kept): Status "OK" without error, else CodigoActivador; the
// server's time, the current user, Tipo "E". The error text is not stored.
// Each failing step goes to the shared error dialog: 4 repeats it, 5 skips
// it, anything else leaves with nothing written.
void RegistrarEnvio(const FilaEnvio& fila, bool HayError, const QString& TextoError, const QString& CodigoActivador);

// Marks the logged rows of the message UIDL as answered by the user
// (trimmed). Errors reach the caller.
void ActualizaContestado(const QString& Usuario, const QString& UIDL, const QString& CuentaEmail);
