#include "platform/data/sql/AdaptadorSql.h"

#include <QSet>

namespace {

bool esLetraDePalabra(QChar c)
{
    return c.isLetterOrNumber() || c == u'_' || c == u'@' || c == u'#' || c == u'$';
}

// Index just past a quoted run that starts at `i`, where a doubled closing
// character stands for itself.
int finCitado(const QString& sql, int i, QChar cierre)
{
    int j = i + 1;
    for (;;) {
        const int k = sql.indexOf(cierre, j);
        if (k < 0)
            return int(sql.size());
        if (k + 1 < sql.size() && sql[k + 1] == cierre) {
            j = k + 2;
            continue;
        }
        return k + 1;
    }
}

int finNumero(const QString& sql, int i)
{
    const int n = int(sql.size());
    while (i < n && (sql[i].isDigit() || sql[i] == u'.'))
        ++i;
    if (i < n && (sql[i] == u'e' || sql[i] == u'E')) {
        int j = i + 1;
        if (j < n && (sql[j] == u'+' || sql[j] == u'-'))
            ++j;
        if (j < n && sql[j].isDigit()) {
            while (j < n && sql[j].isDigit())
                ++j;
            i = j;
        }
    }
    return i;
}

bool significativo(const Token& t)
{
    return t.tipo != Token::Espacio && t.tipo != Token::Comentario;
}

bool esPalabra(const Token& t, const char* palabra)
{
    return t.tipo == Token::Palabra && t.texto.compare(QLatin1String(palabra), Qt::CaseInsensitive) == 0;
}

bool esSimbolo(const Token& t, char c)
{
    return t.tipo == Token::Simbolo && t.texto.size() == 1 && t.texto[0] == QLatin1Char(c);
}

// First significant token at or after `i` and before `hasta`; -1 when none.
int primero(const Tokens& t, int i, int hasta)
{
    for (; i < hasta; ++i) {
        if (significativo(t[i]))
            return i;
    }
    return -1;
}

int siguiente(const Tokens& t, int i)
{
    return primero(t, i + 1, int(t.size()));
}

int anterior(const Tokens& t, int i)
{
    for (--i; i >= 0; --i) {
        if (significativo(t[i]))
            return i;
    }
    return -1;
}

// The ")" that closes the "(" at `abre`, or -1.
int cierre(const Tokens& t, int abre, int hasta)
{
    int prof = 0;
    for (int i = abre; i < hasta; ++i) {
        if (esSimbolo(t[i], '('))
            ++prof;
        else if (esSimbolo(t[i], ')') && --prof == 0)
            return i;
    }
    return -1;
}

// Index just past the END of the CASE at `i`, or -1.
int finCaso(const Tokens& t, int i, int hasta)
{
    int casos = 0, prof = 0;
    for (; i < hasta; ++i) {
        if (esSimbolo(t[i], '('))
            ++prof;
        else if (esSimbolo(t[i], ')'))
            --prof;
        else if (prof == 0 && esPalabra(t[i], "CASE"))
            ++casos;
        else if (prof == 0 && esPalabra(t[i], "END") && --casos == 0)
            return i + 1;
    }
    return -1;
}

const QSet<QString>& reservadas()
{
    static const QSet<QString> p = {
        "SELECT", "FROM", "WHERE", "AND", "OR", "NOT", "ON", "AS", "SET", "INSERT", "INTO", "VALUES",
        "UPDATE", "DELETE", "JOIN", "INNER", "LEFT", "RIGHT", "OUTER", "CROSS", "FULL", "GROUP", "ORDER",
        "BY", "HAVING", "UNION", "ALL", "DISTINCT", "WHEN", "THEN", "ELSE", "END", "IS", "IN", "LIKE",
        "BETWEEN", "EXISTS", "LIMIT", "OFFSET", "ASC", "DESC", "CREATE", "TABLE", "VIEW", "INDEX", "DROP",
        "ALTER", "ADD", "PRIMARY", "KEY", "FOREIGN", "REFERENCES", "DEFAULT", "CONSTRAINT", "BEGIN",
        "COMMIT", "ROLLBACK", "TRANSACTION", "TRAN", "TOP", "COLLATE", "ESCAPE", "WITH", "EXEC",
        "EXECUTE", "USE", "IF", "GO", "UNIQUE", "CHECK", "GLOB", "REGEXP", "MATCH", "ISNULL", "NOTNULL",
        "EXCEPT", "INTERSECT", "CASE", "TRIGGER", "DATABASE", "DECLARE", "TRUNCATE", "PRINT"};
    return p;
}

bool reservada(const Token& t)
{
    return t.tipo == Token::Palabra && reservadas().contains(t.texto.toUpper());
}

// Words after which a statement keyword continues the statement (UNION
// SELECT, DROP TABLE IF ...).
const QSet<QString>& noCortanDespues()
{
    static const QSet<QString> p = {"FOR",   "INSTEAD", "OF",    "AFTER", "BEFORE", "UNION",
                                    "ALL",  "EXCEPT", "INTERSECT", "AS", "THEN",  "ELSE",  "EXISTS",
                                    "TABLE", "VIEW", "INDEX", "TRIGGER", "NOT", "INTO"};
    return p;
}

// ---------------------------------------------------------------------------
// One rule per construct.

// N'texto': the national-text prefix has no meaning here.
void quitaPrefijoNacional(Tokens& t)
{
    for (Token& k : t) {
        if (k.tipo == Token::Cadena && (k.texto.startsWith(u'N') || k.texto.startsWith(u'n')))
            k.texto.remove(0, 1);
    }
}

bool esSugerenciaDeTabla(const Token& t)
{
    static const QSet<QString> p = {"NOLOCK",       "READUNCOMMITTED", "ROWLOCK",   "UPDLOCK",
                                    "HOLDLOCK",     "PAGLOCK",         "TABLOCK",   "TABLOCKX",
                                    "XLOCK",        "READPAST",        "READCOMMITTED", "REPEATABLEREAD",
                                    "SERIALIZABLE", "NOWAIT"};
    return t.tipo == Token::Palabra && p.contains(t.texto.toUpper());
}

// The tokens from `abre` to its ")" hold only table hints and commas.
bool soloSugerencias(const Tokens& t, int abre, int cierra)
{
    bool alguna = false;
    for (int i = abre + 1; i < cierra; ++i) {
        if (!significativo(t[i]) || esSimbolo(t[i], ','))
            continue;
        if (!esSugerenciaDeTabla(t[i]))
            return false;
        alguna = true;
    }
    return alguna;
}

void reemplazaPorEspacio(Tokens& t, int desde, int hasta)
{
    t.remove(desde, hasta - desde + 1);
    t.insert(desde, Token{Token::Espacio, QStringLiteral(" ")});
}

// with(nolock), WITH (NOLOCK, ROWLOCK) and the old bare (nolock) after a table.
void quitaSugerencias(Tokens& t)
{
    for (int i = 0; i < t.size(); ++i) {
        if (esPalabra(t[i], "WITH")) {
            const int abre = siguiente(t, i);
            if (abre < 0 || !esSimbolo(t[abre], '('))
                continue;
            const int c = cierre(t, abre, int(t.size()));
            if (c > 0 && soloSugerencias(t, abre, c))
                reemplazaPorEspacio(t, i, c);
        } else if (esSimbolo(t[i], '(')) {
            const int a = anterior(t, i);
            if (a < 0 || reservada(t[a]) || (t[a].tipo != Token::Palabra && t[a].tipo != Token::Nombre))
                continue;
            const int c = cierre(t, i, int(t.size()));
            const int unica = primero(t, i + 1, c < 0 ? i : c);
            if (c > 0 && unica >= 0 && esPalabra(t[unica], "NOLOCK") && primero(t, unica + 1, c) < 0)
                reemplazaPorEspacio(t, i, c);
        }
    }
}

// dbo.Tabla: one schema only.
void quitaEsquemaDbo(Tokens& t)
{
    for (int i = 0; i + 1 < t.size(); ++i) {
        const bool dbo = esPalabra(t[i], "dbo")
                         || (t[i].tipo == Token::Nombre && t[i].texto.compare(QLatin1String("[dbo]"), Qt::CaseInsensitive) == 0);
        if (dbo && esSimbolo(t[i + 1], '.'))
            t.remove(i, 2);
    }
}

// Functions the server has and the engine lacks or reserves as keywords.
void renombraFunciones(Tokens& t)
{
    for (int i = 0; i < t.size(); ++i) {
        if (t[i].tipo != Token::Palabra)
            continue;
        const QString nombre = t[i].texto.toUpper();
        const int s = siguiente(t, i);
        const bool llamada = s >= 0 && esSimbolo(t[s], '(');
        if (llamada && (nombre == u"LEFT" || nombre == u"RIGHT" || nombre == u"ISNULL"))
            t[i].texto = QStringLiteral("sqlsrv_") + nombre.toLower();
        else if (!llamada && nombre == u"SYSTEM_USER")
            t[i].texto = QStringLiteral("sqlsrv_system_user()");
        else if (!llamada && nombre == u"CURRENT_TIMESTAMP")
            t[i].texto = QStringLiteral("getdate()");
    }
}

// The collation the engine registers for the server's default one: case and
// trailing blanks do not count.
const QString colacionDelServidor = QStringLiteral("SQLSRV");

// A text function's result carries no collation here, so comparing it with
// a literal would be exact; on the server it takes the default collation.
// Its call gains the engine's collation unless one is already given.
void colacionDeFunciones(Tokens& t)
{
    static const QSet<QString> texto = {"SUBSTRING", "LEFT", "RIGHT", "LTRIM", "RTRIM",   "UPPER",
                                        "LOWER",     "ISNULL", "REPLACE", "COALESCE", "TRIM"};
    for (int i = 0; i < t.size(); ++i) {
        if (t[i].tipo != Token::Palabra || !texto.contains(t[i].texto.toUpper()))
            continue;
        const int a = anterior(t, i);
        const int abre = siguiente(t, i);
        if ((a >= 0 && esSimbolo(t[a], '.')) || abre < 0 || !esSimbolo(t[abre], '('))
            continue;
        const int c = cierre(t, abre, int(t.size()));
        if (c < 0)
            continue;
        const int tras = siguiente(t, c);
        if (tras >= 0 && esPalabra(t[tras], "COLLATE"))
            continue;
        t.insert(c + 1, Token{Token::Palabra, colacionDelServidor});
        t.insert(c + 1, Token{Token::Espacio, QStringLiteral(" ")});
        t.insert(c + 1, Token{Token::Palabra, QStringLiteral("COLLATE")});
        t.insert(c + 1, Token{Token::Espacio, QStringLiteral(" ")});
    }
}

// Where the clause of the SELECT at `select` ends: before the ")" that
// closes its subquery, else at the end; just after its last significant token.
int finDeConsulta(const Tokens& t, int select)
{
    int prof = 0, ultimo = select;
    for (int i = select + 1; i < t.size(); ++i) {
        if (esSimbolo(t[i], '('))
            ++prof;
        else if (esSimbolo(t[i], ')') && --prof < 0)
            break;
        if (significativo(t[i]))
            ultimo = i;
    }
    return ultimo + 1;
}

// SELECT TOP n ... becomes SELECT ... LIMIT n, also in subqueries.
void topALimit(Tokens& t)
{
    for (int i = int(t.size()) - 1; i >= 0; --i) {
        if (!esPalabra(t[i], "SELECT"))
            continue;
        int top = siguiente(t, i);
        if (top >= 0 && (esPalabra(t[top], "DISTINCT") || esPalabra(t[top], "ALL")))
            top = siguiente(t, top);
        if (top < 0 || !esPalabra(t[top], "TOP"))
            continue;
        int n = siguiente(t, top);
        int finN = n;
        if (n >= 0 && esSimbolo(t[n], '(')) {
            finN = cierre(t, n, int(t.size()));
            n = siguiente(t, n);
            if (finN < 0 || siguiente(t, n) != finN)
                continue;
        }
        if (n < 0 || t[n].tipo != Token::Numero)
            continue;
        const int trasN = siguiente(t, finN);
        if (trasN >= 0 && (esPalabra(t[trasN], "PERCENT") || esPalabra(t[trasN], "WITH")))
            continue;
        const QString cantidad = t[n].texto;
        reemplazaPorEspacio(t, top, finN);
        const int fin = finDeConsulta(t, i);
        t.insert(fin, Token{Token::Numero, cantidad});
        t.insert(fin, Token{Token::Espacio, QStringLiteral(" ")});
        t.insert(fin, Token{Token::Palabra, QStringLiteral("LIMIT")});
        t.insert(fin, Token{Token::Espacio, QStringLiteral(" ")});
    }
}

// DELETE Tabla WHERE ...: the engine wants FROM.
void deleteConFrom(Tokens& t)
{
    for (int i = 0; i < t.size(); ++i) {
        if (!esPalabra(t[i], "DELETE"))
            continue;
        const int a = anterior(t, i);
        if (a >= 0 && esPalabra(t[a], "ON"))
            continue;
        const int s = siguiente(t, i);
        if (s >= 0 && (t[s].tipo == Token::Nombre || (t[s].tipo == Token::Palabra && !reservada(t[s])))) {
            t.insert(s, Token{Token::Espacio, QStringLiteral(" ")});
            t.insert(s, Token{Token::Palabra, QStringLiteral("FROM")});
        }
    }
}

// "+" between text operands concatenates as on the server; numbers add. The
// kind of each operand decides; columns, whose kind only the row knows, go
// through sqlsrv_suma, which decides per value.
class Sumas {
public:
    explicit Sumas(const Tokens& t) : t_(t) {}

