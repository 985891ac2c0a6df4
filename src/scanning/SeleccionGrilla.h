#pragma once

#include <QString>

#include <optional>

// What a click on a row of the result grid selects and shows.

// The view a voucher row came from. The search of vouchers leaves it in the
// row's RowData; rows of the register have none.
enum class VistaDeFila { Desconocida, Ventas, Compras };

struct SeleccionDeFila {
    // The selected voucher's fields, split from the grid's voucher cell.
    QString ResTC;
    QString ResCpte;
    // What the page shows: the type without blanks and the number's parts.
    QString tipo;
    QString sucursal;
    QString numero;
    QString letra;
    bool esVenta = false;
    // Whether the header comes from the sales-side views; unknown for rows
    // of the register, whose type decides.
    std::optional<bool> usaVMvCpte;
};

// The voucher cell holds the type followed by the 13-character number: 15
// characters are a 2-letter type, 16 a 3-letter one, anything else 4.
SeleccionDeFila SeleccionaFila(const QString& celdaComprobante, VistaDeFila vista);

// FC, CB, TK, TKFC, NP, NC and FP, in any case and with any blanks.
bool EsTipoDeVenta(const QString& tipo);
