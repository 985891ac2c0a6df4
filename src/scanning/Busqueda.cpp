#include "scanning/Busqueda.h"

#include "platform/base/FechaCorta.h"
#include "platform/base/GuardaErrores.h"
#include "platform/data/ConexionDatos.h"
#include "platform/dialogs/VentanaEspera.h"
#include "scanning/GrillaFlex.h"
#include "scanning/RegistroEscaneos.h"
#include "scanning/SeleccionGrilla.h"
#include "services/Objetos.h"

#include <QHash>
#include <QScopeGuard>

#include <memory>

namespace {

constexpr int ColumnasGrilla = 7;

struct Columna {
    const char* titulo;
    int ancho;  // twips
};
constexpr Columna Columnas[ColumnasGrilla] = {{"", 100},       {"Cuenta", 1100}, {"Nombre", 2300}, {"Cpte", 1900},
                                              {"Fecha", 1200}, {"Nombre", 3500}, {"Ruta", 3500}};

// What each filled field adds, in the order the fields are read.
struct Clausula {
    const char* escaneos;
    const char* comprobantes;
};
constexpr Clausula Clausulas[] = {{" AND Cuenta=", " AND Cuenta="},
                                  {" AND SUBSTRING(CPTE,1,4)=", " AND TC="},
                                  {" AND SUBSTRING(CPTE,5,4)=", " AND SUBSTRING(IDCOMPROBANTE,1,4)="},
                                  {" AND SUBSTRING(CPTE,9,8)=", " AND SUBSTRING(IDCOMPROBANTE,5,8)="},
                                  {" AND RIGHT(CPTE,1)=", " AND RIGHT(IDCOMPROBANTE,1)="}};

// The columns read from each result set.
const QString CampoCuentaEscaneo = QStringLiteral("Cuenta");
const QString CampoCpteEscaneo = QStringLiteral("Cpte");
const QString CampoFechaEscaneo = QStringLiteral("Fecha");
const QString CampoCuenta = QStringLiteral("CUENTA");
const QString CampoTC = QStringLiteral("TC");
const QString CampoCpte = QStringLiteral("CPTE");
const QString CampoFecha = QStringLiteral("FECHA");
const QString CampoNombreArchivo = QStringLiteral("NOMBREARCHIVO");
const QString CampoRutaArchivo = QStringLiteral("RUTAARCHIVO");

QString LiteralDia(const ConexionDatos& conexion, const QDate& dia)
{
    return conexion.LiteralFecha(QDateTime(dia, QTime(0, 0), Qt::UTC));
}

QString Texto(const QVariant& valor)
{
    return ObjUtilidades().ValorCampo(valor);
}

// One search run: its statements, the two lookups compiled once for every
// row, and the row being filled. Steps capture only `this`, so running one
// costs no allocation.
class Busqueda {
public:
    Busqueda(ConexionDatos& conexion, GrillaFlex& grilla, VentanaEspera& espera, GuardaErrores& guarda)
        : conexion_(conexion), grilla_(grilla), espera_(espera), guarda_(guarda)
    {
    }

    // Rows of vouchers note the view they came from, for the page a click
    // on them shows.
    void corre(const QString& sql, bool soloEscaneados, VistaDeFila vista)
    {
        sql_ = sql;
        vista_ = vista;
        filas_.reset();
        guarda_.paso([this] { filas_ = conexion_.AbreRecordset(sql_, 0, 1); });
        if (!soloEscaneados)
            guarda_.paso([this] {
                if (!escaneos_)
                    escaneos_ = std::make_unique<ConsultaEscaneo>(conexion_);
            });
        guarda_.paso([this] {
            if (!nombres_)
                nombres_ = conexion_.PreparaBuscaValor(QStringLiteral("MA_CUENTAS"), QStringLiteral("DESCRIPCION"),
                                                       QStringLiteral("Codigo"));
        });
        while (!guarda_.salio() && filas_ && !filas_->EOF()) {
            if (soloEscaneados)
                filaEscaneo();
            else
                filaComprobante();
            if (guarda_.salio() || !siguiente())
                break;
        }
    }