    QString rango(int a, int b) const
    {
        QString out;
        int i = a;
        while (i < b) {
            if (!significativo(t_[i])) {
                out += t_[i++].texto;
                continue;
            }
            std::vector<Termino> terminos;
            Clase clase;
            const int f = finCadena(i, b, clase, &terminos);
            if (f < 0) {
                out += t_[i++].texto;
                continue;
            }
            out += reescribe(terminos, clase);
            i = f;
        }
        return out;
    }

private:
    enum class Clase { Texto, Numero, Nulo, Desconocida };
    struct Termino {
        int inicio = 0, fin = 0;
        Clase clase = Clase::Desconocida;
        bool compuesto = false;
    };

    static Clase claseDeFuncion(const QString& nombre)
    {
        static const QSet<QString> texto = {"upper", "lower", "ltrim", "rtrim", "trim", "substring", "substr",
                                            "replace", "sqlsrv_left", "sqlsrv_right", "char", "space",
                                            "replicate", "str", "nchar", "quotename", "sqlsrv_system_user"};
        static const QSet<QString> numero = {"len", "count", "sum", "abs", "round", "charindex", "datediff",
                                             "year", "month", "day", "avg", "floor", "ceiling", "length"};
        const QString n = nombre.toLower();
        if (texto.contains(n))
            return Clase::Texto;
        if (numero.contains(n))
            return Clase::Numero;
        return Clase::Desconocida;
    }

