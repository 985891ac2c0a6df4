#pragma once

#include <QDate>
#include <QString>

#include <memory>

class ConexionDatos;
class ConsultaPreparada;

// The register of scans, CTROL_ESCANEO: one row per image file filed against
// an account and a voucher. Rows are never removed; a withdrawal marks them.

// The 17-character voucher key: the type fitted to 4, then branch (4),
// number (8) and letter (1) of the 13-character IdComprobante.
QString ClaveComprobante(const QString& tc, const QString& idComprobante);

// Splits a voucher written as its type followed by the 13-character number.
// An empty voucher gives two empty parts; false for a shorter one.
bool DivideComprobante(const QString& comprobante, QString& tc, QString& idComprobante);

// Runs one statement on the register. Returns the first error the server
// left in the connection's collection (empty when none); any other failure
// raises Err.
QString EjecutaEnRegistro(ConexionDatos& conexion, const QString& sql);

struct FilaEscaneo {
    QString Cuenta;
    QString Cpte;  // the 17-character key
    QDate Fecha;
    QString Usuario;
    QString RutaArchivo;
    QString NombreArchivo;
    // An assigned file also records who assigned it, on the same date.
    QString ActualizadoPor;
};
QString SentenciaAltaEscaneo(const ConexionDatos& conexion, const FilaEscaneo& fila);

// Whether the register holds a row for an account and a voucher (its type
// and 13-character number); withdrawn rows count. Compiled once for a run
// of many vouchers; the connection must outlive it.
class ConsultaEscaneo {
public:
    explicit ConsultaEscaneo(ConexionDatos& conexion);
    ~ConsultaEscaneo();
    // The file name and location of the first row found (nulls read as
    // empty texts), or empty texts when there is none.
    bool Existe(const QString& cuenta, const QString& tc, const QString& cpte, QString& nombreArchivo,
                QString& rutaArchivo);

private:
    std::unique_ptr<ConsultaPreparada> consulta_;
};

// The same lookup for one voucher.
bool ExisteEscaneo(ConexionDatos& conexion, const QString& cuenta, const QString& tc, const QString& cpte,
                   QString& nombreArchivo, QString& rutaArchivo);

// Marks withdrawn the rows of one voucher (account and key) that carry the
// file name.
QString SentenciaRetiroEscaneo(const ConexionDatos& conexion, const QString& usuario, const QString& nombreArchivo,
                               const QString& cuenta, const QString& clave);

// Splits a path at its last "/" or "\": the folder keeps the separator. A
// path without one is all name.
void CodificaRutaArch(const QString& ruta, QString& nombre, QString& carpeta);
