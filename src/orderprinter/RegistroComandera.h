#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

// One workstation's order printer, as "Comanderas.cfg" keeps it: fixed-width
// Windows-1252 fields, 910 bytes a record, no header, no separators. Flags
// hold "S" for yes, in any case.
struct RegistroComandera {
    QString Estacion;            // machine name | user
    QString ImpresoraComandera;  // empty: the record is ignored
    QString Puerto;              // "COMn"
    QString Reservado1;
    QString ImprimeEncabezado1;
    QString Encabezado1;         // empty: the configured "NOMBRE"
    QString ImprimeEncabezado2;
    QString Encabezado2;         // empty: "CALLE NUMERO - LOCALIDAD"
    QString ImprimeNumero;
    QString ImprimeCliente;
    QString ImprimePie;          // price tickets only
    QString Pie;
    QString Reservado2;
    QString Reservado3;
    QString Reservado4;
    QString DosLineas;           // two-line items on price tickets
    QString Reservado5;

    static constexpr int Largo = 910;
    // The record from its bytes (a shorter text leaves the rest empty).
    static RegistroComandera desdeBytes(const QByteArray& bytes);
    // Every field padded with blanks to its width, or cut.
    QByteArray aBytes() const;
};

// "S" in any case, after the fixed-field trim.
bool Activo(const QString& bandera);
// The fixed-field trim and a trim of blanks.
QString TextoDeRegistro(const QString& campo);

// The station file in the program folder.
QString ArchivoComanderas();

// Searches the station file for this workstation's record of the wanted
// printer (any printer when the name is empty); the first record that
// passes wins, and only then replaces RegistroActualComandera. Never
// raises and never creates the file: a missing or unreadable file finds
// nothing, and a trailing partial record is not read.
bool ExisteComandera(const QString& NombreImpresora);
// The record the last successful search found.
const RegistroComandera& RegistroActualComandera();

// Writes a station file of these records whole. The file is prepared
// outside the system; this writer serves set-ups and tests.
void EscribeComanderas(const QString& archivo, const QVector<RegistroComandera>& registros);
