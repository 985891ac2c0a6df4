#pragma once

#include "printing/ArchivosReporte.h"

#include <QString>
#include <QStringList>


// One call of the voucher print: what the type table, the formulas and the
// copy loop share.
struct ImpresionComprobante {
    ImpresionComprobante(const QString& tc, const QString& idComprobante, const QString& idComplemento,
                         const QString& claveReporte, QStringList& camposOrden, QString& formulaSeleccion)
        : TC(tc),
          Tipo(tc.trimmed()),
          Id(idComprobante.trimmed()),
          Letra(idComprobante.mid(12, 1)),
          IdComplemento(idComplemento),
          ClaveReporte(claveReporte),
          CamposOrden(camposOrden),
          FormulaSeleccion(formulaSeleccion),
          ArchivoReporte(claveReporte)
    {
    }

    QString TC;    // as the caller passed it
    QString Tipo;  // trimmed, for every type test
    QString Id;    // trimmed
    QString Letra;
    QString IdComplemento;
    QString ClaveReporte;
    QStringList& CamposOrden;
    QString& FormulaSeleccion;
    bool SinClaves = false;
    bool Stock = false;
    bool Electronico = false;

    QString ArchivoReporte;  // the key until a lookup resolves it
    ArchivosReporte Archivos;
    QStringList Formulas;
    QStringList Direcciones;  // the address formulas of the third-party and settlement prints

    // Compared without regard to case.
    bool esTipo(const QStringList& tipos) const;
    bool esClave(const QStringList& claves) const;
    // Appends a clause to the selection formula, joined by " AND ".
    void agrega(const QString& clausula);
    void reemplaza(const QString& formula) { FormulaSeleccion = formula; }
    // The sort field of element 0.
    void ordena(const QString& campo);
    static QString literal(const QString& valor);
    static QString relleno(const QString& tipo);
    // The type's report name with the voucher's letter ("FC-A").
    QString nombreTipo() const { return Tipo + u'-' + Letra; }
    void busca(const QString& nombre, const QString& estacion, bool conLista, const QString& comprobante);
};

// The type's selection formula, sort field and report files.
void AplicaTablaTipos(ImpresionComprobante& imp);
