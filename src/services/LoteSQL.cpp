#include "services/LoteSQL.h"

#include "platform/base/GuardaErrores.h"
#include "platform/data/NumeroNativo.h"
#include "platform/dialogs/Dialogos.h"
#include "services/MuestraError.h"
#include "services/Objetos.h"

#include <QDateTime>

#include <memory>
#include <vector>

namespace {

const QChar CR = u'\r';

QString TextoLote(const QStringList& sentencias, bool& hayAlguna)
{
    QString lote = QStringLiteral("BEGIN TRANSACTION ") + CR + CR;
    hayAlguna = false;
    for (const QString& s : sentencias) {
        if (s.trimmed().isEmpty())
            continue;
        lote += CR + s;
        hayAlguna = true;
    }
    return lote + CR;
}

// What the server left in the connection, or, when a statement failed without
// leaving anything there, the run-time error itself; the collection is then
// cleared for the next statement.
std::vector<ErrorDatos> ErroresRecogidos(ConexionDatos& conexion, const GuardaErrores& guarda, bool fallo)
{
    ErroresDatos& errores = conexion.Conexion().Errors();
    std::vector<ErrorDatos> recogidos;
    for (int i = 0; i < errores.Count(); ++i)
        recogidos.push_back(errores.Item(i));
    if (recogidos.empty() && fallo && guarda.huboError()) {
        const Err& e = guarda.ultimoError();
        recogidos.push_back({e.Number, e.Number, e.Description, QString()});
    }
    errores.Clear();
    return recogidos;
}

// Rolls back, keeps the AUX_ERR row and tells the operator, as every failed
// batch does; returns the number of the first error.
int32_t ReportaFallo(const std::vector<ErrorDatos>& recogidos, const QString& textoLote, bool silencio2627,
                     bool silencio547, QString& mensaje, bool mostrarMensaje)
{
    const int32_t numero = int32_t(recogidos.front().NativeError);
    QString texto = TextoErroresServidor(recogidos);
    mensaje = texto;
    if ((silencio2627 && numero == NumeroNativo::ClaveDuplicada)
        || (silencio547 && numero == NumeroNativo::Restriccion)) {
        mensaje = recogidos.front().Description;
        texto.clear();
    }

    ConexionDatos& conexion = ConexionPrincipal();
    GuardaErrores silencio(politicas::reanudaTodo());
    silencio.paso([&] { conexion.Ejecuta(QStringLiteral("ROLLBACK TRANSACTION")); });
    conexion.Conexion().Errors().Clear();

    GrabaErrorSQL(textoLote, ObjSistema().NombreEjecutable(), numero, texto);
    if (!texto.trimmed().isEmpty() && mostrarMensaje)
        dialogos().MsgBox(texto, Botones::SoloAceptar + Botones::IconoCritico, QStringLiteral("Aviso al Operador!"));
    return numero;
}

}

QString TextoErroresServidor(const std::vector<ErrorDatos>& errores)
{
    // With several items the last one is the server's closing notice, not news.
    const size_t reportados = errores.size() <= 1 ? errores.size() : errores.size() - 1;
    QString texto;
    for (size_t i = 0; i < reportados; ++i) {
        const ErrorDatos& e = errores[i];
        texto += QString::number(e.NativeError) + QStringLiteral(" : ") + e.Description + QStringLiteral("\r\n");
    }
    return texto;
}

void GActualizarDatoScript(const QStringList& sentencias, bool& hayError, int32_t& numeroError, bool silencio2627,
                           bool silencio547, QString& textoLote, QString& mensaje, bool mostrarMensaje)
{
    hayError = false;
    bool hayAlguna = false;
    const QString lote = TextoLote(sentencias, hayAlguna);
    if (!hayAlguna)
        return;
    textoLote = lote;

    ConexionDatos& conexion = ConexionPrincipal();
    GuardaErrores silencio(politicas::reanudaTodo());
    bool ejecutado = false;
    silencio.paso([&] {
        conexion.Ejecuta(lote);
        ejecutado = true;
    });
    std::vector<ErrorDatos> recogidos = ErroresRecogidos(conexion, silencio, !ejecutado);

    if (recogidos.empty()) {
        GuardaErrores trampa(politicas::dialogo(
            [](const Err& e) { return MuestraError(e, std::nullopt, QStringLiteral("GActualizarDatoScript")); }));
        bool confirmado = false;
        trampa.paso([&] {
            conexion.Ejecuta(QStringLiteral("COMMIT TRANSACTION"));
            confirmado = true;
        });
        // A transaction that did not commit did not happen: never report it as done.
        if (!confirmado)
            recogidos = ErroresRecogidos(conexion, trampa, true);
    }

    int32_t numero = 0;
    if (!recogidos.empty()) {
        hayError = true;
        numero = ReportaFallo(recogidos, lote, silencio2627, silencio547, mensaje, mostrarMensaje);
    }
    numeroError = numero;
}

void GrabaErrorSQL(const QString& sql, const QString& proceso, int32_t numeroError, const QString& descripcion)
{
    ConexionDatos& conexion = ConexionPrincipal();
    GuardaErrores g(politicas::reanudaTodo());
    std::unique_ptr<Recordset> rs;
    auto registro = [&rs]() -> Recordset& {
        if (!rs)
            throw Err(NumeroError::ObjetoNoEstablecido);
        return *rs;
    };
    const QDateTime ahora = QDateTime::currentDateTime();
    // The row keeps the minute, as its date format does.
    const QDateTime alMinuto(ahora.date(), QTime(ahora.time().hour(), ahora.time().minute()));

    g.paso([&] { rs = conexion.AbreRecordset(QStringLiteral("select  top 1 * from AUX_ERR  with(nolock) "), 2, 3); });
    g.paso([&] { registro().AddNew(); });
    g.paso([&] { registro().AsignaCampo(QStringLiteral("Proceso"), proceso); });
    g.paso([&] { registro().AsignaCampo(QStringLiteral("Fecha"), alMinuto); });
    g.paso([&] { registro().AsignaCampo(QStringLiteral("Error"), numeroError); });
    g.paso([&] { registro().AsignaCampo(QStringLiteral("Descripcion"), ObjUtilidades().AjustaTexto(descripcion, 250)); });
    g.paso([&] { registro().AsignaCampo(QStringLiteral("SQL"), sql); });
    g.paso([&] { registro().AsignaCampo(QStringLiteral("PC"), ObjSistema().NombreMaquina()); });
    g.paso([&] { registro().AsignaCampo(QStringLiteral("Usuario"), conexion.Usuario()); });
    g.paso([&] { registro().Update(); });
    g.paso([&] { conexion.CierraRecordset(rs); });
}

QString FormatoFechaHora()
{
    return FormatoFecha() + QStringLiteral(" ") + FormatoHora();
}

QString FormatoFecha()
{
    return QStringLiteral("dd/mm/yy");
}

QString FormatoHora()
{
    return QStringLiteral("hh:mm");
}
