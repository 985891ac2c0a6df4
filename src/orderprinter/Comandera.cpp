#include "orderprinter/Comandera.h"

#include "orderprinter/RegistroComandera.h"
#include "platform/base/Cp1252.h"
#include "platform/base/FormatoNumerico.h"
#include "platform/base/GuardaErrores.h"
#include "platform/dialogs/Dialogos.h"
#include "services/Configuracion.h"
#include "services/Objetos.h"

#include <QDateTime>

#include <QVector>

#include <functional>
#include <memory>

namespace {

constexpr int AnchoTicket = 34;
constexpr int ColumnaDescripcion = AnchoTicket - 7;
constexpr int AnchoLineaImporte = 33;

const QString TituloSinComandera = QStringLiteral("Aviso al operador!!!");
const QString TituloPuerto = QStringLiteral("Aviso al operador!!");

// ESC ! n, a carriage return, ESC a m: print mode and justification.
QByteArray BloqueModo(char modo, char justificacion)
{
    return QByteArray("\x1b\x21", 2) + modo + '\r' + QByteArray("\x1b\x61", 2) + justificacion;
}

QByteArray Linea(const QString& texto)
{
    return ACp1252(texto) + '\n';
}

// GS V 0: full cut.
QByteArray Corte()
{
    return QByteArray("\x1d\x56\x00", 3);
}

QString Texto(const Recordset& rs, const QString& campo)
{
    return ObjUtilidades().ValorCampo(rs.Campo(campo));
}

Moneda Importe(const Recordset& rs, const QString& campo)
{
    return ObjUtilidades().TextoAMoneda(Texto(rs, campo));
}

double Cantidad(const Recordset& rs, const QString& campo)
{
    return Importe(rs, campo).aDouble();
}

QString DosDecimales(Moneda valor)
{
    return formatoNumerico().fijo(valor, 2);
}

// The amount right-aligned in `ancho`, or wider when its digits need it.
QString ImporteAjustado(Moneda valor, int ancho)
{
    const QString texto = DosDecimales(valor);
    return ObjUtilidades().AjustaImporte(texto, std::max(ancho, int(texto.size())));
}

const Recordset& Abierto(const std::unique_ptr<Recordset>& rs)
{
    if (!rs)
        throw Err(NumeroError::ObjetoNoEstablecido);
    return *rs;
}

// The stored five characters, as the operator would find them in the file.
QString PuertoComoSeGuardo(const RegistroComandera& r)
{
    return QString(r.Puerto).replace(QChar(u'\0'), QChar(u' '));
}

int16_t NumeroDePuerto(const QString& puerto)
{
    bool ok = false;
    const double numero = ObjUtilidades().Reemplaza(puerto, QStringLiteral("COM")).trimmed().toDouble(&ok);
    if (!ok)
        throw Err(NumeroError::TiposNoCoinciden, QStringLiteral("No coinciden los tipos"));
    return CInt(numero);
}

class Ticket {
public:
    Ticket(const RegistroComandera& registro, bool cocina, bool barra)
        : r_(registro), cocina_(cocina), barra_(barra),
          guarda_(politicas::dialogo([](const Err& e) {
              return ObjUtilidades().MuestraErrorObjeto(e, 18, QStringLiteral("ImprimeEnComandera"));
          }))
    {
    }

    void imprime(const QString& tc, const QString& idComprobante);

private:
    bool precios() const { return !(cocina_ || barra_); }
    // Each write is one statement of the handler; one that needs the data
    // reads it in the same statement, so Retry reads it again.
    void envia(const QByteArray& bytes)
    {
        guarda_.paso([&] { escribe(bytes); });
    }
    void envia(const std::function<QByteArray()>& bytes)
    {
        guarda_.paso([&] { escribe(bytes()); });
    }
    static void escribe(const QByteArray& bytes) { ObjFrmMvVentas().MSComm1.setOutput(bytes); }
    void encabezado(const QString& tc, const QString& idComprobante);
    void items();
    QVector<QByteArray> lineasDeItem(const Recordset& rs) const;
    void cierre();

