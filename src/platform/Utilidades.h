#pragma once

#include "platform/Conversiones.h"
#include "platform/Err.h"

#include <QString>
#include <QStringList>
#include <QVariant>

// The utility object: text fitting, safe field reading, conversions, the
// stored encoding and the error dialog of the form handlers.
class Utilidades {
public:
    // Trimmed, left-aligned, padded on the right with blanks to the width,
    // cut when longer. Applying it twice changes nothing.
    QString AjustaTexto(const QString& texto, int ancho) const;
    // The same fitting as AjustaTexto, so codes and keys agree.
    QString RellenaCodigo(const QString& codigo, int ancho = 4) const;
    // An amount text right-aligned to the width (cut on the left when longer).
    QString AjustaImporte(const QString& importe, int ancho) const;
    // The value as text; null gives "". Dates "dd/mm/yyyy" (with
    // " hh:mm:ss" when they carry a time), booleans "Verdadero"/"Falso",
    // numbers with "." and no grouping.
    QString ValorCampo(const QVariant& valor) const;
    Moneda TextoAMoneda(const QString& texto) const;
    double TextoANumero(const QString& texto) const;
    int CuentaPalabras(const QString& texto) const;
    // Every occurrence (case-insensitive) replaced; removed when no replacement.
    QString Reemplaza(const QString& texto, const QString& buscado, const QString& reemplazo = QString()) const;
    QString ReemplazaCaracter(const QString& texto, const QString& buscado, const QString& reemplazo) const;
    // A fixed-length field without the fill after its content.
    QString RecortaCampo(const QString& texto) const;
    bool EstaEnLista(const QString& valor, const QStringList& lista) const;
    // Stored additional descriptions and observations as plain text.
    QString LimpiaTexto(const QString& texto) const;
    // The stored form of users and passwords, and back: Decodifica(Codifica(x)) == x.
    QString Codifica(const QString& texto) const;
    QString Decodifica(const QString& texto) const;
    // The path ending in exactly one "/".
    QString AgregaBarra(const QString& carpeta) const;
    // The shared error dialog and log; 4 retry, 5 ignore, else leave.
    int MuestraErrorObjeto(const Err& e, int botones = 18, const QString& rutina = QString()) const;
};
