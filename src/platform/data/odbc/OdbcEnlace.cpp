#include "platform/data/odbc/OdbcEnlace.h"

#include "platform/base/Err.h"
#include "platform/data/NivelAislamiento.h"
#include "platform/data/odbc/BibliotecaOdbc.h"

#include <QStringList>

namespace {

// ADO's own default: a login that hangs must not freeze the program.
constexpr SQLULEN segundosParaConectar = 15;

struct Nivel {
    long nivel;
    SQLULEN odbc;
};

// In increasing isolation; chaos, below them all, gets the first.
constexpr Nivel niveles[] = {
    {NivelAislamiento::LecturaSinConfirmar, SQL_TXN_READ_UNCOMMITTED},
    {NivelAislamiento::LecturaConfirmada, SQL_TXN_READ_COMMITTED},
    {NivelAislamiento::LecturaRepetible, SQL_TXN_REPEATABLE_READ},
    {NivelAislamiento::Serializable, SQL_TXN_SERIALIZABLE},
};

QString sinPrefijos(QString texto)
{
    while (texto.startsWith(QLatin1Char('['))) {
        const qsizetype cierre = texto.indexOf(QLatin1Char(']'));
        if (cierre < 0)
            break;
        texto.remove(0, cierre + 1);
    }
    return texto.trimmed();
}

}  // namespace

std::vector<ErrorDatos> diagnosticosOdbc(SQLSMALLINT tipoManejador, SQLHANDLE manejador)
{
    std::vector<ErrorDatos> lista;
    if (manejador == SQL_NULL_HANDLE)
        return lista;
    for (SQLSMALLINT registro = 1;; ++registro) {
        SQLCHAR estado[SQL_SQLSTATE_SIZE + 1] = {};
        SQLINTEGER nativo = 0;
        SQLSMALLINT largo = 0;
        SQLRETURN r = odbc().GetDiagRec(tipoManejador, manejador, registro, estado, &nativo, nullptr, 0, &largo);
        if (!exitoOdbc(r))
            break;
        QByteArray mensaje(largo + 1, '\0');
        r = odbc().GetDiagRec(tipoManejador, manejador, registro, estado, &nativo,
                              reinterpret_cast<SQLCHAR*>(mensaje.data()), SQLSMALLINT(mensaje.size()), &largo);
        if (!exitoOdbc(r))
            break;
        mensaje.truncate(qMin<qsizetype>(largo, mensaje.size() - 1));
        ErrorDatos e;
        e.Number = NumeroError::ErrorDelServidor;
        e.NativeError = nativo;
        e.Description = sinPrefijos(QString::fromUtf8(mensaje));
        e.SQLState = QString::fromLatin1(reinterpret_cast<const char*>(estado));
        lista.push_back(e);
    }
    return lista;
}

bool esInformativo(const ErrorDatos& diagnostico)
{
    return diagnostico.SQLState.startsWith(QLatin1String("01"));
}

std::shared_ptr<EnlaceOdbc> EnlaceOdbc::conecta(const QString& cadena, QString& error)
{
    if (!Odbc()) {
        error = QStringLiteral("ODBC no está disponible: ") + MotivoSinOdbc();
        return nullptr;
    }
    std::shared_ptr<EnlaceOdbc> enlace(new EnlaceOdbc);
    if (!exitoOdbc(odbc().AllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &enlace->env_))) {
        error = QStringLiteral("No se pudo iniciar el administrador ODBC");
        return nullptr;
    }
    odbc().SetEnvAttr(enlace->env_, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
    if (!exitoOdbc(odbc().AllocHandle(SQL_HANDLE_DBC, enlace->env_, &enlace->dbc_))) {
        error = QStringLiteral("No se pudo crear la conexión ODBC");
        return nullptr;
    }
    odbc().SetConnectAttr(enlace->dbc_, SQL_ATTR_LOGIN_TIMEOUT, reinterpret_cast<SQLPOINTER>(segundosParaConectar), 0);
    QByteArray texto = cadena.toUtf8();
    const SQLRETURN r = odbc().DriverConnect(enlace->dbc_, nullptr, reinterpret_cast<SQLCHAR*>(texto.data()), SQL_NTS,
                                             nullptr, 0, nullptr, SQL_DRIVER_NOPROMPT);
    if (!exitoOdbc(r)) {
        QStringList mensajes;
        for (const ErrorDatos& d : diagnosticosOdbc(SQL_HANDLE_DBC, enlace->dbc_))
            mensajes << QStringLiteral("[%1] %2").arg(d.SQLState, d.Description);
        error = mensajes.isEmpty() ? QStringLiteral("El controlador ODBC rechazó la conexión") : mensajes.join('\n');
        return nullptr;
    }
    enlace->conectado_ = true;
    return enlace;
}