    const RegistroComandera r_;
    const bool cocina_, barra_;
    GuardaErrores guarda_;
    std::unique_ptr<Recordset> cpte_, insumos_;
};

void Ticket::imprime(const QString& tc, const QString& idComprobante)
{
    ConexionDatos& cn = ConexionPrincipal();
    guarda_.paso([&] {
        cpte_ = cn.AbreRecordset(QStringLiteral("SELECT * FROM V_MV_CPTE WITH(NOLOCK) WHERE TC = ")
                                 + cn.FormatoLiteral(tc) + QStringLiteral(" AND IDCOMPROBANTE = ")
                                 + cn.FormatoLiteral(idComprobante));
    });
    guarda_.paso([&] {
        insumos_ = cn.AbreRecordset(
            QStringLiteral("SELECT V_MV_CpteInsumos.IDARTICULO,V_MV_CpteInsumos.DESCRIPCION,V_MV_CpteInsumos.CANTIDAD,"
                           "V_MV_CpteInsumos.Cantidadpreparada,V_MV_CpteInsumos.CANTIDADAFACTURAR, "
                           "V_MV_CpteInsumos.IMPORTE_S_IVA, V_MV_CpteInsumos.IMPORTE, v_ma_articulos.Pesable, "
                           "v_ma_articulos.talledefault FROM V_MV_CPTEINSUMOS LEFT OUTER JOIN dbo.V_MA_ARTICULOS ON "
                           "dbo.V_MV_CpteInsumos.IDARTICULO = dbo.V_MA_ARTICULOS.IDARTICULO WHERE TC = ")
            + cn.FormatoLiteral(tc) + QStringLiteral(" AND IDCOMPROBANTE = ") + cn.FormatoLiteral(idComprobante)
            + QStringLiteral(" ORDER BY V_MV_CpteInsumos.ID"));
    });
    encabezado(tc, idComprobante);
    items();
    cierre();
    // Leaving early still gives the port back; what was sent stays printed.
    ObjFrmMvVentas().MSComm1.setPortOpen(false);
}

void Ticket::encabezado(const QString& tc, const QString& idComprobante)
{
    if (Activo(r_.ImprimeEncabezado1)) {
        envia(BloqueModo(0x20, 1));
        envia([&] {
            const QString texto = TextoDeRegistro(r_.Encabezado1);
            return Linea(texto.isEmpty() ? Cfg(QStringLiteral("NOMBRE")) : texto);
        });
    }
    if (Activo(r_.ImprimeEncabezado2)) {
        envia(BloqueModo(0x00, 1));
        envia([&] {
            const QString texto = TextoDeRegistro(r_.Encabezado2);
            return Linea(texto.isEmpty() ? Cfg(QStringLiteral("CALLE")) + QLatin1Char(' ') + Cfg(QStringLiteral("NUMERO"))
                                               + QStringLiteral(" - ") + Cfg(QStringLiteral("LOCALIDAD"))
                                         : texto);
        });
    }
    envia(BloqueModo(0x00, 2));
    envia(Linea(QString()));
    envia([] { return Linea(QDateTime::currentDateTime().toString(QStringLiteral("dd/MM/yy HH:mm"))); });
    envia([&] {
        const Recordset& cpte = Abierto(cpte_);
        const QVariant mozo = ConexionPrincipal().BuscaValor(QStringLiteral("V_TA_VENDEDORES"),
                                                             Texto(cpte, QStringLiteral("IdVendedor")).trimmed(),
                                                             QStringLiteral("NOMBRE"), QStringLiteral("IdVendedor"));
        return Linea(QStringLiteral("MESA:") + Texto(cpte, QStringLiteral("Transporte")).trimmed()
                     + QStringLiteral("  Mozo:")
                     + ObjUtilidades().AjustaTexto(ObjUtilidades().ValorCampo(mozo), 15).trimmed());
    });
    if (Activo(r_.ImprimeNumero)) {
        envia(BloqueModo(0x00, 2));
        envia(Linea(tc + QLatin1Char(' ') + idComprobante));
    }
    if (Activo(r_.ImprimeCliente)) {
        envia(BloqueModo(0x00, 0));
        envia([&] { return Linea(Texto(Abierto(cpte_), QStringLiteral("Nombre")).trimmed()); });
        envia(Linea(QString()));
        envia(Linea(QString()));
    }
}

void Ticket::items()
{
    bool hayFilas = false;
    guarda_.paso([&] { hayFilas = !Abierto(insumos_).EOF(); });
    while (hayFilas && !guarda_.salio()) {
        QVector<QByteArray> lineas;
        guarda_.paso([&] { lineas = lineasDeItem(*insumos_); });
        for (const QByteArray& linea : lineas)
            envia(linea);
        guarda_.paso([&] {
            insumos_->MoveNext();
            hayFilas = !insumos_->EOF();
        });
    }
}

QVector<QByteArray> Ticket::lineasDeItem(const Recordset& rs) const
{
    const QString descripcion = Texto(rs, QStringLiteral("Descripcion"));
    const Moneda precio = Importe(rs, QStringLiteral("Importe"));
    double cantidad = Cantidad(rs, QStringLiteral("Cantidad"));
    const QString talle = Texto(rs, QStringLiteral("talledefault"));
    if (cocina_) {
        cantidad -= Cantidad(rs, QStringLiteral("Cantidadpreparada"));
        if (cantidad == 0 || !talle.contains(u'C', Qt::CaseInsensitive))
            return {};
    }
    if (barra_) {
        cantidad -= Cantidad(rs, QStringLiteral("CANTIDADAFACTURAR"));
        if (cantidad == 0 || !talle.contains(u'B', Qt::CaseInsensitive))
            return {};
    }
    // Weighed articles print the quantity they were sold with.
    const Moneda importe = RedondeaMoneda(Moneda::desdeDouble(precio.aDouble() * cantidad), 2);
    const QString textoCantidad = DosDecimales(Moneda::desdeDouble(cantidad));

    QVector<QByteArray> lineas;
    if (Activo(r_.DosLineas))
        lineas += BloqueModo(0x00, 0);
    if (precios()) {
        const QString detalle = QLatin1Char('[') + textoCantidad + QStringLiteral(" X $ ") + DosDecimales(precio)
                                + QLatin1Char(']');
        if (Activo(r_.DosLineas)) {
            lineas += Linea(detalle);
            lineas += Linea(FormateaLineaImporte(descripcion, importe, AnchoLineaImporte));
        } else {
            lineas += Linea(FormateaLineaImporte(detalle + QLatin1Char(' ') + descripcion, importe, AnchoLineaImporte));
        }
        return lineas;
    }
    lineas += Linea(textoCantidad + QStringLiteral("  ") + descripcion.left(ColumnaDescripcion));
    for (int desde = ColumnaDescripcion; desde < 3 * ColumnaDescripcion && desde < descripcion.size();
         desde += ColumnaDescripcion)
        lineas += Linea(QString(6, u' ') + descripcion.mid(desde, ColumnaDescripcion));
    return lineas;
}

void Ticket::cierre()
{
    envia(Linea(QString()));
    envia(Linea(QString()));
    envia(BloqueModo(0x20, 2));
    if (precios())
        envia([&] {
            return Linea(QStringLiteral("TOTAL $") + ImporteAjustado(Importe(Abierto(cpte_), QStringLiteral("Importe")), 9));
        });
    else
        envia(Linea(QString()));
    envia(Linea(QString()));
    if (cocina_)
        envia(Linea(QStringLiteral("** COCINA **")));
    if (barra_)
        envia(Linea(QStringLiteral("** BARRA **")));
    envia(Linea(QString()));
    envia(Linea(QString()));
    if (Activo(r_.ImprimePie) && precios()) {
        envia(BloqueModo(0x00, 1));
        envia(Linea(TextoDeRegistro(r_.Pie)));
    }
    for (int i = 0; i < 3; ++i)
        envia(Linea(QString()));
    envia(Corte());
}

}

