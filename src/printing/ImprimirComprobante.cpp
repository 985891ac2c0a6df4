#include "printing/ImprimirComprobante.h"

#include "orderprinter/Comandera.h"
#include "platform/base/ArchivoSinMayusculas.h"
#include "platform/base/Conversiones.h"
#include "platform/base/GuardaErrores.h"
#include "platform/dialogs/Dialogos.h"
#include "printing/AsientosComprobante.h"
#include "printing/ImpresionComprobante.h"
#include "printing/ImpresoraComprobante.h"
#include "services/Configuracion.h"
#include "services/Modulo.h"
#include "services/MuestraError.h"
#include "services/Objetos.h"

#include <QVariant>

#include <algorithm>
#include <array>

namespace {

bool igual(const QString& a, const char* b)
{
    return a.compare(QLatin1String(b), Qt::CaseInsensitive) == 0;
}

QString cfg(const char* clave)
{
    return Cfg(QLatin1String(clave));
}

QString cfgRecortado(const char* clave)
{
    return cfg(clave).trimmed();
}

// The company's address formulas, in the order the third-party and
// settlement prints take them after the company's name.
QStringList formulasDireccion()
{
    return {QStringLiteral("Direccion = '") + cfg("CALLE") + u' ' + cfg("NUMERO") + QStringLiteral("  ") + cfg("PISO")
                + u' ' + cfg("Departamento") + u'\'',
            QStringLiteral("Localidad= '") + cfg("LOCALIDAD") + u'\'',
            QStringLiteral("CodigoPostal= '") + cfg("CPOSTAL") + u'\'',
            QStringLiteral("Telefono= 'Telefono:") + cfgRecortado("TELEFONO") + u'\''};
}

// The heading of an electronic voucher, with the copy's label last.
std::array<QVariant, 5> encabezadoElectronico(int copia)
{
    const char* etiqueta = copia == 1 ? "ORIGINAL" : copia == 2 ? "DUPLICADO" : "TRIPLICADO";
    return {
        QStringLiteral("NombreEmpresa='") + cfgRecortado("NOMBRE") + u'\'',
        QStringLiteral("Localidad='") + QStringLiteral("Ingresos Brutos: ") + cfgRecortado("NROINGRESOSBRUTOS") + u'\'',
        QStringLiteral("Direccion='") + QStringLiteral("Inicio de Actividades: ") + cfgRecortado("INICIOACTIVIDADES")
            + u'\'',
        QStringLiteral("Encabezado='") + cfgRecortado("CALLE") + u' ' + cfgRecortado("NUMERO") + QStringLiteral(" (")
            + cfgRecortado("CPOSTAL") + QStringLiteral(") ") + cfgRecortado("Localidad") + QStringLiteral(" - ")
            + cfgRecortado("PROVINCIA") + QStringLiteral(" Tel:") + cfgRecortado("TELEFONO") + u'\'',
        QStringLiteral("CodigoPostal='") + QLatin1String(etiqueta) + u'\''};
}

// What one print hands the report object besides the file and the query.
struct Llamada {
    std::array<QVariant, 5> adicionales{};
    std::array<QString, 3> subreportes{};
};

// A report file to print: the path on disk when it exists (a bare name is
// looked for in the report folder); empty when there is none. Tells the
// operator when it is missing.
QString formularioExistente(const QString& archivo)
{
    QString real = ArchivoSinMayusculas(archivo);
    if (real.isEmpty() && !archivo.trimmed().isEmpty() && !archivo.contains(u'/')) {
        real = ArchivoSinMayusculas(CarpetaReportes() + archivo);
        if (real.isEmpty())
            real = ArchivoSinMayusculas(CarpetaReportes() + archivo + QStringLiteral(".rpt"));
    }
    if (real.isEmpty())
        dialogos().MsgBox(QStringLiteral("No se encuentra el Formulario ") + archivo, Botones::IconoInformacion,
                          QStringLiteral("Atención"));
    return real;
}

class Impresion {
public:
    Impresion(ImpresionComprobante& imp, GuardaErrores& g) : imp_(imp), g_(g) {}

