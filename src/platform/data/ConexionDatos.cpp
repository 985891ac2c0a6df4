#include "platform/data/ConexionDatos.h"

#include "platform/data/MotorDatos.h"
#include "platform/data/PrefijoAdmin.h"
#include "platform/dialogs/RegistroErrores.h"

namespace {

bool esSqlite(const QString& servidor)
{
    return servidor.trimmed().compare(QLatin1String("sqlite"), Qt::CaseInsensitive) == 0;
}

QString textoDeNumero(const QVariant& v)
{
    if (v.typeId() == QMetaType::Double || v.typeId() == QMetaType::Float)
        return QString::number(v.toDouble(), 'g', QLocale::FloatingPointShortest);
    return QString::number(v.toLongLong());
}

bool esNumero(const QVariant& v)
{
    switch (v.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
        return true;
    default:
        return false;
    }
}

// The statement of a single-value lookup, for BuscaValor and its prepared form.
QString textoBuscaValor(const QString& tabla, const QString& columnaResultado, const QString& condicion)
{
    return QStringLiteral("SELECT ") + columnaResultado + QStringLiteral(" FROM ") + tabla + QStringLiteral(" WHERE ")
           + condicion;
}

// A number typed by the operator: "." or a lone "," as decimal point.
QString numeroDeTexto(const QString& texto)
{
    QString t = texto.trimmed();
    if (t.isEmpty())
        return QStringLiteral("0");
    if (t.count(u',') == 1 && !t.contains(u'.'))
        t.replace(u',', u'.');
    bool ok = false;
    const double d = t.toDouble(&ok);
    if (!ok)
        throw Err(NumeroError::TiposNoCoinciden);
    const qlonglong entero = t.toLongLong(&ok);
    return ok ? QString::number(entero) : QString::number(d, 'g', QLocale::FloatingPointShortest);
}

}  // namespace

MotorDatos& ConexionAdo::abierto() const
{
    if (!motor_)
        throw Err(NumeroError::ObjetoCerrado);
    return *motor_;
}

void ConexionAdo::setCommandTimeout(int segundos)
{
    commandTimeout_ = segundos;
    if (motor_)
        motor_->fijaTiempoEspera(segundos);
}

long ConexionAdo::IsolationLevel() const
{
    return motor_ ? isolationLevelEfectivo_ : isolationLevel_;
}

void ConexionAdo::setIsolationLevel(long nivel)
{
    isolationLevel_ = nivel;
    if (motor_)
        isolationLevelEfectivo_ = motor_->fijaAislamiento(nivel);
}

void ConexionAdo::setDefaultDatabase(const QString& base)
{
    abierto().fijaBaseDefecto(base);
    defaultDatabase_ = base;
}

void ConexionAdo::Close()
{
    abierto();
    duenio_->setEstaConectado(false);
}

void ConexionAdo::Execute(const QString& sql, long* registrosAfectados)
{
    // Cleared first, so a closed connection never leaves an older error to
    // pass for this statement's.
    errores_.Clear();
    MotorDatos& motor = abierto();
    if (registrosAfectados)
        *registrosAfectados = 0;
    motor.ejecuta(AplicaPrefijoAdmin(sql), registrosAfectados, errores_);
}

ConexionDatos::ConexionDatos()
{
    ado_.duenio_ = this;
}

ConexionDatos::~ConexionDatos() = default;

bool ConexionDatos::EstaConectado() const
{
    return abierto_ != nullptr;
}

void ConexionDatos::setEstaConectado(bool conectado)
{
    if (conectado) {
        if (!abierto_)
            Conecta(false, 3, QString(), false, false);
        return;
    }
    ado_.motor_ = nullptr;
    abierto_.reset();
}

QString ConexionDatos::ObtieneMotor() const
{
    return abierto_ ? abierto_->nombre() : motor_;
}

QString ConexionDatos::Proveedor() const
{
    return abierto_ ? abierto_->proveedor() : QString();
}

void ConexionDatos::Conecta(bool, int, const QString& cadenaConexion, bool, bool)
{
    setEstaConectado(false);
    errorConexion_.clear();
    const DatosConexion datos{servidor_,        baseDatos_,    usuario_,           password_, cadenaConexion.trimmed(),
                              carpetaServidor_, tablaExigida_, ado_.commandTimeout_};
    abierto_ = esSqlite(servidor_) ? conectaSqlite(datos, errorConexion_) : conectaOdbc(datos, errorConexion_);
    if (!abierto_)
        return;
    ado_.motor_ = abierto_.get();
    ado_.errores_.Clear();
    ado_.isolationLevelEfectivo_ = abierto_->fijaAislamiento(ado_.isolationLevel_);
    ado_.defaultDatabase_ = baseDatos_;
    if (!abierto_->carpetaServidor().isEmpty())
        carpetaServidor_ = abierto_->carpetaServidor();
}