    int contador() const { return contador_; }

private:
    // A move that failed and was skipped would read the same row for ever.
    bool siguiente()
    {
        avanzo_ = false;
        guarda_.paso([this] {
            filas_->MoveNext();
            avanzo_ = true;
        });
        return avanzo_;
    }

    void negrita(bool si)
    {
        for (int c = 0; c < grilla_.Cols(); ++c)
            grilla_.setCellFontBold(contador_, c, si);
    }

    // Column 1 and the account's name beside it, in both modes.
    void cuenta(const QString& campoCuenta)
    {
        guarda_.paso([this, &campoCuenta] { celda(1, campoCuenta); });
        guarda_.paso([this] {
            const QString codigo = grilla_.TextMatrix(contador_, 1);
            auto nombre = nombresLeidos_.constFind(codigo);
            if (nombre == nombresLeidos_.cend())
                nombre = nombresLeidos_.insert(
                    codigo, nombres_ && nombres_->Abre({codigo}) ? Texto(nombres_->Campo(0)) : QString());
            grilla_.setTextMatrix(contador_, 2, *nombre);
        });
    }

    // A column filled straight from a field of the row.
    void celda(int columna, const QString& campo)
    {
        grilla_.setTextMatrix(contador_, columna, Texto(filas_->Campo(campo)));
    }

    void filaEscaneo()
    {
        guarda_.paso([this] { espera_.Actualiza(0, Texto(filas_->Campo(CampoCpteEscaneo))); });
        ++contador_;
        grilla_.setRowData(contador_, long(VistaDeFila::Desconocida));
        negrita(true);
        cuenta(CampoCuentaEscaneo);
        guarda_.paso([this] { celda(3, CampoCpteEscaneo); });
        guarda_.paso([this] { celda(4, CampoFechaEscaneo); });
        guarda_.paso([this] { celda(5, CampoNombreArchivo); });
        guarda_.paso([this] { celda(6, CampoRutaArchivo); });
        grilla_.setRows(grilla_.Rows() + 1);
    }

    void filaComprobante()
    {
        guarda_.paso([this] {
            tc_ = Texto(filas_->Campo(CampoTC));
            cpte_ = Texto(filas_->Campo(CampoCpte));
            espera_.Actualiza(0, tc_ + cpte_);
        });
        ++contador_;
        grilla_.setRowData(contador_, long(vista_));
        guarda_.paso([this] {
            QString nombre, ruta;
            const bool hay = escaneos_
                             && escaneos_->Existe(Texto(filas_->Campo(CampoCuenta)), tc_, cpte_, nombre, ruta);
            if (!hay) {
                nombre = Texto(filas_->Campo(CampoNombreArchivo));
                ruta = Texto(filas_->Campo(CampoRutaArchivo));
            }
            negrita(hay);
            grilla_.setTextMatrix(contador_, 5, nombre);
            grilla_.setTextMatrix(contador_, 6, ruta);
        });
        cuenta(CampoCuenta);
        guarda_.paso([this] { grilla_.setTextMatrix(contador_, 3, ObjUtilidades().AjustaTexto(tc_, 4) + cpte_); });
        guarda_.paso([this] { celda(4, CampoFecha); });
        grilla_.setRows(grilla_.Rows() + 1);
    }

    ConexionDatos& conexion_;
    GrillaFlex& grilla_;
    VentanaEspera& espera_;
    GuardaErrores& guarda_;
    QString sql_;
    std::unique_ptr<Recordset> filas_;
    std::unique_ptr<ConsultaEscaneo> escaneos_;
    std::unique_ptr<ConsultaPreparada> nombres_;
    // Each account's name is read once a search: a few thousand accounts
    // own a period's vouchers, and a search reads its rows as the database
    // stood when it began.
    QHash<QString, QString> nombresLeidos_;
    QString tc_, cpte_;
    VistaDeFila vista_ = VistaDeFila::Desconocida;
    int contador_ = 0;
    bool avanzo_ = false;
};

}

bool LeeFechasDeBusqueda(const QString& desde, const QString& hasta, FiltroBusqueda& filtro)
{
    QDate fechas[] = {filtro.Desde, filtro.Hasta};
    const QString textos[] = {desde, hasta};
    for (int i = 0; i < 2; ++i) {
        if (textos[i].trimmed().isEmpty())
            continue;
        fechas[i] = FechaDelOperador(textos[i]).date();
        if (!fechas[i].isValid())
            return false;
    }
    filtro.Desde = fechas[0];
    filtro.Hasta = fechas[1];
    return true;
}