    // The printer's name and port from "name|port"; a text without "|" is
    // the name alone.
    void fijaImpresora(const QString& impresora)
    {
        Reporte& r = ObjReporte();
        if (r.Destino() != r.DestinoImpresora())
            return;
        QString nombre, puerto;
        if (!impresora.trimmed().isEmpty()) {
            nombre = impresora.section(u'|', 0, 0).trimmed();
            puerto = impresora.contains(u'|') ? impresora.section(u'|', 1).trimmed() : QString();
        }
        r.setNombreImpresora(nombre);
        r.setImpresora(nombre);
        r.setPuerto(puerto);
    }

    // One copy of the normal print, of the file at its position; the report
    // keys that name their own report print that one.
    void copia(int copia, const QString& archivo)
    {
        if (esTerceros()) {
            imprimeTerceros(archivo);
            return;
        }
        const bool porClave = !esCompra() && imp_.esClave({"RETIGAN", "RETIBR", "RETIVA", "RETSUSS", "STK5CLIENTE"});
        const QString formulario = formularioExistente(porClave ? imp_.ArchivoReporte : archivo);
        if (formulario.isEmpty())
            return;
        Llamada llamada;
        if (esCompra())
            llamada.subreportes = subreportesCompra();
        else if (!porClave)
            llamada = llamadaDelTipo(copia);
        imprime(formulario, llamada);
    }

    // The print of a given file, once.
    void archivoDado(const QString& archivo)
    {
        if (esTerceros()) {
            imprimeTerceros(archivo);
            return;
        }
        if (esCompra()) {
            if (const QString formulario = formularioExistente(archivo); !formulario.isEmpty())
                imprime(formulario, {{}, subreportesCompra()});
            return;
        }
        const bool porClave =
            ObjUtilidades().EstaEnLista(imp_.ArchivoReporte.trimmed(), {"RETIGAN", "RETIBR", "RETIVA", "STK5CLIENTE"});
        if (const QString formulario = formularioExistente(porClave ? imp_.ArchivoReporte : archivo);
            !formulario.isEmpty())
            imprime(formulario, {});
    }

private:
    bool esTerceros() const { return imp_.esTipo({"T3", "LQ"}); }
    // The purchase vouchers printed with their series and observations.
    bool esCompra() const { return imp_.esTipo({"RMC", "OC", "FCC", "NCC", "NDC", "FPC"}); }
    static std::array<QString, 3> subreportesCompra()
    {
        return {QStringLiteral("RP_CPTESER"), QString(), QStringLiteral("RP_CpteObs")};
    }

    Llamada llamadaDelTipo(int copia) const
    {
        Llamada llamada;
        if (imp_.esTipo({"OPG", "PG"})) {
            if (igual(cfgRecortado("ImpresionPagosConSubReporte"), "SI"))
                llamada.subreportes[0] = QStringLiteral("OPGSR");
        } else if (imp_.esTipo({"OP"})) {
            llamada.subreportes[0] = QStringLiteral("opSub");
        } else if (imp_.Electronico) {
            llamada.adicionales = encabezadoElectronico(copia);
        }
        return llamada;
    }

    void imprimeTerceros(const QString& archivo)
    {
        const QString formulario = formularioExistente(archivo);
        if (formulario.isEmpty())
            return;
        Llamada llamada;
        llamada.adicionales[0] = QStringLiteral("Empresa='") + cfg("Nombre") + u'\'';
        for (int i = 0; i < 4 && i < imp_.Direcciones.size(); ++i)
            llamada.adicionales[i + 1] = imp_.Direcciones[i];
        imprime(formulario, llamada);
    }

