#include "platform/data/sqlite/ValoresSqlite.h"

#include "platform/base/Err.h"
#include "platform/base/FechaCorta.h"
#include "platform/base/SoloAscii.h"
#include "platform/data/sqlite/BibliotecaSqlite.h"

#include <QByteArray>

namespace {

const QString formatoIso = QStringLiteral("yyyy-MM-dd HH:mm:ss");

void enlazaTexto(sqlite3_stmt* st, int indice, const QString& s)
{
    const QByteArray b = s.toUtf8();
    sqlite3_bind_text(st, indice, b.constData(), int(b.size()), SQLITE_TRANSIENT);
}

// The number the digits at `texto` write; -1 when one of them is no digit.
int numero(const char* texto, int cifras)
{
    int n = 0;
    for (int i = 0; i < cifras; ++i) {
        const unsigned cifra = unsigned(static_cast<unsigned char>(texto[i])) - '0';
        if (cifra > 9)
            return -1;
        n = n * 10 + int(cifra);
    }
    return n;
}

// Reads yyyy-mm-dd, optionally followed by " " or "T" and hh:mm, hh:mm:ss or
// hh:mm:ss with a fraction of any length (kept to the millisecond), by
// position: no format string is interpreted and no zone consulted. A date
// alone leaves `hora` null.
bool partesFechaIso(const char* s, qsizetype n, QDate& dia, QTime& hora)
{
    if (n < 10 || s[4] != '-' || s[7] != '-')
        return false;
    const int anio = numero(s, 4);
    if (anio < 0)
        return false;
    dia = QDate(anio, numero(s + 5, 2), numero(s + 8, 2));
    hora = QTime();
    if (n == 10)
        return dia.isValid();
    if (n < 16 || (s[10] != ' ' && s[10] != 'T') || s[13] != ':')
        return false;
    int segundos = 0, milisegundos = 0;
    if (n > 16) {
        if (n < 19 || s[16] != ':')
            return false;
        segundos = numero(s + 17, 2);
        if (n > 19 && (n < 21 || s[19] != '.'))
            return false;
        int escala = 100;
        for (qsizetype i = 20; i < n; ++i, escala /= 10) {
            const int cifra = numero(s + i, 1);
            if (cifra < 0)
                return false;
            milisegundos += cifra * escala;
        }
    }
    hora = QTime(numero(s + 11, 2), numero(s + 14, 2), segundos, milisegundos);
    return dia.isValid() && hora.isValid();
}

// Plain ASCII, most of a row's text, is its own Latin-1: Qt widens it into
// the string the cell holds already when nobody else shares it and it has
// room. A streamed row reads the same cells row after row, and is spared an
// allocation and a free per cell.
void poneTexto(QVariant& valor, const char* s, int n)
{
    if (!SoloAscii(s, n))
        return valor.setValue(QString::fromUtf8(s, n));
    if (valor.typeId() == QMetaType::QString)
        *static_cast<QString*>(valor.data()) = QLatin1StringView(s, n);
    else
        valor.setValue(QString(QLatin1StringView(s, n)));
}

}  // namespace

TipoColumna TipoDeclarado(const char* tipo)
{
    if (!tipo)
        return TipoColumna::Libre;
    // Type names are ASCII words, read as they are, without copying.
    const QLatin1StringView t(tipo);
    if (t.contains(QLatin1String("DATE"), Qt::CaseInsensitive) || t.contains(QLatin1String("TIME"), Qt::CaseInsensitive))
        return TipoColumna::Fecha;
    if (t.startsWith(QLatin1String("BIT"), Qt::CaseInsensitive) || t.startsWith(QLatin1String("BOOL"), Qt::CaseInsensitive))
        return TipoColumna::Logico;
    return TipoColumna::Libre;
}

QString TextoFechaIso(const QDateTime& fecha)
{
    return fecha.toString(formatoIso);
}

QDateTime FechaIso(const QString& texto)
{
    const QByteArray b = texto.toUtf8();
    QDate dia;
    QTime hora;
    if (!partesFechaIso(b.constData(), b.size(), dia, hora))
        return {};
    return FechaLocal(dia, hora);
}

ValoresColumnas::ValoresColumnas(sqlite3_stmt* st)
{
    const int columnas = sqlite3_column_count(st);
    tipos_.reserve(size_t(columnas));
    for (int c = 0; c < columnas; ++c)
        tipos_.push_back(TipoDeclarado(sqlite3_column_decltype(st, c)));
}

void ValoresColumnas::lee(sqlite3_stmt* st, int columna, QVariant& valor)
{
    const TipoColumna tipo = tipos_[size_t(columna)];
    // A connection is used by one thread at a time: the value is taken once
    // and read without the connection's lock at every part.
    sqlite3_value* v = sqlite3_column_value(st, columna);
    switch (sqlite3_value_type(v)) {
    case SQLITE_NULL:
        return valor.clear();
    case SQLITE_INTEGER: {
        const qlonglong entero = sqlite3_value_int64(v);
        return tipo == TipoColumna::Logico ? valor.setValue(entero != 0) : valor.setValue(entero);
    }
    case SQLITE_FLOAT:
        return valor.setValue(sqlite3_value_double(v));
    case SQLITE_BLOB:
        return valor.setValue(QByteArray(static_cast<const char*>(sqlite3_value_blob(v)), sqlite3_value_bytes(v)));
    default: {
        const char* s = reinterpret_cast<const char*>(sqlite3_value_text(v));
        const int n = sqlite3_value_bytes(v);
        const bool comoGetdate = tipo == TipoColumna::Libre && n == 19 && s[10] == ' ';
        QDate dia;
        QTime hora;
        if ((tipo == TipoColumna::Fecha || comoGetdate) && partesFechaIso(s, n, dia, hora)) {
            const QDateTime fecha = fechas_.fecha(dia, hora);
            if (fecha.isValid())
                return valor.setValue(fecha);
        }
        return poneTexto(valor, s, n);
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
        throw Err(NumeroError::TiposNoCoinciden);
    enlazaTexto(st, indice, TextoFechaIso(d));
}