QString CondicionBusqueda(const ConexionDatos& conexion, const FiltroBusqueda& filtro)
{
    const bool escaneos = filtro.SoloEscaneados;
    QString condicion = QStringLiteral(" Where ");
    condicion += escaneos ? QStringLiteral(" (Eliminado = 0 OR ELIMINADO IS NULL) ") : QStringLiteral(" ANULADA = 0 ");
    const QString* campos[] = {&filtro.Cuenta, &filtro.TC, &filtro.Sucursal, &filtro.Numero, &filtro.Letra};
    for (int i = 0; i < 5; ++i) {
        if (campos[i]->isEmpty())
            continue;
        // The register's key holds the type fitted to 4; the views' TC is
        // compared as typed.
        const QString valor = (escaneos && campos[i] == &filtro.TC) ? ObjUtilidades().AjustaTexto(filtro.TC, 4)
                                                                      : *campos[i];
        condicion += QLatin1String(escaneos ? Clausulas[i].escaneos : Clausulas[i].comprobantes)
                     + conexion.FormatoLiteral(valor) + QLatin1Char(' ');
    }
    condicion += QStringLiteral(" and ");
    condicion += QStringLiteral(" (Fecha>=") + LiteralDia(conexion, filtro.Desde) + QStringLiteral(" AND Fecha<")
                 + LiteralDia(conexion, filtro.Hasta.addDays(1)) + QStringLiteral(") ");
    return condicion;
}

QStringList SentenciasBusqueda(const QString& condicion, bool soloEscaneados)
{
    if (soloEscaneados)
        return {QStringLiteral("SELECT * FROM CTROL_ESCANEO ") + condicion
                + QStringLiteral(" ORDER BY Fecha Desc,Cpte,Cuenta")};
    const QString orden = QStringLiteral(" ORDER BY Fecha Desc,IDCOMPROBANTE,Cuenta");
    return {QStringLiteral("SELECT CUENTA,TC ,IDCOMPROBANTE AS CPTE, FECHA, '' AS NOMBREARCHIVO, '' AS RUTAARCHIVO "
                           "FROM V_MV_CPTE ")
                + condicion + orden,
            QStringLiteral("SELECT CUENTA,TC,IDCOMPROBANTE AS CPTE, FECHA, '' AS NOMBREARCHIVO, '' AS RUTAARCHIVO "
                           "FROM C_MV_CPTE ")
                + condicion + orden};
}

void PreparaGrillaBusqueda(GrillaFlex& grilla)
{
    grilla.setRows(2);
    grilla.setCols(ColumnasGrilla);
    for (int c = 0; c < ColumnasGrilla; ++c) {
        grilla.setColWidth(c, Columnas[c].ancho);
        grilla.setTextMatrix(0, c, QLatin1String(Columnas[c].titulo));
    }
}

int Busca(ConexionDatos& conexion, const FiltroBusqueda& filtro, GrillaFlex& grilla, VentanaEspera& espera,
          GuardaErrores& guarda)
{
    // Views see the rows once they are all in, however the search ends.
    const bool redibujaba = grilla.Redraw();
    grilla.setRedraw(false);
    const auto restaura = qScopeGuard([&] { grilla.setRedraw(redibujaba); });
    QStringList sentencias;
    guarda.paso([&] { sentencias = SentenciasBusqueda(CondicionBusqueda(conexion, filtro), filtro.SoloEscaneados); });
    guarda.paso([&] { PreparaGrillaBusqueda(grilla); });
    Busqueda busqueda(conexion, grilla, espera, guarda);
    // The sales view's statement comes first, the purchases' second; the
    // register's rows have no view.
    for (qsizetype i = 0; i < sentencias.size(); ++i) {
        if (guarda.salio())
            break;
        const VistaDeFila vista = filtro.SoloEscaneados ? VistaDeFila::Desconocida
                                  : i == 0              ? VistaDeFila::Ventas
                                                        : VistaDeFila::Compras;
        busqueda.corre(sentencias[i], filtro.SoloEscaneados, vista);
    }
    return busqueda.contador();
}
