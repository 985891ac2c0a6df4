#include "services/ScriptSQL.h"

#include "platform/base/ArchivoSeguro.h"
#include "platform/base/Cp1252.h"
#include "platform/base/GuardaErrores.h"
#include "platform/data/NumeroNativo.h"
#include "platform/dialogs/Dialogos.h"
#include "platform/objects/Sistema.h"
#include "services/Configuracion.h"
#include "services/Modulo.h"
#include "services/MuestraError.h"
#include "services/Objetos.h"
#include "services/ProgresoScript.h"
#include "services/ServiciosArchivo.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>
#include <QRegularExpression>

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

namespace {

const QString CRLF = QStringLiteral("\r\n");
const QString Estrellas(112, u'*');
// The UTF-8 byte-order mark as the code page reads its three bytes.
const QString MarcaOrden = QStringLiteral("\u00EF\u00BB\u00BF");
const QString ClaveAcceso = QStringLiteral("KRIM@");
constexpr int MaximoPases = 20;
// Objects that are missing yet or already made: a re-run script meets them.
constexpr long Tolerados[] = {NumeroNativo::ObjetoInexistente,     NumeroNativo::ClavePrimariaExistente,
                              NumeroNativo::ValorPorDefectoExistente, NumeroNativo::IndiceExistente,
                              NumeroNativo::ObjetoExistente,       NumeroNativo::ProcedimientoExistente};

bool Tolerado(long nativo)
{
    return std::find(std::begin(Tolerados), std::end(Tolerados), nativo) != std::end(Tolerados);
}

void CedeAlBucle()
{
    QCoreApplication::processEvents();
}

QStringList LineasDe(const QByteArray& contenido)
{
    QStringList lineas = DeCp1252(contenido).split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
    if (!lineas.isEmpty() && lineas.last().isEmpty())
        lineas.removeLast();
    return lineas;
}

// A date as the data layer writes it into SQL, without its quotes, so no
// locale can swap day and month.
QString TextoFechaSQL(const ConexionDatos& conexion, const QDateTime& fecha)
{
    QString literal = conexion.LiteralFecha(fecha);
    if (literal.size() >= 2 && literal.startsWith(u'\'') && literal.endsWith(u'\''))
        literal = literal.mid(1, literal.size() - 2);
    return literal;
}

QString ReemplazaMarcadores(QString texto, const ConexionDatos& conexion)
{
    const QDate hoy = QDate::currentDate();
    const auto dia = [&](const QDate& d) { return TextoFechaSQL(conexion, QDateTime(d, QTime(0, 0))); };
    texto.replace(QStringLiteral("<DATE>"), dia(hoy));
    texto.replace(QStringLiteral("<NOW>"), TextoFechaSQL(conexion, QDateTime::currentDateTime()));
    texto.replace(QStringLiteral("<DATE+YEAR>"), dia(hoy.addYears(1)));
    texto.replace(QStringLiteral("<DATE-YEAR>"), dia(hoy.addYears(-1)));
    texto.replace(QStringLiteral("<DATABASE>"), conexion.BaseDatos().toUpper());
    return texto;
}

QString VistaCuentas(bool confidencial)
{
    // The confidential view shows each login only the accounts of its user group.
    const QStringList partes =
        confidencial ? QStringList{QStringLiteral("CREATE VIEW dbo.SS_MA_CUENTAS "), QStringLiteral(" AS "),
                                   QStringLiteral(" SELECT MA_CUENTAS.* "),
                                   QStringLiteral(" FROM MA_CUENTAS_USUARIOS INNER JOIN "),
                                   QStringLiteral(" MA_CUENTAS ON  "),
                                   QStringLiteral(" MA_CUENTAS_USUARIOS.Cuenta = MA_CUENTAS.CODIGO INNER  "),
                                   QStringLiteral(" Join TA_USUARIOS ON "),
                                   QStringLiteral(" MA_CUENTAS_USUARIOS.GrupoUser = TA_USUARIOS.Grupo  "),
                                   QStringLiteral(" Where (TA_USUARIOS.Nombre = SYSTEM_USER)")}
                     : QStringList{QStringLiteral("CREATE VIEW dbo.SS_MA_CUENTAS "), QStringLiteral(" AS "),
                                   QStringLiteral(" SELECT * "), QStringLiteral(" FROM MA_CUENTAS")};
    return partes.join(QString());
}

bool EsEliminacion(const QString& linea)
{
    return (linea.contains(QStringLiteral("drop table")) || linea.contains(QStringLiteral("truncate table"))) &&
           !linea.contains(QStringLiteral("TRUNCATE TABLE AC_VentasFormTStock")) &&
           !linea.contains(QStringLiteral("TRUNCATE TABLE MA_CUENTAS_SALDOS")) &&
           !linea.contains(QStringLiteral("DROP TABLE #TTEmp"));
}

class Corrida {
public:
    Corrida(const QString& archivo, QObject* ventana, const QString& filtro, bool& autorizado,
            EjecutaSentencia ejecuta)
        : archivo_(archivo), ventana_(ventana), filtro_(filtro), autorizado_(autorizado),
          conexion_(ConexionPrincipal()), ejecuta_(std::move(ejecuta))
    {
    }

