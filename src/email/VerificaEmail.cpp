#include "email/FrmEnviar.h"

#include "email/ContactosCorreo.h"
#include "email/ExportarArchivo.h"
#include "email/PiePagina.h"
#include "email/PreparaCorreo.h"
#include "email/ReglaEmail.h"
#include "platform/base/Conversiones.h"
#include "platform/base/GuardaErrores.h"
#include "printing/ArchivosReporte.h"
#include "printing/AuxiliarComprobantes.h"
#include "printing/ImprimirComprobante.h"
#include "receipts/AuxiliarRecibos.h"
#include "services/Configuracion.h"
#include "services/Modulo.h"
#include "services/Objetos.h"

#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>

// The automatic mailing: the rule, the document's print data and report
// exported into the work folder, the window filled and the send.

namespace {

// How the preparation ended.
enum class Preparado { Enviar, SoloPantalla, SinAdjunto, Abandonado };

class EnvioAutomatico {
public:
    EnvioAutomatico(FrmEnviar& frm, QString& cuenta, QString& tc, QVariant& id, bool porPantalla, bool forzar)
        : frm_(frm),
          Cuenta(cuenta),
          TC(tc),
          IdComprobante(id),
          PorPantalla(porPantalla),
          ForzarEnvio(forzar),
          g_(politicas::dialogo(
              [](const Err& e) { return ObjUtilidades().MuestraErrorObjeto(e, 18, QStringLiteral("Aceptar")); }))
    {
    }

    GuardaErrores& guarda() { return g_; }
    bool SinConfirmacion = false;
    ReglaEmail Regla;

    Preparado Prepara();
    void Envia();

private:
    QString id() const { return IdComprobante.toString(); }
    void ImprimeCierre();
    void GeneraRecibo(const QString& cuenta);
    // Both prints of the document and the attachment they leave; false when
    // there is nothing to attach.
    bool CicloImpresion(const QString& opcion);
    void Imprime(const QString& opcion);
    void BorraHtml();

    FrmEnviar& frm_;
    QString& Cuenta;
    QString& TC;
    QVariant& IdComprobante;
    const bool PorPantalla;
    const bool ForzarEnvio;
    GuardaErrores g_;