    static bool esTipoDeTexto(const Token& k)
    {
        static const QSet<QString> tipos = {"VARCHAR", "NVARCHAR", "CHAR", "NCHAR", "TEXT", "NTEXT"};
        return k.tipo == Token::Palabra && tipos.contains(k.texto.toUpper());
    }

    // CAST(x AS varchar) and CONVERT(varchar, x) give text.
    Clase claseDeConversion(const QString& nombre, int a, int c) const
    {
        if (nombre.compare(QLatin1String("convert"), Qt::CaseInsensitive) == 0) {
            const int tipo = primero(t_, a, c);
            return tipo >= 0 && esTipoDeTexto(t_[tipo]) ? Clase::Texto : Clase::Numero;
        }
        int prof = 0, as = -1;
        for (int i = a; i < c; ++i) {
            if (esSimbolo(t_[i], '('))
                ++prof;
            else if (esSimbolo(t_[i], ')'))
                --prof;
            else if (prof == 0 && esPalabra(t_[i], "AS"))
                as = i;
        }
        const int tipo = as < 0 ? -1 : primero(t_, as + 1, c);
        return tipo >= 0 && esTipoDeTexto(t_[tipo]) ? Clase::Texto : Clase::Numero;
    }

    Clase claseDeParentesis(int a, int c) const
    {
        const int p = primero(t_, a, c);
        if (p < 0 || esPalabra(t_[p], "SELECT"))
            return Clase::Desconocida;
        Clase clase;
        const int f = finCadena(p, c, clase, nullptr);
        return f >= 0 && primero(t_, f, c) < 0 ? clase : Clase::Desconocida;
    }

