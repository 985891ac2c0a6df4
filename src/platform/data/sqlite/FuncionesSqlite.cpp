#include "platform/data/sqlite/FuncionesSqlite.h"

#include "platform/base/SoloAscii.h"
#include "platform/data/sqlite/BibliotecaSqlite.h"

#include <QDateTime>

namespace {

QString texto(sqlite3_value* v)
{
    return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_value_text(v)), sqlite3_value_bytes(v));
}

void resultaTexto(sqlite3_context* ctx, const QString& s)
{
    const QByteArray b = s.toUtf8();
    sqlite3_result_text(ctx, b.constData(), int(b.size()), SQLITE_TRANSIENT);
}

bool algunNulo(int argc, sqlite3_value** argv)
{
    for (int i = 0; i < argc; ++i) {
        if (sqlite3_value_type(argv[i]) == SQLITE_NULL)
            return true;
    }
    return false;
}

QString sinBlancosFinales(QString s)
{
    qsizetype n = s.size();
    while (n > 0 && s[n - 1] == u' ')
        --n;
    s.truncate(n);
    return s;
}

// LEN counts characters without the trailing blanks.
void len(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    if (algunNulo(argc, argv))
        return sqlite3_result_null(ctx);
    sqlite3_result_int64(ctx, sinBlancosFinales(texto(argv[0])).size());
}

void isnull(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    sqlite3_result_value(ctx, sqlite3_value_type(argv[0]) == SQLITE_NULL ? argv[1] : argv[0]);
}

// The server's clock is the workstation's local time here.
void getdate(sqlite3_context* ctx, int, sqlite3_value**)
{
    resultaTexto(ctx, QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
}

void systemUser(sqlite3_context* ctx, int, sqlite3_value**)
{
    const auto* usuario = static_cast<const QString*>(sqlite3_user_data(ctx));
    resultaTexto(ctx, usuario ? *usuario : QString());
}

void extremo(sqlite3_context* ctx, int argc, sqlite3_value** argv, bool izquierda)
{
    if (algunNulo(argc, argv))
        return sqlite3_result_null(ctx);
    const sqlite3_int64 n = sqlite3_value_int64(argv[1]);
    if (n < 0) {
        sqlite3_result_error(ctx, izquierda ? "Invalid length parameter passed to the left function."
                                            : "Invalid length parameter passed to the right function.", -1);
        return;
    }
    const QString s = texto(argv[0]);
    resultaTexto(ctx, izquierda ? s.left(qsizetype(n)) : s.right(qsizetype(n)));
}

void left(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    extremo(ctx, argc, argv, true);
}

void right(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    extremo(ctx, argc, argv, false);
}

void upper(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    if (algunNulo(argc, argv))
        return sqlite3_result_null(ctx);
    resultaTexto(ctx, texto(argv[0]).toUpper());
}

void lower(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    if (algunNulo(argc, argv))
        return sqlite3_result_null(ctx);
    resultaTexto(ctx, texto(argv[0]).toLower());
}

// A number as the server converts an operand for "+": integers stay exact.
bool comoNumero(sqlite3_value* v, sqlite3_int64& entero, double& real, bool& esEntero)
{
    switch (sqlite3_value_type(v)) {
    case SQLITE_INTEGER:
        entero = sqlite3_value_int64(v);
        esEntero = true;
        return true;
    case SQLITE_FLOAT:
        real = sqlite3_value_double(v);
        esEntero = false;
        return true;
    default: {
        const QString s = texto(v).trimmed();
        bool ok = false;
        entero = s.toLongLong(&ok);
        esEntero = ok;
        if (!ok)
            real = s.toDouble(&ok);
        return ok;
    }
    }
}

// "+" for operands whose kind only the row knows: two texts concatenate,
// anything else adds, converting a text operand to a number as the server
// does (and failing as it does when the text is no number).
void suma(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    if (algunNulo(argc, argv))
        return sqlite3_result_null(ctx);
    const bool textoA = sqlite3_value_type(argv[0]) == SQLITE_TEXT;
    const bool textoB = sqlite3_value_type(argv[1]) == SQLITE_TEXT;
    if (textoA && textoB)
        return resultaTexto(ctx, texto(argv[0]) + texto(argv[1]));
    sqlite3_int64 ea = 0, eb = 0;
    double ra = 0, rb = 0;
    bool enteroA = false, enteroB = false;
    for (int i = 0; i < 2; ++i) {
        const bool ok = i == 0 ? comoNumero(argv[0], ea, ra, enteroA) : comoNumero(argv[1], eb, rb, enteroB);
        if (!ok) {
            const QByteArray m = QStringLiteral("Conversion failed when converting the varchar value '%1' to a number.")
                                     .arg(texto(argv[i]))
                                     .toUtf8();
            sqlite3_result_error(ctx, m.constData(), int(m.size()));
            return;
        }
    }
    sqlite3_int64 total = 0;
    if (enteroA && enteroB && !__builtin_add_overflow(ea, eb, &total))
        return sqlite3_result_int64(ctx, total);
    sqlite3_result_double(ctx, (enteroA ? double(ea) : ra) + (enteroB ? double(eb) : rb));
}

char minusculaAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

int comparaCollation(void*, int n1, const void* p1, int n2, const void* p2)
{
    const char* a = static_cast<const char*>(p1);
    const char* b = static_cast<const char*>(p2);
    while (n1 > 0 && a[n1 - 1] == ' ')
        --n1;
    while (n2 > 0 && b[n2 - 1] == ' ')
        --n2;
    // Plain ASCII folds the same as Unicode folding; skip the conversion.
    if (SoloAscii(a, n1) && SoloAscii(b, n2)) {
        for (int i = 0; i < n1 && i < n2; ++i) {
            const int d = int(minusculaAscii(a[i])) - int(minusculaAscii(b[i]));
            if (d != 0)
                return d;
        }
        return n1 - n2;
    }
    return QString::fromUtf8(a, n1).compare(QString::fromUtf8(b, n2), Qt::CaseInsensitive);
}

struct Funcion {
    const char* nombre;
    int argumentos;
    void (*cuerpo)(sqlite3_context*, int, sqlite3_value**);
    bool determinista;
};

}  // namespace

void RegistraFuncionesSqlite(sqlite3* db, const QString* usuario)
{
    static const Funcion funciones[] = {
        {"len", 1, len, true},
        {"sqlsrv_isnull", 2, isnull, true},
        {"getdate", 0, getdate, false},
        {"sqlsrv_system_user", 0, systemUser, false},
        {"sqlsrv_left", 2, left, true},
        {"sqlsrv_right", 2, right, true},
        {"sqlsrv_suma", 2, suma, true},
        {"upper", 1, upper, true},
        {"lower", 1, lower, true},
    };
    for (const Funcion& f : funciones) {
        const int banderas = SQLITE_UTF8 | (f.determinista ? SQLITE_DETERMINISTIC : 0);
        sqlite3_create_function_v2(db, f.nombre, f.argumentos, banderas, const_cast<QString*>(usuario), f.cuerpo,
                                   nullptr, nullptr, nullptr);
    }
    sqlite3_create_collation_v2(db, "SQLSRV", SQLITE_UTF8, nullptr, comparaCollation, nullptr);
}
