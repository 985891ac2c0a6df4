#pragma once

#include "platform/base/GuardaErrores.h"
#include "platform/data/ConexionDatos.h"
#include "platform/objects/Utilidades.h"
#include "services/SentenciasSQL.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>

// One call of the voucher print-data generator: its arguments, the voucher
// being written and the row writers its sections share. Every fallible
// statement runs as a step of the one guard, so the generator's handler
// answers for the sections too.
class GeneradorAuxiliar {
public:
    GeneradorAuxiliar(int16_t lineasTitulo, const QString& idTarea);

    GuardaErrores g;
    ConexionDatos& cn;
    const Utilidades& u;
    // Read once per call: the machine and its user do not change while the
    // rows of one print are written.
    const QString Clave;
    QString TC;  // padded to 4
    const int16_t LineasTitulo;
    const QString IdTarea;
    bool SinImportesEnOT = false;

    QString Sucursal, Numero, Letra, IdComplemento;
    QString FiltroComprobante;  // " WHERE TC = ... AND IDCOMPLEMENTO = n"
    QString Lotes;              // the supplies' batch lists, for the closing row
    QString Titulo;             // of the section being written

    QString IdComprobante() const { return Sucursal + Numero + Letra; }
    // Compares the type without its padding, so "OT  " is "OT".
    bool esTipo(const char* tipo) const;
    QString literal(const QString& texto) const { return cn.FormatoLiteral(texto); }
    QString campo(const Recordset& rs, const char* nombre) const { return u.ValorCampo(rs.Campo(QLatin1String(nombre))); }
    // A number column as the operator reads it, with the workstation's
    // decimal separator; any other value as campo gives it.
    QString numero(const Recordset& rs, const char* nombre) const;
    // The key values of this voucher's rows, as the head of a VALUES list.
    QString valoresClave() const;
    // This workstation's rows of the current voucher.
    QString condicionFilas() const;

    // The rows of one call are written in one transaction (the embedded
    // engine syncs once instead of once per row). It is committed however the
    // call ends, so the rows written before the operator leaves stay; a
    // connection inside a transaction of its own only nests in it.
    void iniciaTransaccion();
    void confirmaTransaccion();

    // A reading query; null when its step failed and was passed over.
    std::unique_ptr<Recordset> abre(const QString& sql);
    void ejecuta(const QString& sql);
    // Each row in turn until the end or until the routine is left.
    void recorre(Recordset& rs, const std::function<void(const Recordset&)>& fila);
    // The section's blank rows with its title row among them.
    void bloqueTitulo();

    // A line row: the key pairs, then each value pair as its own step, then
    // the INSERT built from the field list.
    void nuevaFila(const char* tipo);
    template <typename Literal>
    void agrega(const char* columna, Literal&& literal)
    {
        g.paso([&] { ListaCampos()->push_back({QLatin1String(columna), literal()}); });
    }
    void insertaFila();

private:
    bool enTransaccion_ = false;
};

bool hayFilas(const std::unique_ptr<Recordset>& rs);
bool esSi(const QString& valor);

// The sections of one voucher, in the order they are written.
void SeccionTareas(GeneradorAuxiliar& gen);
void SeccionInsumos(GeneradorAuxiliar& gen);
void SeccionPendientes(GeneradorAuxiliar& gen, const Recordset& comprobante);
void SeccionOtrosConceptos(GeneradorAuxiliar& gen);