    int finNombre(int i, int hasta, Clase& clase) const
    {
        int f = i + 1;
        while (f + 1 < hasta && esSimbolo(t_[f], '.')
               && (t_[f + 1].tipo == Token::Palabra || t_[f + 1].tipo == Token::Nombre || esSimbolo(t_[f + 1], '*')))
            f += 2;
        const int p = primero(t_, f, hasta);
        if (t_[i].tipo == Token::Palabra && f == i + 1 && p >= 0 && esSimbolo(t_[p], '(')) {
            const int c = cierre(t_, p, hasta);
            if (c < 0)
                return -1;
            const QString& nombre = t_[i].texto;
            const bool conversion = nombre.compare(QLatin1String("cast"), Qt::CaseInsensitive) == 0
                                    || nombre.compare(QLatin1String("convert"), Qt::CaseInsensitive) == 0;
            clase = conversion ? claseDeConversion(nombre, p + 1, c) : claseDeFuncion(nombre);
            return c + 1;
        }
        clase = Clase::Desconocida;
        return f;
    }

    // Index just past the operand at `i` with its COLLATE, or -1 when no
    // operand starts there.
    int finAtomo(int i, int hasta, Clase& clase) const
    {
        const int f = finAtomoSolo(i, hasta, clase);
        const int colate = f < 0 ? -1 : primero(t_, f, hasta);
        if (colate < 0 || !esPalabra(t_[colate], "COLLATE"))
            return f;
        const int nombre = primero(t_, colate + 1, hasta);
        return nombre >= 0 && (t_[nombre].tipo == Token::Palabra || t_[nombre].tipo == Token::Nombre) ? nombre + 1 : f;
    }

    int finAtomoSolo(int i, int hasta, Clase& clase) const
    {
        const Token& k = t_[i];
        if (esSimbolo(k, '-') || esSimbolo(k, '+')) {
            const int j = primero(t_, i + 1, hasta);
            const int f = j < 0 ? -1 : finAtomo(j, hasta, clase);
            clase = Clase::Numero;
            return f;
        }
        switch (k.tipo) {
        case Token::Cadena:
            clase = Clase::Texto;
            return i + 1;
        case Token::Numero:
            clase = Clase::Numero;
            return i + 1;
        case Token::Palabra:
            if (esPalabra(k, "NULL")) {
                clase = Clase::Nulo;
                return i + 1;
            }
            if (esPalabra(k, "CASE")) {
                clase = Clase::Desconocida;
                return finCaso(t_, i, hasta);
            }
            if (reservada(k))
                return -1;
            return finNombre(i, hasta, clase);
        case Token::Nombre:
            return finNombre(i, hasta, clase);
        case Token::Simbolo:
            if (esSimbolo(k, '(')) {
                const int c = cierre(t_, i, hasta);
                if (c < 0)
                    return -1;
                clase = claseDeParentesis(i + 1, c);
                return c + 1;
            }
            if (esSimbolo(k, '?')) {
                clase = Clase::Desconocida;
                return i + 1;
            }
            return -1;
        default:
            return -1;
        }
    }

