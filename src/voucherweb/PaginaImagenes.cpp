#include "services/Configuracion.h"
#include "services/Objetos.h"
#include "voucherweb/ArchivoImagen.h"
#include "voucherweb/SeccionesPagina.h"
#include "voucherweb/TextoPagina.h"

// The scanned images of the voucher, from the register of scans: one line
// per image that is still filed (withdrawn scans are not shown).

void EscribeImagenes(ContextoPagina& c, const std::function<QString(const QString& url)>& linea)
{
    const Comprobante& v = c.cpte;
    const Utilidades& u = ObjUtilidades();
    const QString clave = u.AjustaTexto(v.TC, 4) + v.IdComprobante();
    const QString cuenta = v.EsVenta ? QString() : QStringLiteral("CUENTA=") + c.Literal(v.Cuenta) + QStringLiteral(" AND ");
    const std::unique_ptr<Recordset> rs =
        c.Abre(QStringLiteral("SELECT * FROM CTROL_ESCANEO WHERE ") + cuenta + QStringLiteral("CPTE=") + c.Literal(clave)
               + QStringLiteral(" AND (Eliminado = 0 OR ELIMINADO IS NULL)"));
    QString carpetaEscaneo;
    bool carpetaLeida = false;
    for (; !rs->EOF(); rs->MoveNext()) {
        const QString ruta = u.ValorCampo(rs->Campo(QStringLiteral("RutaArchivo")));
        if (ruta.trimmed().isEmpty() && !carpetaLeida) {
            QString aux;
            carpetaEscaneo = Cfg(QStringLiteral("Ruta_Escaneo"), aux);
            carpetaLeida = true;
        }
        c.pagina.Linea(linea(UrlArchivo(ArchivoDeImagen(ruta, u.ValorCampo(rs->Campo(QStringLiteral("NombreArchivo"))),
                                                         carpetaEscaneo))));
    }
}
