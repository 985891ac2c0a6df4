#include "printing/ImpresionComprobante.h"

#include "services/Modulo.h"
#include "services/Objetos.h"

namespace {

const QString& sesion()
{
    return Modulo().ClaveEstacionSesion;
}

}  // namespace

bool ImpresionComprobante::esTipo(const QStringList& tipos) const
{
    return ObjUtilidades().EstaEnLista(Tipo, tipos);
}

bool ImpresionComprobante::esClave(const QStringList& claves) const
{
    return ObjUtilidades().EstaEnLista(ClaveReporte.trimmed(), claves);
}

void ImpresionComprobante::agrega(const QString& clausula)
{
    if (FormulaSeleccion.trimmed().isEmpty())
        FormulaSeleccion += clausula;
    else
        FormulaSeleccion += QStringLiteral(" AND ") + clausula;
}

void ImpresionComprobante::ordena(const QString& campo)
{
    if (CamposOrden.isEmpty())
        CamposOrden.append(campo);
    else
        CamposOrden[0] = campo;
}

QString ImpresionComprobante::literal(const QString& valor)
{
    return ConexionPrincipal().FormatoLiteral(valor);
}

QString ImpresionComprobante::relleno(const QString& tipo)
{
    return ObjUtilidades().RellenaCodigo(tipo, 4);
}

void ImpresionComprobante::busca(const QString& nombre, const QString& estacion, bool conLista,
                                 const QString& comprobante)
{
    QString n = nombre;
    ArchivoReporte = NombreReporte(n, estacion, conLista ? &Archivos : nullptr, comprobante);
}