    // An operator that binds tighter than "+"; `fin` is just past it.
    bool operadorFuerte(int op, int hasta, int& fin, bool& concatena) const
    {
        const Token& k = t_[op];
        concatena = false;
        fin = op + 1;
        if (esSimbolo(k, '|')) {
            concatena = op + 1 < hasta && esSimbolo(t_[op + 1], '|');
            fin = concatena ? op + 2 : op + 1;
            return true;
        }
        return esSimbolo(k, '*') || esSimbolo(k, '/') || esSimbolo(k, '%') || esSimbolo(k, '-') || esSimbolo(k, '&')
               || esSimbolo(k, '^');
    }

    int finTermino(int i, int hasta, Termino& termino) const
    {
        Clase clase;
        int f = finAtomo(i, hasta, clase);
        if (f < 0)
            return -1;
        termino = Termino{i, f, clase, false};
        for (;;) {
            const int op = primero(t_, f, hasta);
            int finOp;
            bool concatena;
            if (op < 0 || !operadorFuerte(op, hasta, finOp, concatena))
                break;
            const int j = primero(t_, finOp, hasta);
            Clase otra;
            const int f2 = j < 0 ? -1 : finAtomo(j, hasta, otra);
            if (f2 < 0)
                break;
            termino.compuesto = true;
            termino.clase = concatena ? Clase::Texto : Clase::Numero;
            f = f2;
        }
        termino.fin = f;
        return f;
    }

    int finCadena(int i, int hasta, Clase& clase, std::vector<Termino>* terminos) const
    {
        std::vector<Termino> lista(1);
        int f = finTermino(i, hasta, lista[0]);
        if (f < 0)
            return -1;
        for (;;) {
            const int op = primero(t_, f, hasta);
            if (op < 0 || !esSimbolo(t_[op], '+'))
                break;
            const int j = primero(t_, op + 1, hasta);
            Termino otro;
            const int f2 = j < 0 ? -1 : finTermino(j, hasta, otro);
            if (f2 < 0)
                break;
            lista.push_back(otro);
            f = f2;
        }
        bool texto = false, desconocida = false, todosNulos = true;
        for (const Termino& k : lista) {
            texto = texto || k.clase == Clase::Texto;
            desconocida = desconocida || k.clase == Clase::Desconocida;
            todosNulos = todosNulos && k.clase == Clase::Nulo;
        }
        clase = lista.size() == 1 ? lista[0].clase
                : texto           ? Clase::Texto
                : desconocida     ? Clase::Desconocida
                : todosNulos      ? Clase::Nulo
                                  : Clase::Numero;
        if (terminos)
            *terminos = std::move(lista);
        return f;
    }

    // The tokens as written, with every parenthesis and CASE adapted inside.
    QString emite(int a, int b) const
    {
        QString out;
        for (int i = a; i < b;) {
            if (esSimbolo(t_[i], '(')) {
                const int c = cierre(t_, i, b);
                if (c > 0) {
                    out += t_[i].texto + rango(i + 1, c) + t_[c].texto;
                    i = c + 1;
                    continue;
                }
            } else if (esPalabra(t_[i], "CASE")) {
                const int f = finCaso(t_, i, b);
                if (f > 0) {
                    out += t_[i].texto + rango(i + 1, f - 1) + t_[f - 1].texto;
                    i = f;
                    continue;
                }
            }
            out += t_[i++].texto;
        }
        return out;
    }

    // A concatenation compares on the server in the default collation, like
    // the text functions' results (colacionDeFunciones).
    QString reescribe(const std::vector<Termino>& terminos, Clase clase) const
    {
        if (terminos.size() == 1 || clase == Clase::Numero || clase == Clase::Nulo)
            return emite(terminos.front().inicio, terminos.back().fin);
        const QString colacion = QStringLiteral(" COLLATE ") + colacionDelServidor;
        if (clase == Clase::Texto) {
            QString out;
            for (size_t k = 0; k < terminos.size(); ++k) {
                if (k > 0) {
                    for (int i = terminos[k - 1].fin; i < terminos[k].inicio; ++i)
                        out += esSimbolo(t_[i], '+') ? QStringLiteral("||") : t_[i].texto;
                }
                const QString termino = emite(terminos[k].inicio, terminos[k].fin);
                out += terminos[k].compuesto ? u'(' + termino + u')' : termino;
            }
            return u'(' + out + u')' + colacion;
        }
        QString acumulado = emite(terminos[0].inicio, terminos[0].fin);
        for (size_t k = 1; k < terminos.size(); ++k)
            acumulado = QStringLiteral("sqlsrv_suma(%1, %2)").arg(acumulado, emite(terminos[k].inicio, terminos[k].fin));
        return acumulado + colacion;
    }

