#include "receipts/AuxiliarRecibos.h"

#include "platform/base/FormatoNumerico.h"
#include "platform/base/GuardaErrores.h"
#include "printing/FormatoImportes.h"
#include "printing/ImporteLetras.h"
#include "receipts/CuentasRecibos.h"
#include "services/Configuracion.h"
#include "services/Modulo.h"
#include "services/Objetos.h"
#include "services/SentenciasSQL.h"

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace {

struct Totales {
    Moneda ImporteCpte, ImporteAplicado, ImporteSaldo, ImporteMP;
    Moneda RetIVA, RetIBrtos, RetGanancias, DescuentosOtorgados;
    QString Concepto;
};

void suma(Moneda& total, Moneda importe)
{
    total.diezmilesimas += importe.diezmilesimas;
}

bool igual(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// One call: its arguments, its two row sources and its running totals.
class Recibo {
public:
    Recibo(const QString& tc, const QString& sucursal, const QString& numero, const QString& letra,
           const QString& cuenta)
        : g(politicas::dejaPasar({NumeroError::ErrorDeAutomatizacion, NumeroError::ErrorDelServidor},
                                 politicas::dialogo([](const Err& e) {
                                     return ObjUtilidades().MuestraErrorObjeto(
                                         e, 18, QStringLiteral("GeneraAuxiliarRecibo_PagoCobranza"));
                                 }))),
          cn(ConexionPrincipal()),
          u(ObjUtilidades()),
          TC(tc),
          Sucursal(sucursal),
          Numero(numero),
          Letra(letra),
          Cuenta(cuenta.trimmed()),
          Clave(Modulo().ClaveEstacionSesion)
    {
    }

    GuardaErrores g;
    ConexionDatos& cn;
    const Utilidades& u;
    const QString TC, Sucursal, Numero, Letra, Cuenta, Clave;
    bool Cobranza = false, Pago = false, Librador = false;
    QString CuentaRetIVA, CuentaRetIB, CuentaRetGan, CuentaDescuento;
    std::unique_ptr<Recordset> Aplicados, Asientos;
    int CuentaAplicados = 0, CuentaAsientos = 0;
    Totales t;

    QString IdComprobante() const { return Sucursal + Numero + Letra; }
    QString literal(const QString& texto) const { return cn.FormatoLiteral(texto); }
    QString tipoRelleno() const { return literal(u.RellenaCodigo(TC.trimmed(), 4)); }
    QString filtroCuenta() const
    {
        return Cuenta.isEmpty() ? QString() : QStringLiteral(" AND CUENTA = ") + literal(Cuenta) + u' ';
    }
    QString campo(const Recordset& rs, const char* nombre) const { return u.ValorCampo(rs.Campo(QLatin1String(nombre))); }
    Moneda importe(const Recordset& rs, const char* nombre) const { return u.TextoAMoneda(campo(rs, nombre)); }
    static QString moneda(const QString& texto) { return FmtMoneda(texto, -1, false); }
    static QString texto(Moneda m) { return formatoNumerico().texto(m); }
    // This workstation's rows of the document.
    QString condicionFilas() const
    {
        return QStringLiteral(" WHERE USUARIO = ") + literal(Clave) + QStringLiteral(" AND TC = ") + literal(TC)
               + QStringLiteral(" AND IDCOMPROBANTE = ") + literal(IdComprobante());
    }

    // The first row of a read, or null when it gave none or failed.
    std::unique_ptr<Recordset> primera(const QString& sql)
    {
        std::unique_ptr<Recordset> rs;
        g.paso([&] { rs = cn.AbreRecordset(sql, 0, 1); });
        return rs && !rs->EOF() ? std::move(rs) : nullptr;
    }
    int abreFuente(std::unique_ptr<Recordset>& rs, const QString& sql)
    {
        g.paso([&] { rs = cn.AbreRecordset(sql, 0, 1); });
        return rs ? rs->ContarFilas() : 0;
    }
    void ejecuta(const QString& sql)
    {
        g.paso([&] { cn.Ejecuta(sql); });
    }

    // A row under construction: the key pairs first; the values as written,
    // for the totals that add up its columns.
    std::optional<std::vector<CampoSQL>> fila;
    std::vector<CampoSQL> valores;
    void nuevaFila()
    {
        fila.emplace();
        valores.clear();
        fila->push_back({QStringLiteral("USUARIO"), literal(Clave)});
        fila->push_back({QStringLiteral("TC"), literal(TC)});
        fila->push_back({QStringLiteral("IDCOMPROBANTE"), literal(IdComprobante())});
        fila->push_back({QStringLiteral("IDCOMPLEMENTO"), QStringLiteral("0")});
        fila->push_back({QStringLiteral("TIPO"), literal(QStringLiteral("1"))});
    }
    void agrega(const char* columna, const QString& valor)
    {
        fila->push_back({QLatin1String(columna), literal(valor)});
        valores.push_back({QLatin1String(columna), valor});
    }
    QString valor(const char* columna) const
    {
        for (const CampoSQL& c : valores)
            if (c.Campo == QLatin1String(columna))
                return c.Valor;
        return QString();
    }
    void guardaFila()
    {
        QString sql = QStringLiteral("INSERT INTO AUX_MV_CPTE ");
        ArmaValoresInsert(sql, fila, true);
        ejecuta(sql);
    }
};

// The date and total of the applied voucher from the first statement that
// gives a row; a voucher found nowhere leaves both empty.
void fechaEImporte(Recibo& r, const Recordset& aplicado, bool guiaAplicados)
{
    const QString origen = r.campo(aplicado, "SUCURSAL_ORIGEN") + r.campo(aplicado, "NUMERO_ORIGEN")
                           + r.campo(aplicado, "LETRA_ORIGEN");
    const QString tipo = r.literal(r.u.RellenaCodigo(r.campo(aplicado, "TCO_ORIGEN").trimmed(), 4));
    QString vista = QStringLiteral("V_MV_CPTE");
    if (guiaAplicados) {
        QString sistema;
        r.g.paso([&] {
            sistema = r.u.ValorCampo(r.cn.BuscaValor(QStringLiteral("V_TA_CPTE"), r.campo(aplicado, "TCO_ORIGEN"),
                                                     QStringLiteral("SISTEMA"), QStringLiteral("Codigo")));
        });
        if (igual(sistema.trimmed(), QStringLiteral("COMPRAS")))
            vista = QStringLiteral("C_MV_CPTE");
    }
    if (auto rs = r.primera(QStringLiteral("SELECT FECHA,IMPORTE FROM ") + vista + QStringLiteral(" WHERE TC = ") + tipo
                            + QStringLiteral(" AND IDCOMPROBANTE = ") + r.literal(origen) + u' ' + r.filtroCuenta())) {
        r.agrega("COLUMNA1", r.campo(*rs, "Fecha"));
        r.agrega("COLUMNA9", Recibo::moneda(r.campo(*rs, "Importe")));
    } else if (guiaAplicados) {
        if (auto asiento = r.primera(QStringLiteral("SELECT FECHA,IMPORTE FROM MV_ASIENTOS WHERE TC = ") + tipo
                                     + QStringLiteral(" AND SUCURSAL + NUMERO + LETRA = ") + r.literal(origen) + u' '
                                     + r.filtroCuenta())) {
            r.agrega("COLUMNA1", r.campo(*asiento, "Fecha"));
            r.agrega("COLUMNA9", Recibo::moneda(r.campo(*asiento, "Importe")));
        }
    } else if (auto asiento = r.primera(
                   QStringLiteral("SELECT FECHA,CABIMPORTE, FECHASUBDIARIO FROM MV_ASIENTOS WHERE TC = ") + tipo
                   + QStringLiteral(" AND SUCURSAL = ") + r.literal(r.campo(aplicado, "SUCURSAL_ORIGEN"))
                   + QStringLiteral(" AND NUMERO = ") + r.literal(r.campo(aplicado, "NUMERO_ORIGEN"))
                   + QStringLiteral(" AND LETRA = ") + r.literal(r.campo(aplicado, "LETRA_ORIGEN")) + u' '
                   + r.filtroCuenta())) {
        const QVariant subdiario = asiento->Campo(QStringLiteral("FechaSUBDIARIO"));
        r.agrega("COLUMNA1", subdiario.isNull() ? r.campo(*asiento, "Fecha") : r.u.ValorCampo(subdiario));
        r.agrega("COLUMNA9", Recibo::moneda(r.campo(*asiento, "Cabimporte")));
    }
    const auto saldo = r.primera(
        QStringLiteral("SELECT SALDO FROM VE_SALDOAPLICACION WHERE TCO_ORIGEN = ") + tipo
        + QStringLiteral(" AND SUCURSAL_ORIGEN = ") + r.literal(r.campo(aplicado, "SUCURSAL_ORIGEN"))
        + QStringLiteral(" AND NUMERO_ORIGEN = ") + r.literal(r.campo(aplicado, "NUMERO_ORIGEN"))
        + QStringLiteral(" AND LETRA_ORIGEN = ") + r.literal(r.campo(aplicado, "LETRA_ORIGEN")) + r.filtroCuenta());
    r.agrega("COLUMNA11", saldo ? Recibo::moneda(r.campo(*saldo, "Saldo")) : QStringLiteral("0"));
}

void ladoIzquierdo(Recibo& r, bool guiaAplicados)
{
    const Recordset& aplicado = *r.Aplicados;
    r.g.paso([&] {
        r.agrega("COLUMNA2", r.campo(aplicado, "Tco_Origen") + u'-' + r.campo(aplicado, "SUCURSAL_ORIGEN")
                                 + r.campo(aplicado, "NUMERO_ORIGEN") + r.campo(aplicado, "LETRA_ORIGEN"));
    });
    fechaEImporte(r, aplicado, guiaAplicados);
    r.g.paso([&] { r.agrega("COLUMNA3", Recibo::moneda(r.campo(aplicado, "Importe"))); });
}

// The means of payment's amount column and total.
void medioDePago(Recibo& r, const QString& descripcion, Moneda monto)
{
    r.agrega("COLUMNA4", descripcion);
    r.agrega("COLUMNA8", formatoNumerico().fijo(monto, 2));
    suma(r.t.ImporteMP, monto);
    r.agrega("COLUMNA10", QStringLiteral("   1"));
}

// Classifies the journal line; true when it was printed or summed, false
// when no test recognised it. Every read is a step of its own: one that
// fails leaves its column empty, and the line still prints.
bool clasifica(Recibo& r)
{
    const Recordset& linea = *r.Asientos;
    r.g.paso([&] {
        if (r.t.Concepto.trimmed().isEmpty())
            r.t.Concepto = r.campo(linea, "Detalle").trimmed();
    });
    QString cuenta;
    bool contrapartida = false;
    r.g.paso([&] {
        cuenta = r.campo(linea, "CUENTA");
        // With no applied row there is no counterpart to compare with.
        contrapartida = !r.Cuenta.isEmpty() && !r.Aplicados->EOF()
                        && igual(r.Cuenta, r.campo(*r.Aplicados, "CUENTA").trimmed())
                        && igual(cuenta.trimmed(), r.Cuenta);
    });
    Moneda monto;
    r.g.paso([&] { monto = r.importe(linea, "Importe"); });
    QString descripcion;
    const auto prueba = [&](auto&& esCuenta) {
        bool es = false;
        r.g.paso([&] { es = esCuenta(); });
        return es;
    };
    if (prueba([&] { return EsCuentaEfectivoRetencion(QString(), descripcion, cuenta); }) && !contrapartida) {
        medioDePago(r, descripcion, monto);
        return true;
    }
    // The four-argument tests hand back the account's code: the line's stays.
    const bool cheque = prueba([&] { return EsCuentaCheque(QString(), descripcion, cuenta); });
    const bool propio = prueba([&] {
        QString codigo = cuenta;
        return EsCuentaChequePropio(QString(), codigo, QString(), descripcion);
    });
    const bool debito = prueba([&] {
        QString codigo = cuenta;
        return EsCuentaDebito(QString(), codigo, QString(), descripcion);
    });
    if (cheque || propio || (debito && !contrapartida)) {
        bool marcaPropio = false;
        r.g.paso([&] { marcaPropio = linea.Campo(QStringLiteral("ChPropio")).toBool(); });
        medioDePago(r, descripcion + (marcaPropio ? QStringLiteral("(Propio)") : QString()), monto);
        r.g.paso([&] {
            QString numero = r.campo(linea, "NroComprobanteBancario").toUpper();
            const QString librador = r.campo(linea, "tj_observaciones").trimmed();
            if (r.Librador && !librador.isEmpty())
                numero += QStringLiteral(" (") + r.u.Reemplaza(librador, QStringLiteral("/"), QStringLiteral("-"))
                          + u')';
            r.agrega("COLUMNA5", numero);
        });
        r.g.paso([&] {
            const QString banco = r.campo(linea, "IdBanco");
            r.agrega("COLUMNA6", banco + u'-'
                                     + r.u.ValorCampo(r.cn.BuscaValor(QStringLiteral("V_TA_BANCOS"), banco,
                                                                      QStringLiteral("DESCRIPCION"),
                                                                      QStringLiteral("IDBANCO"))));
        });
        r.g.paso([&] { r.agrega("COLUMNA7", r.campo(linea, "Vencimiento")); });
        return true;
    }
    if (prueba([&] { return EsCuentaTarjeta(QString(), descripcion, cuenta); }) && !contrapartida) {
        medioDePago(r, descripcion + QStringLiteral("(Propio)"), monto);
        r.g.paso([&] { r.agrega("COLUMNA5", r.campo(linea, "TJ_NroCupon").toUpper()); });
        r.g.paso([&] { r.agrega("COLUMNA6", QStringLiteral("Socio: ") + r.campo(linea, "TJ_NroSocio")); });
        r.g.paso([&] { r.agrega("COLUMNA7", QStringLiteral(" Nº Cuotas ") + r.campo(linea, "TJ_cuotas")); });
        return true;
    }
    const std::pair<const QString*, Moneda*> retenciones[] = {{&r.CuentaRetIVA, &r.t.RetIVA},
                                                             {&r.CuentaRetIB, &r.t.RetIBrtos},
                                                             {&r.CuentaRetGan, &r.t.RetGanancias},
                                                             {&r.CuentaDescuento, &r.t.DescuentosOtorgados}};
    for (const auto& [cuentaEspecial, total] : retenciones)
        if (igual(cuenta, *cuentaEspecial)) {
            suma(*total, monto);
            return true;
        }
    return false;
}

void ladoDerecho(Recibo& r)
{
    bool reconocida = false;
    while (!reconocida && !r.g.salio() && !r.Asientos->EOF()) {
        reconocida = clasifica(r);
        if (!reconocida)
            r.g.paso([&] { r.Asientos->MoveNext(); });
    }
}

void lineas(Recibo& r)
{
    const bool guiaAplicados = r.CuentaAplicados >= r.CuentaAsientos;
    Recordset& guia = guiaAplicados ? *r.Aplicados : *r.Asientos;
    Recordset& sigue = guiaAplicados ? *r.Asientos : *r.Aplicados;
    while (!r.g.salio() && !guia.EOF()) {
        r.nuevaFila();
        if (!r.Aplicados->EOF())
            ladoIzquierdo(r, guiaAplicados);
        r.g.paso([&] {
            suma(r.t.ImporteCpte, r.u.TextoAMoneda(r.valor("COLUMNA9")));
            suma(r.t.ImporteAplicado, r.u.TextoAMoneda(r.valor("COLUMNA3")));
            suma(r.t.ImporteSaldo, r.u.TextoAMoneda(r.valor("COLUMNA11")));
        });
        if (!r.Asientos->EOF())
            ladoDerecho(r);
        r.guardaFila();
        r.g.paso([&] {
            if (!guia.EOF())
                guia.MoveNext();
            if (!guia.EOF() && !sigue.EOF())
                sigue.MoveNext();
        });
    }
}

void otrosCreditos(Recibo& r)
{
    // Other types have no credits of their own on the print.
    if (!r.Cobranza && !r.Pago)
        return;
    const QString tipos = r.Cobranza ? QStringLiteral(" AND (TC = 'NC' OR TC = 'CB' OR TC = 'CBCT' OR TC = 'CBFP') ")
                                     : QStringLiteral(" AND (TC = 'NCC' OR TC = 'ND' OR TC = 'FC'  OR TC = 'PG' OR "
                                                      "TC = 'OPG' OR TC = 'CJA' OR TC = 'CC' OR TC = 'RC') ");
    std::unique_ptr<Recordset> rs;
    r.abreFuente(rs, QStringLiteral("SELECT * FROM MV_APLICACION WHERE TC_PRINT = ") + r.tipoRelleno()
                         + QStringLiteral(" AND IDCOMPROBANTE_PRINT = ") + r.literal(r.IdComprobante()) + tipos
                         + r.filtroCuenta() + QStringLiteral(" AND NOT (TC = ") + r.literal(r.TC)
                         + QStringLiteral(" AND IDCOMPROBANTE = ") + r.literal(r.IdComprobante())
                         + QStringLiteral(") ORDER BY IDCOMPROBANTE_PRINT"));
    while (rs && !r.g.salio() && !rs->EOF()) {
        r.nuevaFila();
        r.g.paso([&] { r.agrega("COLUMNA4", r.campo(*rs, "TC")); });
        r.g.paso([&] { r.agrega("COLUMNA6", r.campo(*rs, "TC") + u' ' + r.campo(*rs, "IdComprobante")); });
        r.g.paso([&] { r.agrega("COLUMNA8", Recibo::moneda(Recibo::texto(r.importe(*rs, "Importe")))); });
        r.agrega("COLUMNA10", QStringLiteral("   1"));
        r.g.paso([&] { suma(r.t.ImporteMP, r.importe(*rs, "Importe")); });
        r.guardaFila();
        r.g.paso([&] { rs->MoveNext(); });
    }
}

void relleno(Recibo& r, int32_t items)
{
    int filas = 0;
    if (auto rs = r.primera(QStringLiteral("SELECT COUNT(*) FROM AUX_MV_CPTE") + r.condicionFilas()))
        filas = rs->Campo(0).toInt();
    for (int i = filas; filas != 0 && i < items && !r.g.salio(); ++i)
        r.ejecuta(QStringLiteral(" INSERT INTO AUX_MV_CPTE (TC,IDCOMPROBANTE,IDCOMPLEMENTO, USUARIO,COLUMNA4,TIPO) VALUES (")
                  + r.literal(r.TC) + u',' + r.literal(r.IdComprobante()) + QStringLiteral(",0,") + r.literal(r.Clave)
                  + QStringLiteral(",'  ','1')"));
}

void copias(Recibo& r, int32_t copias)
{
    for (int k = 2; k <= copias && !r.g.salio(); ++k)
        r.ejecuta(QStringLiteral(" INSERT INTO AUX_MV_CPTE (TC, USUARIO, TIPO, SECCION, IDCOMPROBANTE, IDCOMPLEMENTO, "
                                 "COLUMNA1, COLUMNA2, COLUMNA3, COLUMNA4, COLUMNA5, COLUMNA6, COLUMNA7, COLUMNA8, "
                                 "ENCABEZADO, PIEDEPAGINA, COLUMNA9, COLUMNA10, COLUMNA11) SELECT TC, USUARIO, ")
                  + r.literal(QString::number(k))
                  + QStringLiteral(", Seccion, IDCOMPROBANTE, IDCOMPLEMENTO, COLUMNA1, COLUMNA2, COLUMNA3, "
                                   " COLUMNA4, COLUMNA5, COLUMNA6, COLUMNA7, "
                                   " COLUMNA8, Encabezado, PieDePagina, COLUMNA9, "
                                   " COLUMNA10, COLUMNA11 FROM AUX_MV_CPTE")
                  + r.condicionFilas() + QStringLiteral(" AND TIPO = '1' ORDER BY ID"));
}

void retencionesDelComprobante(Recibo& r)
{
    const int64_t suman = r.t.RetGanancias.diezmilesimas + r.t.RetIVA.diezmilesimas + r.t.RetIBrtos.diezmilesimas
                          + r.t.DescuentosOtorgados.diezmilesimas;
    if (suman != 0 || r.CuentaAsientos != 0)
        return;
    const auto rs = r.primera(QStringLiteral("SELECT * From V_MV_CPTE  WHERE TC = ") + r.tipoRelleno()
                              + QStringLiteral(" AND IDCOMPROBANTE = ") + r.literal(r.IdComprobante()));
    if (!rs)
        return;
    r.g.paso([&] { r.t.RetGanancias = r.importe(*rs, "RetGan_Importe"); });
    r.g.paso([&] { r.t.RetIVA = r.importe(*rs, "RetIVA_importe"); });
    r.g.paso([&] { r.t.RetIBrtos = r.importe(*rs, "RETIBR_Importe"); });
    r.g.paso([&] { r.t.DescuentosOtorgados = r.importe(*rs, "ImpDescuento1"); });
}

// Each word's first letter upper-case, the rest lower-case.
QString tipoTitulo(const QString& texto)
{
    QString resultado = texto.toLower();
    for (qsizetype i = 0; i < resultado.size(); ++i)
        if (resultado[i].isLetter() && (i == 0 || resultado[i - 1].isSpace()))
            resultado[i] = resultado[i].toUpper();
    return resultado;
}

void formulas(Recibo& r, QStringList& Formulas)
{
    const auto moneda = [](Moneda m) { return Recibo::moneda(Recibo::texto(m)); };
    const std::pair<const char*, std::function<QString()>> entradas[] = {
        {"Prm_ImporteCpte", [&] { return moneda(r.t.ImporteCpte); }},
        {"Prm_ImporteAplicado", [&] { return moneda(r.t.ImporteAplicado).replace(u',', u'.'); }},
        {"Prm_ImporteSaldo", [&] { return moneda(r.t.ImporteSaldo); }},
        {"Prm_ImporteEnLetras",
         [&] {
             return tipoTitulo(ImporteALetras(Recibo::texto(r.t.ImporteMP), std::nullopt, QStringLiteral(" Pesos ")));
         }},
        {"Prm_ImporteMP", [&] { return moneda(r.t.ImporteMP); }},
        {"Prm_RetGanancias", [&] { return moneda(r.t.RetGanancias); }},
        {"Prm_RetIVA", [&] { return moneda(r.t.RetIVA); }},
        {"Prm_RetIBrtos", [&] { return moneda(r.t.RetIBrtos); }},
        {"Prm_DescuentosOtorgados", [&] { return moneda(r.t.DescuentosOtorgados); }},
        {"Prm_Concepto", [&] { return r.t.Concepto; }},
    };
    if (Formulas.isEmpty())
        Formulas.append(QString());
    Formulas.erase(Formulas.begin() + 1, Formulas.end());
    // Each entry's place is made before its value, so a value skipped on an
    // error leaves the later ones at their indexes.
    for (const auto& [nombre, valor] : entradas) {
        if (r.g.salio())
            return;
        Formulas.append(QString());
        r.g.paso([&] { Formulas.last() = QLatin1String(nombre) + QStringLiteral(" = '") + valor() + u'\''; });
    }
}

}

void GeneraAuxiliarRecibo_PagoCobranza(const QString& TC, const QString& Sucursal, const QString& Numero,
                                       const QString& Letra, const QString& Cuenta, QStringList& Formulas,
                                       int32_t CopiasPorPagina, int32_t ItemsPorRecibo)
{
    Recibo r(TC, Sucursal, Numero, Letra, Cuenta);
    r.g.paso([&] { r.Librador = igual(Cfg(QStringLiteral("IncluirCuitLibrador")), QStringLiteral("SI")); });
    r.g.paso([&] {
        const QString tipo = TC.trimmed();
        r.Cobranza = igual(tipo, QStringLiteral("CB")) || igual(tipo, QStringLiteral("CBFP"))
                     || igual(tipo, QStringLiteral("CBCT"));
        r.Pago = igual(tipo, QStringLiteral("PG")) || igual(tipo, QStringLiteral("OPG"))
                 || igual(tipo, QStringLiteral("PGFP"));
        CuentaIVADF(r.CuentaRetIVA, r.CuentaRetIB, r.CuentaRetGan, r.CuentaDescuento, r.Cobranza);
    });
    r.ejecuta(QStringLiteral("DELETE AUX_MV_CPTE WHERE USUARIO = ") + r.literal(r.Clave));
    r.CuentaAplicados = r.abreFuente(
        r.Aplicados,
        QStringLiteral("SELECT CUENTA,TCO_ORIGEN, IDCOMPROBANTE_ORIGEN, SUM(IMPORTE) AS IMPORTE, TC_PRINT, "
                       "IDCOMPROBANTE_PRINT, SUCURSAL_ORIGEN, NUMERO_ORIGEN, LETRA_ORIGEN From MV_APLICACION  WHERE "
                       "TC_PRINT = ")
            + r.tipoRelleno() + QStringLiteral(" AND IDCOMPROBANTE_PRINT = ") + r.literal(r.IdComprobante())
            + QStringLiteral(" GROUP BY CUENTA, TCO_ORIGEN, IDCOMPROBANTE_ORIGEN, TC_PRINT, IDCOMPROBANTE_PRINT, "
                             "SUCURSAL_ORIGEN, NUMERO_ORIGEN, LETRA_ORIGEN ORDER BY TCO_ORIGEN, IDCOMPROBANTE_ORIGEN"));
    r.CuentaAsientos = r.abreFuente(r.Asientos, QStringLiteral("SELECT * FROM MV_ASIENTOS WHERE TC = ")
                                                    + r.tipoRelleno() + QStringLiteral(" AND SUCURSAL = ")
                                                    + r.literal(Sucursal) + QStringLiteral(" AND NUMERO = ")
                                                    + r.literal(Numero) + QStringLiteral(" AND LETRA = ")
                                                    + r.literal(Letra));
    if (r.g.salio() || !r.Aplicados || !r.Asientos || (r.CuentaAplicados == 0 && r.CuentaAsientos == 0))
        return;
    lineas(r);
    otrosCreditos(r);
    relleno(r, ItemsPorRecibo);
    copias(r, CopiasPorPagina);
    retencionesDelComprobante(r);
    formulas(r, Formulas);
}
