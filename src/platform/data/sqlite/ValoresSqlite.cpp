#include "platform/data/sqlite/ValoresSqlite.h"

#include "platform/base/Err.h"
#include "platform/base/FechaCorta.h"

#include <QByteArray>
#include <QRegularExpression>

#include <sqlite3.h>

namespace {

const QString formatoIso = QStringLiteral("yyyy-MM-dd HH:mm:ss");

void enlazaTexto(sqlite3_stmt* st, int indice, const QString& s)
{
    const QByteArray b = s.toUtf8();
    sqlite3_bind_text(st, indice, b.constData(), int(b.size()), SQLITE_TRANSIENT);
}

}  // namespace

TipoColumna TipoDeclarado(const char* tipo)
{
    if (!tipo)
        return TipoColumna::Libre;
    const QString t = QString::fromUtf8(tipo).toUpper();
    if (t.contains(QLatin1String("DATE")) || t.contains(QLatin1String("TIME")))
        return TipoColumna::Fecha;
    if (t.startsWith(QLatin1String("BIT")) || t.startsWith(QLatin1String("BOOL")))
        return TipoColumna::Logico;
    return TipoColumna::Libre;
}

QString TextoFechaIso(const QDateTime& fecha)
{
    return fecha.toString(formatoIso);
}

QDateTime FechaIso(const QString& texto)
{
    static const char* formatos[] = {"yyyy-MM-dd HH:mm:ss", "yyyy-MM-dd HH:mm:ss.zzz", "yyyy-MM-ddTHH:mm:ss",
                                     "yyyy-MM-dd HH:mm", "yyyy-MM-dd"};
    for (const char* f : formatos) {
        const QDateTime d = QDateTime::fromString(texto, QLatin1String(f));
        if (d.isValid())
            return d;
    }
    return {};
}

QVariant LeeValor(sqlite3_stmt* st, int columna, TipoColumna tipo)
{
    switch (sqlite3_column_type(st, columna)) {
    case SQLITE_NULL:
        return {};
    case SQLITE_INTEGER: {
        const qlonglong v = sqlite3_column_int64(st, columna);
        return tipo == TipoColumna::Logico ? QVariant(v != 0) : QVariant(v);
    }
    case SQLITE_FLOAT:
        return sqlite3_column_double(st, columna);
    case SQLITE_BLOB:
        return QByteArray(static_cast<const char*>(sqlite3_column_blob(st, columna)), sqlite3_column_bytes(st, columna));
    default: {
        const QString s = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, columna)),
                                            sqlite3_column_bytes(st, columna));
        if (tipo == TipoColumna::Fecha) {
            const QDateTime d = FechaIso(s);
            return d.isValid() ? QVariant(d) : QVariant(s);
        }
        static const QRegularExpression iso(QStringLiteral("^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d$"));
        if (tipo == TipoColumna::Libre && s.size() == 19 && iso.match(s).hasMatch()) {
            const QDateTime d = QDateTime::fromString(s, formatoIso);
            if (d.isValid())
                return d;
        }
        return s;
    }
    }
}

void EnlazaValor(sqlite3_stmt* st, int indice, const QVariant& valor, bool columnaFecha)
{
    if (!valor.isValid() || valor.isNull())
        return void(sqlite3_bind_null(st, indice));
    switch (valor.typeId()) {
    case QMetaType::Bool:
        sqlite3_bind_int(st, indice, valor.toBool() ? 1 : 0);
        return;
    case QMetaType::QDateTime:
        return enlazaTexto(st, indice, TextoFechaIso(valor.toDateTime()));
    case QMetaType::QDate:
        return enlazaTexto(st, indice, TextoFechaIso(valor.toDate().startOfDay()));
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Long:
    case QMetaType::LongLong:
    case QMetaType::ULong:
    case QMetaType::ULongLong:
        sqlite3_bind_int64(st, indice, valor.toLongLong());
        return;
    case QMetaType::Double:
    case QMetaType::Float:
        sqlite3_bind_double(st, indice, valor.toDouble());
        return;
    case QMetaType::QByteArray: {
        const QByteArray b = valor.toByteArray();
        sqlite3_bind_blob(st, indice, b.constData(), int(b.size()), SQLITE_TRANSIENT);
        return;
    }
    default:
        break;
    }
    const QString s = valor.toString();
    if (!columnaFecha)
        return enlazaTexto(st, indice, s);
    if (s.trimmed().isEmpty())
        return void(sqlite3_bind_null(st, indice));
    QDateTime d = FechaIso(s.trimmed());
    if (!d.isValid())
        d = FechaDelOperador(s);
    if (!d.isValid())
        throw Err(NumeroError::TiposNoCoinciden, QStringLiteral("No coinciden los tipos"));
    enlazaTexto(st, indice, TextoFechaIso(d));
}