    const Tokens& t_;
};

// ---------------------------------------------------------------------------
// Splitting a batch.

// GO alone on its line separates batches in scripts.
bool esGoSolo(const Tokens& t, int i)
{
    auto finDeLinea = [](const Token& k) {
        return k.tipo == Token::Espacio && (k.texto.contains(u'\n') || k.texto.contains(u'\r'));
    };
    return esPalabra(t[i], "GO") && (i == 0 || finDeLinea(t[i - 1])) && (i + 1 == t.size() || finDeLinea(t[i + 1]));
}

class Divisor {
public:
    explicit Divisor(const Tokens& t) : t_(t) {}

    std::vector<Tokens> divide()
    {
        for (int i = 0; i < t_.size(); ++i) {
            const Token& k = t_[i];
            if (!significativo(k)) {
                actual_.push_back(k);
                continue;
            }
            if (prof_ == 0 && !disparador_ && (esSimbolo(k, ';') || esGoSolo(t_, i))) {
                cierra();
                continue;
            }
            if (prof_ == 0 && !disparador_ && !primera_.isEmpty() && empiezaSentencia(k))
                cierra();
            agrega(i);
        }
        cierra();
        return std::move(partes_);
    }

private:
    void agrega(int i)
    {
        const Token& k = t_[i];
        const QString palabra = k.tipo == Token::Palabra ? k.texto.toUpper() : QString();
        const bool empieza = primera_.isEmpty();
        if (esSimbolo(k, '('))
            ++prof_;
        else if (esSimbolo(k, ')') && prof_ > 0)
            --prof_;
        else if (prof_ == 0 && palabra == u"CASE")
            ++casos_;
        else if (prof_ == 0 && palabra == u"END" && casos_ > 0)
            --casos_;
        else if (palabra == u"VALUES")
            conValues_ = true;
        else if (palabra == u"TRIGGER" && primera_ == u"CREATE")
            disparador_ = true;
        else if (disparador_ && prof_ == 0 && palabra == u"END")
            disparador_ = false;
        actual_.push_back(k);
        anterior_ = palabra.isEmpty() ? k.texto : palabra;
        if (empieza)
            primera_ = palabra.isEmpty() ? k.texto : palabra;
        // ELSE, END and a block's BEGIN stand alone.
        if (empieza && ((palabra == u"ELSE" || palabra == u"END") || (palabra == u"BEGIN" && !iniciaTransaccion(i))))
            cierra();
    }

    bool iniciaTransaccion(int begin) const
    {
        const int s = siguiente(t_, begin);
        return s >= 0
               && (esPalabra(t_[s], "TRAN") || esPalabra(t_[s], "TRANSACTION") || esPalabra(t_[s], "DISTRIBUTED"));
    }

    bool empiezaSentencia(const Token& k) const
    {
        if (k.tipo != Token::Palabra)
            return false;
        if (noCortanDespues().contains(anterior_)
            || (anterior_.size() == 1 && !anterior_[0].isLetterOrNumber() && anterior_ != u")"))
            return false;
        const QString p = k.texto.toUpper();
        // ON DELETE / ON UPDATE of a table's foreign key.
        if (anterior_ == u"ON" && (p == u"UPDATE" || p == u"DELETE") && (primera_ == u"CREATE" || primera_ == u"ALTER"))
            return false;
        if (p == u"SELECT")
            return !(primera_ == u"CREATE" || primera_ == u"ALTER" || primera_ == u"WITH"
                     || (primera_ == u"INSERT" && !conValues_));
        if (p == u"SET")
            return primera_ != u"UPDATE" && primera_ != u"CREATE" && primera_ != u"ALTER";
        if (p == u"DROP" || p == u"ALTER")
            return primera_ != u"ALTER";
        if (p == u"ELSE" || p == u"END")
            return casos_ == 0;
        static const QSet<QString> inicios = {"INSERT", "UPDATE",   "DELETE", "BEGIN", "COMMIT",   "ROLLBACK",
                                              "CREATE", "EXEC",     "EXECUTE", "USE",  "IF",       "TRUNCATE",
                                              "DECLARE", "PRINT"};
        return inicios.contains(p);
    }

    void cierra()
    {
        if (!primera_.isEmpty())
            partes_.push_back(actual_);
        actual_.clear();
        primera_.clear();
        anterior_.clear();
        prof_ = casos_ = 0;
        conValues_ = disparador_ = false;
    }

