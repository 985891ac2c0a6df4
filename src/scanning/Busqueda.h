#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

class ConexionDatos;
class GrillaFlex;
class GuardaErrores;
class VentanaEspera;

// The search of vouchers and scans: the register's rows that were not
// withdrawn (images only), or the sales and then the purchase vouchers that
// were not annulled, each marked with its scan; one grid row each.

struct FiltroBusqueda {
    // As typed: an empty field sets no condition.
    QString Cuenta, TC, Sucursal, Numero, Letra;
    // Both ends count whole days.
    QDate Desde{1990, 1, 1};
    QDate Hasta{2200, 1, 1};
    bool SoloEscaneados = false;
};

// The one check of the date-range control's texts before a search: each
// non-empty text becomes its bound, an empty one keeps the default. False,
// leaving the filter as it was, when a non-empty text is no date.
bool LeeFechasDeBusqueda(const QString& desde, const QString& hasta, FiltroBusqueda& filtro);

// " Where ", the mode's base condition, one clause per filled field and the
// date clause. Values go in as the connection's literals; the last day runs
// up to the start of the next.
QString CondicionBusqueda(const ConexionDatos& conexion, const FiltroBusqueda& filtro);

// The statements whose rows fill the grid, in order, for a condition.
QStringList SentenciasBusqueda(const QString& condicion, bool soloEscaneados);

// The grid as every search leaves it before its first row: the heading row
// and one empty row, seven columns with their headings and widths.
void PreparaGrillaBusqueda(GrillaFlex& grilla);

// Builds the condition, sets the grid up and fills it, one row per result
// followed by one empty row; bold rows have a scan. The wait window shows
// each row's voucher. Every statement that can fail runs as a step of the
// caller's guard; once it has left, the rows filled so far stay. Returns the
// number of results.
int Busca(ConexionDatos& conexion, const FiltroBusqueda& filtro, GrillaFlex& grilla, VentanaEspera& espera,
          GuardaErrores& guarda);