    QString CarpetaEnvios;
    QString ArchivoHtml;
    QString Adjunto;
    QString FormulaSeleccion;
    QStringList Formulas{QString()};
    QStringList CamposOrden{QString()};
};

Preparado EnvioAutomatico::Prepara()
{
    Reporte& reporte = ObjReporte();
    if (Cuenta.trimmed().isEmpty())
        Cuenta = id();
    g_.paso([&] { CarpetaEnvios = CreaCarpetaEnvios(QDateTime::currentDateTime()); });
    // Going on without the folder would write the exports wherever an empty
    // path lands.
    if (CarpetaEnvios.isEmpty())
        return Preparado::Abandonado;
    g_.paso([&] {
        ArchivoHtml = ObjUtilidades().AgregaBarra(CarpetaEnvios) + Cuenta + QStringLiteral(".htm");
        reporte.Parametro(QStringLiteral("PrintFileName"), ArchivoHtml);
        reporte.Parametro(QStringLiteral("PrintFileType"), QStringLiteral("22"));
    });
    reporte.setDestino(PorPantalla ? reporte.DestinoPantalla() : reporte.DestinoArchivo());

    const auto esTipo = [&](const QStringList& tipos) { return tipos.contains(TC, Qt::CaseInsensitive); };
    if (esTipo({"FCC", "NCC", "NDC", "RMC", "FPC", "NCCP"}))
        FormulaSeleccion = QStringLiteral("{C_MV_CPTE.CUENTA}= '") + Cuenta.trimmed() + u'\'';

    bool conAdjunto = true;
    if (esTipo({"@CJA"})) {
        ImprimeCierre();
    } else if (esTipo({"CB", "CBCT", "CBFP"})) {
        GeneraRecibo(QString());
        conAdjunto = CicloImpresion(QString());
    } else if (esTipo({"PG", "PGFP", "OPG", "IBR", "IVA", "GAN"})) {
        GeneraRecibo(Cuenta);
        conAdjunto = CicloImpresion(QString());
    } else {
        g_.paso([&] {
            const QString n = id();
            GeneraAuxiliarComprobantes(TC, n.mid(0, 4), n.mid(4, 8), n.mid(12, 1), QStringLiteral("0"), 3, {}, {},
                                       {}, {}, {}, {}, {});
        });
        conAdjunto = CicloImpresion(QStringLiteral("Todos"));
    }
    if (g_.salio())
        return Preparado::Abandonado;
    if (PorPantalla)
        return Preparado::SoloPantalla;
    if (!conAdjunto) {
        BorraHtml();
        return Preparado::SinAdjunto;
    }

    g_.paso([&] {
        frm_.Carga();
        QString pie;
        GeneraPiePagina(pie);
        frm_.MuestraWebBrowser1(pie);
        frm_.update();
    });
    return g_.salio() ? Preparado::Abandonado : Preparado::Enviar;
}

void EnvioAutomatico::ImprimeCierre()
{
    g_.paso([&] {
        Reporte& reporte = ObjReporte();
        const QString formula = QStringLiteral("empresa = '") + Cfg(QStringLiteral("NOMBRE")) + u'\'';
        FormulaSeleccion = QStringLiteral("{V_MV_CIERRECAJA.IDCIERRE}= ") + id().trimmed();
        QString nombre = QStringLiteral("RP_CIERRECAJA");
        const QString archivo = NombreReporte(nombre, QString(), nullptr, QString());
        reporte.Imprime(archivo, CamposOrden, FormulaSeleccion, Modulo().CadenaConexionReporte, formula, QString(),
                        QString(), QString(), QString(), QStringLiteral("rp_cierrecajasr"),
                        QStringLiteral("rp_cierrecajasrc"), QString());
    });
}

void EnvioAutomatico::GeneraRecibo(const QString& cuenta)
{
    g_.paso([&] {
        const int32_t copias = CLng(ObjUtilidades().TextoANumero(Cfg(QStringLiteral("CobranzasCopiasPorPagina"))));
        const int32_t items = CLng(ObjUtilidades().TextoANumero(Cfg(QStringLiteral("CobranzasItems"))));
        const QString n = id();
        GeneraAuxiliarRecibo_PagoCobranza(TC, n.mid(0, 4), n.mid(4, 8), n.mid(12, 1), cuenta, Formulas, copias,
                                          items);
    });
}

bool EnvioAutomatico::CicloImpresion(const QString& opcion)
{
    Reporte& reporte = ObjReporte();
    Imprime(opcion);
    g_.paso([&] {
        const QString formato = FormatoExportacion();
        Adjunto = ObjUtilidades().AgregaBarra(CarpetaEnvios) + Cuenta + QStringLiteral("1.") + formato;
        // One left by a mailing earlier in the same second is not this one's.
        QFile::remove(Adjunto);
        reporte.Parametro(QStringLiteral("PrintFileName"), Adjunto);
        reporte.Parametro(QStringLiteral("PrintFileType"), qint32(CodigoFormatoAdjunto(formato)));
    });
    Imprime(opcion);
    // The screen writes no file to convert.
    if (PorPantalla)
        return false;
    bool convertido = true;
    g_.paso([&] {
        const QString formato = FormatoAdjuntoConfigurado();
        if (CodigoFormatoAdjunto(formato) != 31)
            return;
        const QString pdf = ObjUtilidades().AgregaBarra(CarpetaEnvios) + Cuenta + QStringLiteral("1.") + formato;
        convertido = ExportarArchivo(Adjunto, pdf, 31);
        Adjunto = pdf;
    });
    return convertido && QFileInfo(Adjunto).isFile();
}

void EnvioAutomatico::Imprime(const QString& opcion)
{
    // Each print starts from the mailing's own selection and sort, so both
    // select the same rows.
    g_.paso([&] {
        QStringList orden = CamposOrden;
        QString seleccion = FormulaSeleccion;
        int destino = ObjReporte().Destino();
        bool esContable = false;
        ImprimirComprobante(TC, id(), QStringLiteral("0"), TC, orden, seleccion, Formulas, destino, false, QString(),
                            opcion, esContable, true);
    });
}

void EnvioAutomatico::Envia()
{
    Utilidades& u = ObjUtilidades();
    QString pie;
    g_.paso([&] { GeneraPiePagina(pie); });
    g_.paso([&] {
        frm_.MostrarAntes = !SinConfirmacion;
        frm_.ArchivoWeb = pie;
        frm_.TC = TC;
        frm_.IdComprobante = id();
        frm_.Cuenta = Cuenta;
        frm_.Carga();
        frm_.txtAttach->setText(Adjunto);
    });
    if (ForzarEnvio)
        g_.paso([&] {
            frm_.Campo(QStringLiteral("Mensaje"))->clear();
            frm_.TxtComen->clear();
        });
    g_.paso([&] { frm_.Campo(QStringLiteral("De"))->setText(u.ValorCampo(Regla.De)); });
    g_.paso([&] {
        QString para = ObtieneMailsCuenta(TC, Cuenta);
        if (para.trimmed().isEmpty())
            para = u.ValorCampo(Regla.Para);
        frm_.Campo(QStringLiteral("Para"))->setText(para);
    });
    g_.paso([&] {
        frm_.Campo(QStringLiteral("Asunto"))
            ->setText(u.ValorCampo(Regla.Asunto) + u'(' + TC + u' ' + id() + u')');
    });
    g_.paso([&] {
        const QString mensaje = u.ValorCampo(Regla.Mensaje);
        frm_.Campo(QStringLiteral("Mensaje"))->setText(mensaje);
        frm_.TxtComen->setPlainText(mensaje);
    });
    frm_.MostrarAntes = false;
    g_.paso([&] {
        if (SinConfirmacion) {
            frm_.cmdSend_Click();
            frm_.cmdExit_Click();
        } else {
            frm_.MostrarAntes = true;
            frm_.MuestraModal();
        }
    });
    if (!g_.salio())
        BorraHtml();
}

void EnvioAutomatico::BorraHtml()
{
    // An export the report object never wrote is nothing to delete.
    QFile::remove(ArchivoHtml);
}

}