    void corre(bool modoIfNotExists)
    {
        if (!prepara())
            return;
        const bool completa = modoIfNotExists ? leeIfNotExists() : leeOrdinario();
        if (!completa)
            return;
        if (!modoIfNotExists && !correPases())
            return;
        anunciaErrores();
    }

private:
    // Until the first batch of the first pass, a failure asks the operator;
    // from there on nothing may stop the run and failures are passed over.
    bool paso(const std::function<void()>& sentencia)
    {
        return ignorando_ ? sinTrampa_.paso(sentencia) : trampa_.paso(sentencia);
    }

    bool prepara()
    {
        paso([&] {
            const QTime t = QTime::currentTime();
            rutaLog_ = CarpetaTemporalSistema() + QStringLiteral("Script") + QString::number(t.hour()) +
                       QString::number(t.minute()) + QString::number(t.second()) + QStringLiteral(".TXT");
        });
        paso([&] {
            confidencial_ = archivo_.contains(QStringLiteral("VISTAS")) &&
                            Cfg(QStringLiteral("SS_Confidencialidad")) == QStringLiteral("SI");
        });
        paso([&] { AgregaAlArchivo(rutaLog_, QByteArray()); });
        bloques_ = QStringList{QString()};
        paso([&] { lineas_ = LineasDe(LeeArchivoCompleto(archivo_)); });
        return !trampa_.salio();
    }

    // The BOM prefix gone; nullopt for a comment line, never sent.
    static std::optional<QString> LineaUtil(QString linea)
    {
        if (linea.trimmed().startsWith(MarcaOrden))
            linea = linea.trimmed().mid(MarcaOrden.size());
        if (linea.trimmed().startsWith(QStringLiteral("--")))
            return std::nullopt;
        return linea;
    }

    // False when the operator does not give the access code: nothing of the
    // script has run then.
    bool admite(const QString& linea)
    {
        if (autorizado_ || !EsEliminacion(linea))
            return true;
        const QString clave = dialogos().InputBox(
            linea + CRLF + QStringLiteral("Ingresa la Clave para permitir ejecutar este comando.."),
            QStringLiteral("Atencion"), QString());
        if (clave == ClaveAcceso) {
            autorizado_ = true;
            return true;
        }
        dialogos().MsgBox(QStringLiteral("SE HA DETECTADO UN COMANDO DE ELIMINACION DE TABLA... NO ESTA PERMITIDO LA "
                                         "EJECUCION DE ESTOS COMANDOS...") +
                              CRLF + QStringLiteral("OPERACION ABORTADA!!!"),
                          Botones::IconoCritico, QStringLiteral("ATENCION!"));
        return false;
    }