    const Tokens& t_;
    std::vector<Tokens> partes_;
    Tokens actual_;
    QString primera_, anterior_;
    int prof_ = 0, casos_ = 0;
    bool conValues_ = false, disparador_ = false;
};

// The significant tokens' texts, upper-cased words, for classifying.
QStringList palabras(const Tokens& t)
{
    QStringList p;
    for (const Token& k : t) {
        if (significativo(k))
            p << (k.tipo == Token::Palabra ? k.texto.toUpper() : k.texto);
    }
    return p;
}

QString sinComillas(const Token& k)
{
    QString s = k.texto;
    if (k.tipo == Token::Cadena) {
        if (s.startsWith(u'N') || s.startsWith(u'n'))
            s.remove(0, 1);
        return s.mid(1, s.size() - 2).replace(QStringLiteral("''"), QStringLiteral("'"));
    }
    if (k.tipo == Token::Nombre)
        return s.mid(1, s.size() - 2);
    return s;
}

QStringList argumentosDeLiteral(const Tokens& t)
{
    QStringList a;
    for (const Token& k : t) {
        if (k.tipo == Token::Cadena)
            a << sinComillas(k);
    }
    return a;
}

SentenciaAdaptada siExiste(const Tokens& t)
{
    const int si = primero(t, 0, int(t.size()));
    int e = siguiente(t, si);
    const bool niega = e >= 0 && esPalabra(t[e], "NOT");
    if (niega)
        e = siguiente(t, e);
    const int abre = e < 0 ? -1 : siguiente(t, e);
    const int c = abre < 0 ? -1 : cierre(t, abre, int(t.size()));
    if (e < 0 || !esPalabra(t[e], "EXISTS") || !esSimbolo(t[abre], '(') || c < 0 || siguiente(t, c) >= 0)
        return {SentenciaAdaptada::Normal, Une(t), {}};
    const QString consulta = AdaptaSentencia(Une(t.mid(abre, c - abre + 1)));
    return {SentenciaAdaptada::SiExiste,
            QStringLiteral("SELECT ") + (niega ? QStringLiteral("NOT ") : QString()) + QStringLiteral("EXISTS ") + consulta,
            {}};
}

SentenciaAdaptada clasifica(const Tokens& t)
{
    const QStringList p = palabras(t);
    const QString a = p.value(0), b = p.value(1);
    using S = SentenciaAdaptada;
    if (a == u"SET" && p.size() == 3 && (p[2] == u"ON" || p[2] == u"OFF"))
        return {S::Nada, {}, {}};
    if (a == u"USE")
        return {S::Nada, {}, {}};
    if (a == u"EXEC" || a == u"EXECUTE") {
        if (b.compare(QLatin1String("sp_addlogin"), Qt::CaseInsensitive) == 0)
            return {S::AgregaLogin, {}, argumentosDeLiteral(t)};
        if (b.startsWith(QLatin1String("SP_"), Qt::CaseInsensitive))
            return {S::Nada, {}, {}};
    }
    if (a == u"CREATE" && b == u"DATABASE" && p.size() >= 3) {
        const int nombre = siguiente(t, siguiente(t, primero(t, 0, int(t.size()))));
        return {S::CreaBase, {}, {sinComillas(t[nombre])}};
    }
    if (a == u"BEGIN")
        return {p.size() == 1 ? S::InicioBloque : S::IniciaTransaccion, {}, {}};
    if (a == u"COMMIT")
        return {S::ConfirmaTransaccion, {}, {}};
    if (a == u"ROLLBACK")
        return {S::DeshaceTransaccion, {}, {}};
    if (a == u"END" && p.size() == 1)
        return {S::FinBloque, {}, {}};
    if (a == u"ELSE" && p.size() == 1)
        return {S::OtroCaso, {}, {}};
    if (a == u"IF")
        return siExiste(t);
    return {S::Normal, AdaptaSentencia(Une(t)), {}};
}

}  // namespace

Tokens Tokeniza(const QString& sql)
{
    Tokens t;
    const int n = int(sql.size());
    int i = 0;
    while (i < n) {
        const QChar c = sql[i];
        const QChar d = i + 1 < n ? sql[i + 1] : QChar();
        const int inicio = i;
        Token::Tipo tipo;
        if (c.isSpace()) {
            while (i < n && sql[i].isSpace())
                ++i;
            tipo = Token::Espacio;
        } else if (c == u'-' && d == u'-') {
            while (i < n && sql[i] != u'\n' && sql[i] != u'\r')
                ++i;
            tipo = Token::Comentario;
        } else if (c == u'/' && d == u'*') {
            const int fin = int(sql.indexOf(QStringLiteral("*/"), i + 2));
            i = fin < 0 ? n : fin + 2;
            tipo = Token::Comentario;
        } else if (c == u'\'' || ((c == u'N' || c == u'n') && d == u'\'')) {
            i = finCitado(sql, c == u'\'' ? i : i + 1, u'\'');
            tipo = Token::Cadena;
        } else if (c == u'[') {
            i = finCitado(sql, i, u']');
            tipo = Token::Nombre;
        } else if (c == u'"') {
            i = finCitado(sql, i, u'"');
            tipo = Token::Nombre;
        } else if (c.isDigit() || (c == u'.' && d.isDigit())) {
            i = finNumero(sql, i);
            tipo = Token::Numero;
        } else if (esLetraDePalabra(c)) {
            while (i < n && esLetraDePalabra(sql[i]))
                ++i;
            tipo = Token::Palabra;
        } else {
            ++i;
            tipo = Token::Simbolo;
        }
        t.push_back(Token{tipo, sql.mid(inicio, i - inicio)});
    }
    return t;
}