EnlaceOdbc::~EnlaceOdbc()
{
    if (conectado_)
        odbc().Disconnect(dbc_);
    if (dbc_ != SQL_NULL_HDBC)
        odbc().FreeHandle(SQL_HANDLE_DBC, dbc_);
    if (env_ != SQL_NULL_HENV)
        odbc().FreeHandle(SQL_HANDLE_ENV, env_);
}

QString EnlaceOdbc::nombreServidor() const
{
    SQLCHAR nombre[256] = {};
    SQLSMALLINT largo = 0;
    if (!exitoOdbc(odbc().GetInfo(dbc_, SQL_DBMS_NAME, nombre, SQLSMALLINT(sizeof nombre), &largo)))
        return {};
    return QString::fromUtf8(reinterpret_cast<const char*>(nombre));
}

long EnlaceOdbc::fijaAislamiento(long nivel)
{
    // A driver without the level takes another one itself or refuses it;
    // then the next greater one is asked for. Inside an open transaction
    // every one is refused and the level stays as it was.
    for (const Nivel& n : niveles) {
        if (nivel != NivelAislamiento::SinEspecificar && n.nivel >= nivel
            && exitoOdbc(odbc().SetConnectAttr(dbc_, SQL_ATTR_TXN_ISOLATION, reinterpret_cast<SQLPOINTER>(n.odbc), 0)))
            break;
    }
    SQLULEN actual = 0;
    if (exitoOdbc(odbc().GetConnectAttr(dbc_, SQL_ATTR_TXN_ISOLATION, &actual, sizeof actual, nullptr))) {
        for (const Nivel& n : niveles) {
            if (n.odbc == actual)
                return n.nivel;
        }
    }
    return NivelAislamiento::SinEspecificar;
}

bool EnlaceOdbc::tieneTabla(const QString& tabla)
{
    SentenciaOdbc st(*this);
    if (st.manejador() == SQL_NULL_HSTMT)
        return false;
    QByteArray nombre = tabla.trimmed().toUtf8();
    if (!exitoOdbc(odbc().Tables(st.manejador(), nullptr, 0, nullptr, 0, reinterpret_cast<SQLCHAR*>(nombre.data()),
                                 SQL_NTS, nullptr, 0)))
        return false;
    // The name is a pattern, where "_" stands for any character.
    for (SQLRETURN r = odbc().Fetch(st.manejador()); exitoOdbc(r); r = odbc().Fetch(st.manejador())) {
        SQLCHAR encontrado[256] = {};
        SQLLEN largo = 0;
        if (!exitoOdbc(odbc().GetData(st.manejador(), 3, SQL_C_CHAR, encontrado, sizeof encontrado, &largo)))
            continue;
        const QString nombreEncontrado = QString::fromUtf8(reinterpret_cast<const char*>(encontrado));
        if (nombreEncontrado.compare(tabla.trimmed(), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

SentenciaOdbc::SentenciaOdbc(const EnlaceOdbc& enlace)
{
    if (!exitoOdbc(odbc().AllocHandle(SQL_HANDLE_STMT, enlace.conexion(), &st_))) {
        st_ = SQL_NULL_HSTMT;
        return;
    }
    // Drivers that cannot time out statements just say so; the statement still runs.
    odbc().SetStmtAttr(st_, SQL_ATTR_QUERY_TIMEOUT,
                       reinterpret_cast<SQLPOINTER>(static_cast<SQLULEN>(qMax(0, enlace.tiempoEspera))), 0);
}

SentenciaOdbc::~SentenciaOdbc()
{
    if (st_ != SQL_NULL_HSTMT)
        odbc().FreeHandle(SQL_HANDLE_STMT, st_);
}
