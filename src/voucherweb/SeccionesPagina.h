#pragma once

#include "platform/data/ConexionDatos.h"
#include "platform/data/Recordset.h"
#include "voucherweb/PaginaHtml.h"
#include "voucherweb/TextoFila.h"

#include <QString>
#include <QVariant>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

// What the page writers share: the voucher they write, the header row the
// sections read, and the sections themselves, in page order.

struct Comprobante {
    QString TC;  // as the grid gives it; fitted to 4 where the views are keyed
    QString Sucursal;
    QString Numero;
    QString Letra;
    QString Cuenta;  // the purchase writer's account
    bool EsVenta = true;
    bool UsaVMvCpte = true;

    QString TC4() const;
    // Branch, number and letter run together, as passed.
    QString IdComprobante() const;
    // Type and number as the titles show them: "FC 000100001234 A".
    QString Identidad() const;
};

// The current row of a section's table. Each column is found by its name
// once per table, not once per row.
class FilaPagina {
public:
    explicit FilaPagina(const Recordset& rs) : rs_(rs) {}
    // The column's value; raises as the recordset does for an unknown name.
    const QVariant& operator()(const char* columna) const;

private:
    const Recordset& rs_;
    mutable std::vector<std::pair<const char*, int>> indices_;
};

class ContextoPagina {
public:
    ContextoPagina(ConexionDatos& conexion, const Comprobante& cpte, PaginaHtml& pagina);

    ConexionDatos& conexion;
    const Comprobante& cpte;
    PaginaHtml& pagina;
    // The first row of the header query; empty when the voucher was not found.
    std::unique_ptr<Recordset> cabecera;

    bool HayCabecera() const;
    QVariant Cabecera(const QString& columna) const;
    // A text between quotes in a statement.
    QString Literal(const QString& texto) const;
    std::unique_ptr<Recordset> Abre(const QString& sql) const;

    // One table of the page from one statement: nothing at all when it
    // returns no row; else the heading line, one "<TR VALIGN=TOP>" line per
    // row with the cells `celdas` writes into the row it is given, and
    // "</TABLE>".
    void Tabla(const QString& sql, const QString& encabezado,
               const std::function<void(const FilaPagina&, TextoFila&)>& celdas);
};

// A column of the current row, as a cell shows it.
QString ValorFila(const FilaPagina& fila, const char* columna);

// The pieces the section tables share.
inline const QString AbreSeccion = QStringLiteral("<TR VALIGN=TOP><TD COLSPAN=2> </TD><TD COLSPAN=60 ROWSPAN=61><br>");
inline const QString FuenteSeccion = QStringLiteral("<FONT SIZE=1 FACE=' Times New Roman '>");
inline const QString TablaSeccion =
    QStringLiteral("<TABLE ALIGN=BLEEDLEFT WIDTH=100% CELLSPACING=0 CELLPADDING=0 BORDER=0>");
inline const QString CeldaImporte = QStringLiteral("<TD CLASS=TableROWDetalle ALIGN=RIGHT  NOWRAP>");
inline const QString FinCelda = QStringLiteral("</TD>");

// Top of the page.
void EscribeEmpresa(ContextoPagina& c);
void EscribeTitulo(ContextoPagina& c);
void AbreCabecera(ContextoPagina& c);
void EscribeDatosCabecera(ContextoPagina& c);
// Detail tables.
void EscribeInsumos(ContextoPagina& c);
void EscribeTareas(ContextoPagina& c);
void EscribeObservaciones(ContextoPagina& c);
// Totals.
void EscribeTotales(ContextoPagina& c);
// Linked vouchers.
void EscribeAplicadosPor(ContextoPagina& c);
void EscribeQueAplican(ContextoPagina& c);
// Reception reports (purchase orders) and history.
void EscribeRecepciones(ContextoPagina& c);
void EscribeHistorial(ContextoPagina& c);
// The scanned images of the voucher, one line each, in the form given.
void EscribeImagenes(ContextoPagina& c, const std::function<QString(const QString& url)>& linea);
// A title table with the company's place taken by the text.
QString LineaTituloTabla(const QString& texto);