std::unique_ptr<Recordset> ConexionDatos::AbreRecordset(const QString& sql, int, int tipoBloqueo)
{
    ado_.errores_.Clear();
    MotorDatos& motor = ado_.abierto();
    // Lock 1 is read-only; every other lock type writes.
    return motor.abre(AplicaPrefijoAdmin(sql), tipoBloqueo != 1, ado_.errores_);
}

void ConexionDatos::CierraRecordset(std::unique_ptr<Recordset>& rs)
{
    if (rs && rs->abierto())
        rs->Close();
    rs.reset();
}

void ConexionDatos::Ejecuta(const QString& sql, long* registrosAfectados)
{
    ado_.Execute(sql, registrosAfectados);
}

void ConexionDatos::EjecutaDejandoErrores(const QString& sql)
{
    try {
        Ejecuta(sql);
    } catch (const Err&) {
        if (ado_.errores_.Count() == 0)
            throw;
    }
}

QVariant ConexionDatos::BuscaValor(const QString& tabla, const QVariant& valorClave,
                                   const QString& columnaResultado, const QString& columnaClave)
{
    const QString condicion = valorClave.isNull() ? columnaClave + QStringLiteral(" IS NULL")
                                                  : columnaClave + QStringLiteral(" = ") + FormatoLiteral(valorClave);
    auto rs = AbreRecordset(textoBuscaValor(tabla, columnaResultado, condicion));
    const QVariant valor = rs->EOF() ? QVariant() : rs->Campo(0);
    CierraRecordset(rs);
    return valor;
}

std::unique_ptr<ConsultaPreparada> ConexionDatos::PreparaConsulta(const QString& sql)
{
    ado_.errores_.Clear();
    const QString texto = AplicaPrefijoAdmin(sql);
    std::unique_ptr<ConsultaPreparada> nativa = ado_.abierto().prepara(texto, ado_.errores_);
    return nativa ? std::move(nativa) : ConsultaPorTexto(*this, texto);
}

std::unique_ptr<ConsultaPreparada> ConexionDatos::PreparaBuscaValor(const QString& tabla,
                                                                    const QString& columnaResultado,
                                                                    const QString& columnaClave)
{
    return PreparaConsulta(textoBuscaValor(tabla, columnaResultado, columnaClave + QStringLiteral(" = ?")));
}

bool ConexionDatos::Existe(const QString& tabla, const QVariant& valor, const QString& columna,
                           const QString& condicionExtra, std::unique_ptr<Recordset>* filas)
{
    QString sql = QStringLiteral("SELECT * FROM ") + tabla + QStringLiteral(" WHERE ")
                  + (valor.isNull() ? columna + QStringLiteral(" IS NULL")
                                    : columna + QStringLiteral(" = ") + FormatoLiteral(valor));
    if (!condicionExtra.trimmed().isEmpty())
        sql += QStringLiteral(" AND (") + condicionExtra + u')';
    auto rs = AbreRecordset(sql);
    const bool hay = !rs->EOF();
    if (filas)
        *filas = std::move(rs);
    else
        CierraRecordset(rs);
    return hay;
}

QString ConexionDatos::FormatoLiteral(const QVariant& valor, const QString& tipo) const
{
    if (!valor.isValid() || valor.isNull())
        return QStringLiteral("NULL");
    switch (valor.typeId()) {
    case QMetaType::QDateTime:
        return LiteralFecha(valor.toDateTime());
    case QMetaType::QDate:
        return LiteralFecha(valor.toDate().startOfDay());
    case QMetaType::Bool:
        return valor.toBool() ? QStringLiteral("1") : QStringLiteral("0");
    default:
        break;
    }
    if (tipo == u"@")
        return esNumero(valor) ? textoDeNumero(valor) : numeroDeTexto(valor.toString());
    const QString texto = esNumero(valor) ? textoDeNumero(valor) : valor.toString();
    // Built in place: the print data quotes several values for every row.
    QString literal;
    literal.reserve(texto.size() + 2);
    literal += u'\'';
    literal += QString(texto).replace(u'\'', QStringLiteral("''"));
    literal += u'\'';
    return literal;
}

QString ConexionDatos::LiteralFecha(const QDateTime& fecha) const
{
    if (abierto_)
        return abierto_->literalFecha(fecha);
    const QString formato = esSqlite(servidor_) ? QStringLiteral("yyyy-MM-dd HH:mm:ss")
                                                : QStringLiteral("yyyyMMdd HH:mm:ss");
    return u'\'' + fecha.toString(formato) + u'\'';
}

int ConexionDatos::MuestraErrorDatos(const Err& e, int botones, const QString& rutina)
{
    return MuestraYRegistraError(e, botones, rutina);
}