QString Une(const Tokens& tokens)
{
    QString s;
    for (const Token& k : tokens)
        s += k.texto;
    return s;
}

QString AdaptaSentencia(const QString& sql)
{
    Tokens t = Tokeniza(sql);
    quitaPrefijoNacional(t);
    quitaSugerencias(t);
    quitaEsquemaDbo(t);
    colacionDeFunciones(t);
    renombraFunciones(t);
    topALimit(t);
    deleteConFrom(t);
    return Sumas(t).rango(0, int(t.size()));
}

std::vector<SentenciaAdaptada> AdaptaLote(const QString& lote)
{
    std::vector<SentenciaAdaptada> lista;
    for (const Tokens& parte : Divisor(Tokeniza(lote)).divide())
        lista.push_back(clasifica(parte));
    return lista;
}

QString TablaDeConsulta(const QString& select)
{
    const Tokens t = Tokeniza(select);
    const int n = int(t.size());
    int i = primero(t, 0, n);
    if (i < 0 || !esPalabra(t[i], "SELECT"))
        return {};
    for (int prof = 0; i < n; ++i) {
        if (esSimbolo(t[i], '('))
            ++prof;
        else if (esSimbolo(t[i], ')'))
            --prof;
        else if (prof == 0 && esPalabra(t[i], "FROM"))
            break;
    }
    const auto esNombre = [&t](int k) {
        return k >= 0 && (t[k].tipo == Token::Nombre || (t[k].tipo == Token::Palabra && !reservada(t[k])));
    };
    int k = i < n ? siguiente(t, i) : -1;
    if (!esNombre(k))
        return {};
    QString tabla = t[k].texto;
    k = siguiente(t, k);
    // Dotted parts, empty ones included ("base..tabla").
    while (k >= 0 && esSimbolo(t[k], '.')) {
        tabla += u'.';
        k = siguiente(t, k);
        if (esNombre(k)) {
            tabla += t[k].texto;
            k = siguiente(t, k);
        }
    }
    if (k >= 0 && esPalabra(t[k], "AS"))
        k = siguiente(t, k);
    if (esNombre(k))
        k = siguiente(t, k);
    // Table hints: WITH (NOLOCK) or the older (NOLOCK).
    if (k >= 0 && esPalabra(t[k], "WITH"))
        k = siguiente(t, k);
    if (k >= 0 && esSimbolo(t[k], '(')) {
        const int c = cierre(t, k, n);
        k = c < 0 ? -1 : siguiente(t, c);
    }
    static const QSet<QString> siguen = {"WHERE", "ORDER", "GROUP", "LIMIT", "HAVING", "OPTION", "FOR"};
    if (k >= 0 && !esSimbolo(t[k], ';') && !(t[k].tipo == Token::Palabra && siguen.contains(t[k].texto.toUpper())))
        return {};
    return tabla;
}

QStringList PartesDeNombre(const QString& tabla)
{
    QStringList partes{QString()};
    for (const Token& k : Tokeniza(tabla)) {
        if (esSimbolo(k, '.')) {
            partes << QString();
        } else if (k.tipo == Token::Nombre) {
            const QChar fin = k.texto.back();
            partes.last() = sinComillas(k).replace(QString(2, fin), QString(fin));
        } else if (significativo(k)) {
            partes.last() = k.texto;
        }
    }
    while (partes.size() < 3)
        partes.prepend(QString());
    return partes.mid(partes.size() - 3);
}

QString AgregaColumnaInicial(const QString& select, const QString& columna)
{
    Tokens t = Tokeniza(select);
    const int s = primero(t, 0, int(t.size()));
    if (s < 0 || !esPalabra(t[s], "SELECT"))
        return select;
    int lista = siguiente(t, s);
    if (lista >= 0 && (esPalabra(t[lista], "DISTINCT") || esPalabra(t[lista], "ALL")))
        lista = siguiente(t, lista);
    if (lista < 0)
        return select;
    t.insert(lista, Token{Token::Palabra, columna + QStringLiteral(", ")});
    return Une(t);
}