void AplicaTablaTipos(ImpresionComprobante& imp)
{
    const QString& Id = imp.Id;
    const auto L = &ImpresionComprobante::literal;
    const QString tipoRelleno = L(imp.relleno(imp.Tipo));
    const QString clausulaComprobante = QStringLiteral("{V_MV_CPTE.IDCOMPROBANTE} = ") + L(Id)
                                        + QStringLiteral(" AND {V_MV_CPTE.IDCOMPLEMENTO} = ") + imp.IdComplemento
                                        + QStringLiteral(" AND {Aux_MV_CPte.USUARIO} = ") + L(ClaveEstacion());

    if (imp.esTipo({"OT", "PR", "RM", "FC", "NC", "NCFP", "ND", "FP", "NP", "GF", "TK", "TKFC"})) {
        imp.agrega(QStringLiteral(" {V_MV_CPTE.TC} = ") + tipoRelleno);
        if (!imp.SinClaves)
            imp.agrega(clausulaComprobante);
        imp.busca(imp.nombreTipo(), QString(), true, Id);
        if (imp.esClave({"OT2"})) {
            const auto segunda = [](QString& archivo) {
                archivo = archivo.left(archivo.size() - 4) + QStringLiteral("2.rpt");
            };
            segunda(imp.ArchivoReporte);
            for (QString& archivo : imp.Archivos)
                segunda(archivo);
        }
    } else if (imp.esTipo({"OP"})) {
        imp.agrega(QStringLiteral(" {V_MV_CPTE.TC} = ") + tipoRelleno);
        if (!imp.SinClaves)
            imp.agrega(QStringLiteral("{V_MV_CPTE.IDCOMPROBANTE} = ") + L(Id) + u' ');
        imp.ordena(QStringLiteral("+{V_Mv_CpteInsumos.Id}"));
        imp.busca(imp.nombreTipo(), QString(), true, Id);
    } else if (imp.esTipo({"PE"})) {
        imp.ordena(QString());
        imp.busca(QStringLiteral("ParteConsumoPE"), QString(), true, QString());
    } else if (imp.esTipo({"IR"})) {
        imp.agrega(QStringLiteral(" {V_MV_STOCK.TC} = 'IR'"));
        if (!imp.SinClaves)
            imp.agrega(QStringLiteral("{V_MV_STOCK.IDCOMPROBANTE} = ") + L(Id) + u' ');
        imp.ordena(QString());
        imp.busca(QStringLiteral("IR-OC"), QString(), true, QString());
    } else if (imp.esTipo({"PEC", "PECO", "PEBA"})) {
        imp.agrega(QStringLiteral("{V_MV_CPTE.IDCOMPROBANTE} = ") + L(Id)
                   + QStringLiteral(" AND {V_MV_CPTE.TC} = 'PE'"));
        const char* nombre = imp.esTipo({"PEC"}) ? "COMANDA" : imp.esTipo({"PECO"}) ? "COMANDA_COCINA" : "COMANDA_BAR";
        imp.busca(QLatin1String(nombre), QString(), true, QString());
    } else if (imp.esTipo({"T3"})) {
        if (!imp.SinClaves)
            imp.reemplaza(QStringLiteral("({v_mv_cpte.tc} = 'OT') and (")
                          + QStringLiteral("{V_MV_CPTE.IDCOMPROBANTE} = ") + L(Id) + u' ' + u')');
        imp.busca(QStringLiteral("RP_MV_3ros"), sesion(), true, QString());
    } else if (imp.esTipo({"LQ"})) {
        imp.reemplaza(QStringLiteral("{V_MV_CPTE.IDCOMPROBANTE} = ") + L(Id)
                      + QStringLiteral(" AND {V_MV_CPTE.TC} = 'OT'"));
        imp.busca(QStringLiteral("RP_Liq_Com"), sesion(), true, QString());
    } else if (imp.esTipo({"STK5", "STK7"})) {
        if (!imp.esClave({"STK5CLIENTE"}))
            imp.busca(imp.nombreTipo(), QString(), true, Id);
    } else if (imp.esTipo({"OPG"})) {
        imp.reemplaza(QString());
        imp.agrega(QStringLiteral("{V_MV_CPTE.TC} = ") + tipoRelleno);
        if (imp.esClave({"RETIGAN", "RETIBR", "RETIVA"})) {
            if (!imp.SinClaves)
                imp.agrega(QStringLiteral(" {V_MV_CPTE.IDCOMPROBANTE} = ") + L(Id));
        } else {
            if (!imp.SinClaves)
                imp.agrega(QStringLiteral(" {V_MV_CPTE.IDCOMPROBANTE} = ") + L(Id)
                           + QStringLiteral(" and {AUX_MV_CPTE.USUARIO} = ") + L(sesion()));
            imp.busca(imp.nombreTipo(), QString(), true, Id);
        }
    } else if (imp.esTipo({"PG", "PGFP"})) {
        imp.reemplaza(QString());
        if (imp.esClave({"RETIGAN", "RETIBR", "RETIVA", "RETSUSS"})) {
            imp.agrega(QStringLiteral("{V_MV_CPTE.TC} = ") + tipoRelleno);
            if (!imp.SinClaves)
                imp.agrega(QStringLiteral(" {V_MV_CPTE.IDCOMPROBANTE} = ") + L(Id));
            imp.busca(imp.ClaveReporte, QString(), true, QString());
        } else {
            imp.agrega(QStringLiteral("{AUX_MV_CPTE.TC} = ") + tipoRelleno);
            imp.agrega(QStringLiteral("{AUX_MV_CPTE.USUARIO} = ") + L(sesion()));
            if (!imp.SinClaves)
                imp.agrega(QStringLiteral(" {AUX_MV_CPTE.IDCOMPROBANTE} = ") + L(Id)
                           + QStringLiteral(" AND {AUX_MV_CPTE.IDCOMPLEMENTO} = ") + imp.IdComplemento);
            imp.busca(QStringLiteral("LiqOPG"), QString(), true, QString());
        }
    } else if (imp.esTipo({"CB", "CBCT", "CBFP"})) {
        imp.agrega(QStringLiteral(" {AUX_MV_CPTE.TC} = ") + tipoRelleno);
        imp.agrega(QStringLiteral(" {AUX_MV_CPTE.IDCOMPROBANTE} = ") + L(Id)
                   + QStringLiteral(" AND {AUX_MV_CPTE.IDCOMPLEMENTO} = ") + imp.IdComplemento);
        imp.agrega(QStringLiteral(" {AUX_MV_CPTE.USUARIO} = ") + L(sesion()));
        imp.CamposOrden = QStringList{QString()};
        imp.busca(imp.nombreTipo(), QString(), true, Id);
    } else if (imp.esTipo({"AutOt"})) {
        imp.agrega(QStringLiteral(" {V_MV_CPTE.TC} = ") + L(imp.relleno(QStringLiteral("OT"))));
        if (!imp.SinClaves)
            imp.agrega(clausulaComprobante);
        imp.ordena(QStringLiteral("+{Aux_Mv_Cpte.ID}"));
        imp.busca(QStringLiteral("AutOT"), QString(), false, QString());
        imp.Archivos.fill(imp.ArchivoReporte);
    } else if (imp.esTipo({"RMC", "OC", "FCC", "NCC", "NCCP", "NDC", "FPC"})) {
        imp.agrega(QStringLiteral("{C_MV_CPTE.IDCOMPROBANTE} = ") + L(Id) + QStringLiteral(" AND {C_MV_CPTE.TC} = ")
                   + L(imp.Tipo));
        imp.busca(imp.nombreTipo(), QString(), true, Id);
    }
}