void FrmEnviar::VerificaeMail(QString& Cuenta, QString& TC, QVariant& IdComprobante, bool& PorPantalla,
                              bool& ForzarEnvio)
{
    if (ForzarEnvio)
        PorPantalla = false;
    EnvioAutomatico envio(*this, Cuenta, TC, IdComprobante, PorPantalla, ForzarEnvio);
    GuardaErrores& g = envio.guarda();

    const auto preparaYEnvia = [&] {
        switch (envio.Prepara()) {
        case Preparado::Enviar:
            envio.Envia();
            return !g.salio();
        case Preparado::SinAdjunto:
            return true;
        case Preparado::SoloPantalla:
        case Preparado::Abandonado:
            break;
        }
        return false;
    };

    bool hayRegla = ForzarEnvio;
    if (ForzarEnvio)
        // No rule: the sender is the one the e-mail of the voucher on view
        // takes; the rest is the operator's.
        g.paso([&] { envio.Regla.De = RemitenteCorreo(); });
    else
        g.paso([&] {
            hayRegla = BuscaReglaEmail(TC, envio.Regla);
            if (hayRegla && !envio.Regla.SinConfirmacion.isNull())
                envio.SinConfirmacion = envio.Regla.SinConfirmacion.toBool();
        });
    if (g.salio() || (hayRegla && !preparaYEnvia()))
        return;
    Descarga();
}