void FrmMvVentas::MSComm1_OnComm()
{
    static_cast<void>(MSComm1.CommEvent());
}

void FrmMvVentas::AgregoRegargo(const QVariant&)
{
}

FrmMvVentas& ObjFrmMvVentas()
{
    static FrmMvVentas ventana;
    return ventana;
}

QString FormateaLineaImporte(const QString& Texto, Moneda Importe, double Ancho)
{
    const QString importe = DosDecimales(Importe);
    const int anchoImporte = std::max(7, int(importe.size()));
    const int anchoTexto = std::max(0, int(Ancho) - 2 - anchoImporte);
    return ObjUtilidades().AjustaTexto(Texto.left(anchoTexto), anchoTexto) + QStringLiteral("$ ")
           + ObjUtilidades().AjustaImporte(importe, anchoImporte);
}

void ImprimeEnComandera(const QString& TC, const QString& IdComprobante, const QString& NombreImpresora,
                        int16_t Cocina, int16_t Barra)
{
    const QString impresora = ObjUtilidades().Reemplaza(NombreImpresora, QStringLiteral("Comandera :")).trimmed();
    if (!ExisteComandera(impresora)) {
        dialogos().MsgBox(QStringLiteral("No se ha configurado una comandera en este equipo, verifiquelo y vuelva a "
                                         "intentarlo!!!"),
                          Botones::IconoCritico, TituloSinComandera);
        return;
    }
    const RegistroComandera registro = RegistroActualComandera();
    PuertoSerie& puerto = ObjFrmMvVentas().MSComm1;

    GuardaErrores puesta(politicas::dialogo([](const Err& e) {
        return ObjUtilidades().MuestraErrorObjeto(e, 18, QStringLiteral("ImprimeEnComandera"));
    }));
    puesta.paso([&] { puerto.setCommPort(NumeroDePuerto(TextoDeRegistro(registro.Puerto))); });
    if (puesta.salio())
        return;
    try {
        puerto.setPortOpen(true);
    } catch (const Err&) {
        dialogos().MsgBox(QStringLiteral("Error de Comunicacion con el Puerto seleccionado (") + PuertoComoSeGuardo(registro)
                              + QStringLiteral(") verifiquelo y vuelva a intentarlo. EL COMPROBANTE NO SE HA IMPRESO"),
                          Botones::IconoCritico, TituloPuerto);
        return;
    }
    Ticket(registro, Cocina != 0, Barra != 0).imprime(TC, IdComprobante);
}
