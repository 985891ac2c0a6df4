#include "printing/ArchivosReporte.h"

#include "platform/base/ArchivoSinMayusculas.h"
#include "platform/base/GuardaErrores.h"
#include "platform/dialogs/Dialogos.h"
#include "services/Configuracion.h"
#include "services/Modulo.h"
#include "services/MuestraError.h"
#include "services/Objetos.h"

#include <QFileInfo>

#include <memory>

namespace {

bool igual(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// A file of that path exists, its name compared without regard to case.
bool existe(const QString& ruta)
{
    return !ArchivoSinMayusculas(ruta).isEmpty();
}

// The purchase form when the voucher type is a purchase one, else empty.
QString formularioCompras(const QString& tipo)
{
    const QString sistema = ObjUtilidades().ValorCampo(ConexionPrincipal().BuscaValor(
        QStringLiteral("V_TA_CPTE"), tipo, QStringLiteral("SISTEMA"), QStringLiteral("Codigo")));
    return igual(sistema.trimmed(), QStringLiteral("Compras")) ? CarpetaReportes() + QStringLiteral("CpteCompras.RPT")
                                                               : QString();
}

// The short name of a type and letter ("FC-A" is "FC"): the type's file when
// it exists, else empty; a name of no such form is tried as a purchase type.
QString formularioCorto(const QString& nombre)
{
    const qsizetype largo = nombre.size();
    if (largo >= 4 && largo <= 6 && nombre[largo - 2] == u'-') {
        const QString corto = CarpetaReportes() + nombre.left(largo - 2) + QStringLiteral(".RPT");
        return existe(corto) ? corto : QString();
    }
    return formularioCompras(nombre);
}

// The file list filled from one row: every column through the fallbacks;
// with `repiteVacios`, an empty column after the first repeats the one before.
struct LecturaNombre {
    GuardaErrores& g;
    const QString& plano;
    AvisosReporte avisados;

    static QString archivo(const Recordset& rs, const char* columna)
    {
        return ObjUtilidades().ValorCampo(rs.Campo(QLatin1String(columna)));
    }
    QString resuelve(QString archivo) { return ObtieneArchivoReporte(archivo, plano, &avisados); }

    void llena(const Recordset& rs, QString& resultado, ArchivosReporte* lista, bool repiteVacios)
    {
        g.paso([&] { resultado = resuelve(archivo(rs, "Archivo")); });
        if (!lista)
            return;
        static const char* const columnas[] = {"Archivo", "Archivo2", "Archivo3", "Archivo4"};
        for (int i = 0; i < 4; ++i)
            g.paso([&] {
                if (i == 0 && repiteVacios) {
                    (*lista)[0] = resultado;
                    return;
                }
                const QString valor = archivo(rs, columnas[i]);
                (*lista)[i] = repiteVacios && valor.isEmpty() ? (*lista)[i - 1] : resuelve(valor);
            });
    }
};

// The folder of the electronic forms of the voucher's point of sale, else
// the configured one; empty when neither is set.
QString carpetaFormulariosElectronicos(GuardaErrores& g, const QString& comprobante)
{
    ConexionDatos& cn = ConexionPrincipal();
    QString carpeta;
    if (!comprobante.trimmed().isEmpty()) {
        std::unique_ptr<Recordset> rs;
        g.paso([&] {
            rs = cn.AbreRecordset(QStringLiteral("SELECT * FROM V_TA_UNIDADNEGOCIO WHERE LTRIM(PDV)=")
                                  + cn.FormatoLiteral(comprobante.trimmed().left(4).trimmed()));
        });
        g.paso([&] {
            if (!rs || rs->EOF())
                return;
            const QString usa = ObjUtilidades().ValorCampo(rs->Campo(QStringLiteral("usaefc"))).trimmed();
            const QString ruta = ObjUtilidades().ValorCampo(rs->Campo(QStringLiteral("ruta_reporte"))).trimmed();
            if ((usa == u"1" || igual(usa, QStringLiteral("Verdadero"))) && !ruta.isEmpty())
                carpeta = ruta;
        });
        cn.CierraRecordset(rs);
    }
    if (carpeta.isEmpty())
        g.paso([&] { carpeta = Cfg(QStringLiteral("RUTA_FORMULARIOS_EFACTURA")).trimmed(); });
    return carpeta;
}

}  // namespace

QString CarpetaReportes()
{
    return ObjUtilidades().AgregaBarra(CarpetaDelPrograma());
}

QString NombreReporte(QString& Nombre, const QString& Estacion, ArchivosReporte* Archivos, const QString& Comprobante)
{
    ConexionDatos& cn = ConexionPrincipal();
    GuardaErrores g(politicas::dialogo(
        [](const Err& e) { return int(MuestraError(e, std::nullopt, QStringLiteral("NombreReporte$"))); }));
    QString resultado;

    const qsizetype guion = Nombre.indexOf(u'-');
    const QString tipo = guion < 0 ? QString() : Nombre.left(guion);
    bool electronico = false;
    g.paso([&] {
        electronico = cn.Existe(QStringLiteral("V_MV_CPTE_ELECTRONICOS"), tipo, QStringLiteral("TC"),
                                QStringLiteral(" TC=") + cn.FormatoLiteral(tipo) + QStringLiteral(" AND IDCOMPROBANTE=")
                                    + cn.FormatoLiteral(Comprobante.trimmed()));
    });

    const QString plano = Nombre;
    if (Estacion.trimmed().isEmpty())
        Nombre = ClaveEstacion() + u'|' + Nombre;

    const auto consulta = [&](const QString& nombre) {
        return QStringLiteral("SELECT * FROM TA_REPORTES  with(nolock)  WHERE NOMBRE = ")
               + cn.FormatoLiteral(nombre.trimmed());
    };
    LecturaNombre lectura{g, plano, {}};
    std::unique_ptr<Recordset> rs;
    bool encontrado = false;
    g.paso([&] { rs = cn.AbreRecordset(consulta(Nombre)); });
    if (rs && !rs->EOF()) {
        lectura.llena(*rs, resultado, Archivos, false);
        encontrado = true;
    } else {
        g.paso([&] { rs = cn.AbreRecordset(consulta(plano)); });
        if (rs && !rs->EOF()) {
            lectura.llena(*rs, resultado, Archivos, true);
            encontrado = true;
        } else if (igual(plano, QStringLiteral("LiqOpg"))) {
            g.paso([&] {
                rs = cn.AbreRecordset(QStringLiteral(
                    "SELECT * FROM TA_REPORTES  with(nolock)  WHERE NOMBRE = 'OPG-X' OR NOMBRE = 'PG-X' "));
            });
            if (rs && !rs->EOF()) {
                lectura.llena(*rs, resultado, Archivos, false);
                encontrado = true;
            }
        }
    }
    cn.CierraRecordset(rs);
    if (g.salio())
        return resultado;
    if (!encontrado) {
        g.paso([&] { resultado = lectura.resuelve(QString()); });
        if (Archivos)
            for (QString& archivo : *Archivos)
                g.paso([&] { archivo = lectura.resuelve(QString()); });
    }

    if (electronico) {
        const QString carpeta = carpetaFormulariosElectronicos(g, Comprobante);
        if (!carpeta.isEmpty())
            g.paso([&] {
                resultado =
                    lectura.resuelve(ObjUtilidades().AgregaBarra(carpeta) + u'e' + plano + QStringLiteral(".RPT"));
                if (Archivos)
                    Archivos->fill(resultado);
            });
    }
    return resultado;
}

QString ObtieneArchivoReporte(QString& Archivo, const QString& Nombre, AvisosReporte* avisados)
{
    GuardaErrores g(politicas::reanudaTodo());
    const QString carpeta = CarpetaReportes();
    if (Archivo.isEmpty()) {
        g.paso([&] {
            Archivo = carpeta + Nombre + QStringLiteral(".rpt");
            if (!existe(Archivo))
                Archivo = formularioCorto(Nombre);
        });
        g.paso([&] {
            if (Archivo.isEmpty())
                Archivo = formularioCompras(Nombre.section(u'-', 0, 0));
        });
    }
    g.paso([&] {
        if (Archivo.trimmed().right(4).compare(QLatin1String(".RPT"), Qt::CaseInsensitive) != 0)
            Archivo = carpeta + Archivo + QStringLiteral(".rpt");
        else if (QFileInfo(Archivo).isRelative())
            // The program does not run from its own folder here: a relative
            // file is the report folder's.
            Archivo = carpeta + Archivo;
    });
    g.paso([&] {
        const QString real = ArchivoSinMayusculas(Archivo);
        if (!real.isEmpty()) {
            Archivo = real;
            return;
        }
        if (!avisados || !avisados->contains(Archivo)) {
            if (avisados)
                avisados->insert(Archivo);
            dialogos().MsgBox(QStringLiteral("No se encuentra el Archivo ") + Archivo + QStringLiteral(" (") + Nombre
                                  + u')' + QStringLiteral(" por favor verifique la configuración de Reportes") + u'\n'
                                  + QStringLiteral(" Se tomara en su lugar el formulario ") + carpeta + Nombre
                                  + QStringLiteral(".rpt"),
                              Botones::IconoCritico, QStringLiteral("Aviso al Operador"));
        }
        const QString propio = carpeta + Nombre + QStringLiteral(".rpt");
        const QString propioReal = ArchivoSinMayusculas(propio);
        Archivo = propioReal.isEmpty() ? propio : propioReal;
    });
    return Archivo;
}