    bool leeOrdinario()
    {
        for (const QString& original : std::as_const(lineas_)) {
            const auto linea = LineaUtil(original);
            if (!linea)
                continue;
            MuestraEstado(QStringLiteral("Analizando Script ") + QString::number(bloques_.size() - 1), ventana_);
            if (!admite(*linea))
                return false;
            const QString recortada = linea->trimmed();
            if (recortada == QStringLiteral("GO") || recortada == QStringLiteral("/"))
                bloques_ << QString();
            else if (!recortada.isEmpty())
                bloques_.last() += *linea + CRLF;
            CedeAlBucle();
        }
        return true;
    }

    bool leeIfNotExists()
    {
        QString& bloque = bloques_.last();
        bool primera = true;
        for (const QString& original : std::as_const(lineas_)) {
            const auto linea = LineaUtil(original);
            if (!linea)
                continue;
            MuestraEstado(QStringLiteral("Analizando Script 0"), ventana_);
            if (!admite(*linea))
                return false;
            const QString recortada = linea->trimmed();
            if (recortada.startsWith(QStringLiteral("go")))
                continue;
            if (linea->startsWith(QStringLiteral("IF NOT EXISTS")) && !primera) {
                if (!correBloqueIfNotExists(bloque))
                    return false;
                bloque = *linea + CRLF;
            } else if (!recortada.isEmpty()) {
                bloque += *linea + CRLF;
            }
            MuestraEstado(QStringLiteral("Ejecutando... ") + ObjUtilidades().AjustaTexto(*linea, 100), ventana_);
            primera = false;
            CedeAlBucle();
        }
        if (!bloque.trimmed().isEmpty()) {
            paso([&] { conexion_.EjecutaDejandoErrores(UnaLinea(bloque)); });
            if (trampa_.salio())
                return false;
            avisaPrimerError();
        }
        return true;
    }

    // Each line break becomes one blank, so words of two lines never fuse.
    static QString UnaLinea(const QString& bloque)
    {
        return QString(bloque).replace(CRLF, QStringLiteral(" "));
    }

    bool correBloqueIfNotExists(const QString& bloque)
    {
        if (bloque.trimmed().isEmpty())
            return true;
        paso([&] { conexion_.EjecutaDejandoErrores(UnaLinea(bloque)); });
        if (trampa_.salio())
            return false;
        ErroresDatos& errores = conexion_.Conexion().Errors();
        if (errores.Count() == 0)
            return true;
        if (mostrarErrores_) {
            const int respuesta = dialogos().MsgBox(
                QStringLiteral("Ocurrio el siguiente error ") + errores.Item(0).Description + CRLF +
                    QStringLiteral("- De continuar los errores, desea seguir visualizandolos?"),
                Botones::SiNo, QStringLiteral("Atencion"));
            if (respuesta == Resultado::No)
                mostrarErrores_ = false;
        }
        MuestraEstado(QStringLiteral("Ejecutando... ERROR"), ventana_);
        errores.Clear();
        return true;
    }

    void avisaPrimerError()
    {
        ErroresDatos& errores = conexion_.Conexion().Errors();
        if (errores.Count() == 0)
            return;
        dialogos().MsgBox(errores.Item(0).Description);
        errores.Clear();
    }

    bool correPases()
    {
        paso([&] { conexion_.EjecutaDejandoErrores(QStringLiteral("SET NOCOUNT ON")); });
        if (trampa_.salio())
            return false;
        avisaPrimerError();

        const bool archivoDeVistas =
            archivo_.contains(QStringLiteral("VISTAS")) || archivo_.contains(QStringLiteral("COMPLETO"));
        // A batch that ran without error never runs again.
        std::vector<bool> pendiente(size_t(bloques_.size()), true);
        for (int pase = 1; pase <= MaximoPases; ++pase) {
            bool repetir = false;
            for (qsizetype i = 0; i < bloques_.size(); ++i) {
                if (!pendiente[size_t(i)])
                    continue;
                QString texto;
                paso([&] { texto = ReemplazaMarcadores(bloques_[i], conexion_); });
                if (trampa_.salio())
                    return false;
                CedeAlBucle();
                if (!filtro_.isEmpty() && !texto.contains(filtro_)) {
                    pendiente[size_t(i)] = false;
                    continue;
                }
                if (archivoDeVistas && texto.contains(QStringLiteral("CREATE VIEW dbo.SS_MA_CUENTAS")))
                    texto = VistaCuentas(confidencial_);
                MuestraEstado(QStringLiteral("Ciclo: ") + QString::number(pase) + QStringLiteral("(") +
                                  QString::number(i) + QStringLiteral(" de ") + QString::number(bloques_.size() - 1) +
                                  QStringLiteral(")"),
                              ventana_);
                ignorando_ = true;
                // The statistics format waits for a second pass; drops never repeat.
                const bool espera = pase == 1 && texto.contains(QStringLiteral("FMT_ESTADISTICAFH"));
                const bool omite = pase > 1 && texto.contains(QStringLiteral("drop "));
                bool fallo = false;
                if (!espera && !omite && !texto.trimmed().isEmpty()) {
                    bool ejecutado = false;
                    paso([&] {
                        ejecuta_(conexion_, texto);
                        ejecutado = true;
                    });
                    fallo = !ejecutado;
                }
                pendiente[size_t(i)] = espera || fallo;
                revisaErrores(texto, repetir);
                CedeAlBucle();
            }
            if (!repetir)
                break;
        }
        return true;
    }

