#pragma once

#include "platform/base/Conversiones.h"
#include "platform/base/Err.h"

#include <QString>
#include <QStringList>
#include <QVariant>

class QWidget;

// The utility object: text fitting, safe field reading, conversions, the
// stored encoding and the error dialog of the form handlers.
class Utilidades {
public:
    // Trimmed, left-aligned, padded on the right with blanks to the width,
    // cut when longer. Applying it twice changes nothing. A negative width
    // raises Err 5.
    QString AjustaTexto(const QString& texto, int ancho) const;
    // The same fitting as AjustaTexto, so codes and keys agree.
    QString RellenaCodigo(const QString& codigo, int ancho = 4) const;
    // An amount text right-aligned to the width (cut on the left when longer).
    QString AjustaImporte(const QString& importe, int ancho) const;
    // The value as text; null gives "". Dates "dd/mm/yyyy" (with
    // " hh:mm:ss" when they carry a time), booleans "Verdadero"/"Falso",
    // numbers with "." and no grouping.
    QString ValorCampo(const QVariant& valor) const;
    // Reads "1234.56", "1234,56", "1.234,56" or "1,234.56" (blanks ignored),
    // rounding half to even to 4 decimals; text that is no number gives 0;
    // Err 6 beyond the currency range.
    Moneda TextoAMoneda(const QString& texto) const;
    // The same reading as a double.
    double TextoANumero(const QString& texto) const;
    // Words are separated by runs of blanks, tabs and line breaks.
    int CuentaPalabras(const QString& texto) const;
    // Every occurrence (case-insensitive) replaced; removed when no replacement.
    QString Reemplaza(const QString& texto, const QString& buscado, const QString& reemplazo = QString()) const;
    QString ReemplazaCaracter(const QString& texto, const QString& buscado, const QString& reemplazo) const;
    // A fixed-length field without the fill after its content.
    QString RecortaCampo(const QString& texto) const;
    bool EstaEnLista(const QString& valor, const QStringList& lista) const;
    // Stored additional descriptions and observations as plain text: line
    // breaks and tabs become blanks, control characters go, and the blanks
    // at the end are trimmed.
    QString LimpiaTexto(const QString& texto) const;
    // The stored form of users and passwords, and back: Decodifica(Codifica(x)) == x.
    // Decodifica raises Err 5 for text that is not in the stored form.
    QString Codifica(const QString& texto) const;
    QString Decodifica(const QString& texto) const;
    // The path ending in exactly one "/".
    QString AgregaBarra(const QString& carpeta) const;
    // The shared error dialog and log; 4 retry, 5 ignore, else leave.
    int MuestraErrorObjeto(const Err& e, int botones = 18, const QString& rutina = QString()) const;
    // Called by a window's load on itself: centres it on its screen's free
    // area. The second argument is always 0 and changes nothing.
    void PreparaVentana(QWidget& ventana, const QVariant& = 0) const;
};