    void imprime(const QString& archivo, const Llamada& l)
    {
        g_.paso([&] {
            ObjReporte().Imprime(archivo, imp_.CamposOrden, imp_.FormulaSeleccion, Modulo().CadenaConexionReporte,
                                 l.adicionales[0], l.adicionales[1], l.adicionales[2], l.adicionales[3],
                                 l.adicionales[4], l.subreportes[0], l.subreportes[1], l.subreportes[2]);
        });
    }

    ImpresionComprobante& imp_;
    GuardaErrores& g_;
};

// The destination a type's default names; -1 for any other text.
int destinoPorDefecto(const QString& destinoDefault)
{
    const Reporte& r = ObjReporte();
    if (igual(destinoDefault, "Pantalla") || igual(destinoDefault, "Ninguno"))
        return r.DestinoPantalla();
    if (igual(destinoDefault, "Impresora"))
        return r.DestinoImpresora();
    if (igual(destinoDefault, "E-M@ail"))
        return r.DestinoEmail();
    return -1;
}

// A default that prints nothing through the report object: a selective or
// fiscal print, or the order printer (which gets the voucher here).
bool imprimeAparte(const ImpresionComprobante& imp, const QString& IdComprobante, const QString& destinoDefault)
{
    if (igual(destinoDefault, "Selectivo"))
        return true;
    if (destinoDefault.startsWith(QLatin1String("Controlador Fiscal:"), Qt::CaseInsensitive)
        && !igual(ObjSistema().NombreEjecutable(), "KT_MORVASTE"))
        return true;
    if (!destinoDefault.contains(QLatin1String("Comandera"), Qt::CaseInsensitive))
        return false;
    if (imp.TC.left(2).compare(QLatin1String("PE"), Qt::CaseInsensitive) == 0)
        ImprimeEnComandera(QStringLiteral("PE"), IdComprobante, destinoDefault, imp.esTipo({"PECO"}) ? -1 : 0,
                           imp.esTipo({"PEBA"}) ? -1 : 0);
    else
        ImprimeEnComandera(imp.TC, IdComprobante, destinoDefault, 0, 0);
    return true;
}

}  // namespace