    void revisaErrores(const QString& texto, bool& repetir)
    {
        ErroresDatos& errores = conexion_.Conexion().Errors();
        if (errores.Count() > 0) {
            const ErrorDatos& primero = errores.Item(0);
            if (!Tolerado(primero.NativeError)) {
                registra(primero, texto);
                erroresRegistrados_ = true;
            }
            if (!repetir && primero.NativeError == NumeroNativo::ObjetoInexistente)
                repetir = true;
        }
        errores.Clear();
    }

    void registra(const ErrorDatos& error, const QString& texto)
    {
        const QLocale local;
        const QString entrada = Estrellas + CRLF + local.toString(QDate::currentDate(), QLocale::ShortFormat) +
                                QStringLiteral(" - ") + QTime::currentTime().toString(QStringLiteral("hh:mm:ss")) +
                                CRLF + QStringLiteral("  Error ") + QString::number(error.NativeError) +
                                QStringLiteral(" ") + error.Description + CRLF + Estrellas + CRLF + texto + CRLF +
                                Estrellas + CRLF;
        paso([&] { AgregaAlArchivo(rutaLog_, ACp1252(entrada)); });
    }

    void anunciaErrores()
    {
        if (!erroresRegistrados_ || Modulo().ParametroAdicional == QStringLiteral("Automatica"))
            return;
        dialogos().MsgBox(QStringLiteral("Se detectaron errores, consulte el archivo ") + rutaLog_);
        paso([&] { AbreArchivoAsociado(rutaLog_, true); });
    }

    const QString archivo_;
    QObject* const ventana_;
    const QString filtro_;
    bool& autorizado_;
    ConexionDatos& conexion_;
    const EjecutaSentencia ejecuta_;

    GuardaErrores trampa_{politicas::dialogo(
        [](const Err& e) { return MuestraError(e, std::nullopt, QStringLiteral("Ejecutar")); })};
    GuardaErrores sinTrampa_{politicas::reanudaTodo()};
    bool ignorando_ = false;

    QString rutaLog_;
    bool confidencial_ = false;
    QStringList lineas_;
    QStringList bloques_;
    bool mostrarErrores_ = true;
    bool erroresRegistrados_ = false;
};

}

void Ejecutar(const QString& ArchivoScript, QObject* Ventana, const QString& Filtro, bool& Autorizado,
              bool ModoIfNotExists)
{
    Ejecutar(ArchivoScript, Ventana, Filtro, Autorizado, ModoIfNotExists,
             [](ConexionDatos& conexion, const QString& sql) { conexion.Ejecuta(sql); });
}

void Ejecutar(const QString& ArchivoScript, QObject* Ventana, const QString& Filtro, bool& Autorizado,
              bool ModoIfNotExists, const EjecutaSentencia& ejecuta)
{
    if (ArchivoScript.isEmpty())
        return;
    Corrida(ArchivoScript, Ventana, Filtro, Autorizado, ejecuta).corre(ModoIfNotExists);
}