void ImprimirComprobante(const QString& TC, const QString& IdComprobante, const QString& IdComplemento,
                         const QString& ClaveReporte, QStringList& CamposOrden, QString& FormulaSeleccion,
                         const QStringList& FormulasReporte, int& Destino, bool SinClaves, const QString& Fecha,
                         const QString& OpcionImpresion, bool& EsContable, bool CopiaUnica)
{
    ConexionDatos& cn = ConexionPrincipal();
    GuardaErrores g(politicas::dialogo(
        [](const Err& e) { return int(MuestraError(e, std::nullopt, QStringLiteral("ImprimirComprobante"))); }));
    Reporte& reporte = ObjReporte();
    const auto L = &ImpresionComprobante::literal;

    ImpresionComprobante imp(TC, IdComprobante, IdComplemento, ClaveReporte, CamposOrden, FormulaSeleccion);
    imp.SinClaves = SinClaves;

    const auto deSistema = [&](const char* sistema) {
        return cn.Existe(
            QStringLiteral("V_TA_CPTE"), TC, QStringLiteral("CODIGO"),
            QStringLiteral("CODIGO=") + L(TC) + QStringLiteral(" AND SISTEMA='") + QLatin1String(sistema) + u'\'');
    };
    g.paso([&] {
        if (deSistema("CONTABLE") || imp.esTipo({"NCPE", "RN"}))
            EsContable = true;
    });
    g.paso([&] { imp.Stock = deSistema("STOCK"); });

    if (EsContable) {
        g.paso([&] {
            ProcesaAsientosComprobante(TC, IdComprobante, Fecha, OpcionImpresion == u"Asientos con Centro de Costo");
        });
        return;
    }

    if (!imp.Stock)
        g.paso([&] { imp.Direcciones = formulasDireccion(); });
    if (!imp.esTipo({"IR"}) && !imp.Stock)
        g.paso([&] { imp.Formulas << QStringLiteral("NombreEmpresa = '") + cfg("NOMBRE") + u'\'' << imp.Direcciones; });
    if (!imp.esClave({"STK5", "STK7", "RMC", "STK5CLIENTE"}) && !imp.esTipo({"T3", "IR"}) && !imp.Stock)
        g.paso([&] {
            const QString condicion = ObjUtilidades().ValorCampo(cn.BuscaValor(
                QStringLiteral("TA_CONDIVA"), cfg("CONDIVA"), QStringLiteral("DESCRIPCION"), QStringLiteral("Codigo")));
            imp.Formulas << QStringLiteral("Condicion IVA= 'IVA:") + condicion + u'\''
                         << QStringLiteral("CUIT= 'CUIT:") + cfgRecortado("CUIT") + u'\'';
        });
    if (!imp.Stock)
        imp.Formulas << FormulasReporte;
    imp.Formulas << QString();

    QString Impresora, DestinoDefault, Usuario;
    int16_t CantCopias = 0, CantLineas = 0;
    g.paso([&] {
        ObtieneImpresoraComprobante(imp.esTipo({"PEC"}) ? QStringLiteral("PE") : TC, imp.Letra, Impresora, CantCopias,
                                    CantLineas, DestinoDefault, Usuario);
    });
    g.paso([&] {
        imp.Electronico =
            cn.Existe(QStringLiteral("V_MV_CPTE_ELECTRONICOS"), TC, QStringLiteral("TC"),
                      QStringLiteral(" TC=") + L(TC) + QStringLiteral(" AND IDCOMPROBANTE=") + L(IdComprobante));
        if (imp.Electronico) {
            CantCopias = CInt(ObjUtilidades().TextoAMoneda(cfg("copias_efactura")).aDouble());
            if (CantCopias <= 0)
                CantCopias = 1;
        }
    });
    if (CopiaUnica)
        CantCopias = 1;

    if (imp.Stock)
        g.paso([&] {
            imp.agrega(QStringLiteral(" {V_MV_STOCK.TC} = ") + L(TC));
            if (!SinClaves)
                imp.agrega(QStringLiteral("{V_MV_STOCK.IDCOMPROBANTE} = ") + L(imp.Id) + u' ');
            imp.ordena(QString());
            imp.busca(QStringLiteral("STK5"), QString(), true, QString());
        });
    g.paso([&, formula = FormulaSeleccion, orden = CamposOrden] {
        // A retried table starts again from what it was given.
        FormulaSeleccion = formula;
        CamposOrden = orden;
        AplicaTablaTipos(imp);
    });

    g.paso([&] { reporte.CargaFormulas(imp.Formulas, 0); });

    // A file asked for by the caller is written whatever the type's default:
    // the mailing needs the report, not kitchen tickets or a fiscal print.
    const bool aArchivo = Destino == reporte.DestinoArchivo();
    if (Destino == -1)
        Destino = destinoPorDefecto(DestinoDefault);
    if (Destino == -1)
        Destino = 0;
    reporte.setDestino(Destino);
    Impresion impresion(imp, g);
    impresion.fijaImpresora(Impresora);
    // A negative count is no count either.
    if (CantCopias <= 0)
        CantCopias = 1;

    bool aparte = false;
    if (!aArchivo)
        g.paso([&] { aparte = imprimeAparte(imp, IdComprobante, DestinoDefault); });
    if (!aparte && !g.salio()) {
        const QString opcion = OpcionImpresion.trimmed();
        if (opcion.isEmpty() || igual(opcion, "Todos")) {
            if (reporte.Destino() == reporte.DestinoPantalla())
                CantCopias = 1;
            int posicion = 0;
            for (int copia = 1; copia <= CantCopias && !g.salio(); ++copia) {
                impresion.fijaImpresora(Impresora);
                posicion = std::min(posicion + 1, 4);
                impresion.copia(copia, imp.Archivos[posicion - 1]);
            }
        } else {
            impresion.archivoDado(OpcionImpresion);
        }
    }
    g.paso([&] { reporte.setAjuste(30); });
}
