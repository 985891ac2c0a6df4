#include "platform/data/sql/RecorridoTokens.h"
#include "platform/data/sql/ReglasSql.h"

#include <algorithm>
#include <vector>

namespace {

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
            if (!Significativo(t_[i])) {
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

    static Clase claseDeFuncion(QStringView nombre)
    {
        static const Vocabulario texto = {"upper", "lower", "ltrim", "rtrim", "trim", "substring", "substr",
                                          "replace", "sqlsrv_left", "sqlsrv_right", "char", "space",
                                          "replicate", "str", "nchar", "quotename", "sqlsrv_system_user"};
        static const Vocabulario numero = {"len", "count", "sum", "abs", "round", "charindex", "datediff",
                                           "year", "month", "day", "avg", "floor", "ceiling", "length"};
        if (texto.contiene(nombre))
            return Clase::Texto;
        if (numero.contiene(nombre))
            return Clase::Numero;
        return Clase::Desconocida;
    }

    static bool esTipoDeTexto(const Token& k)
    {
        static const Vocabulario tipos = {"VARCHAR", "NVARCHAR", "CHAR", "NCHAR", "TEXT", "NTEXT"};
        return k.tipo == Token::Palabra && tipos.contiene(k.texto);
    }

    // CAST(x AS varchar) and CONVERT(varchar, x) give text.
    Clase claseDeConversion(QStringView nombre, int a, int c) const
    {
        if (IgualSinCaso(nombre, "convert")) {
            const int tipo = Primero(t_, a, c);
            return tipo >= 0 && esTipoDeTexto(t_[tipo]) ? Clase::Texto : Clase::Numero;
        }
        int prof = 0, as = -1;
        for (int i = a; i < c; ++i) {
            if (EsSimbolo(t_[i], '('))
                ++prof;
            else if (EsSimbolo(t_[i], ')'))
                --prof;
            else if (prof == 0 && EsPalabra(t_[i], "AS"))
                as = i;
        }
        const int tipo = as < 0 ? -1 : Primero(t_, as + 1, c);
        return tipo >= 0 && esTipoDeTexto(t_[tipo]) ? Clase::Texto : Clase::Numero;
    }

    Clase claseDeParentesis(int a, int c) const
    {
        const int p = Primero(t_, a, c);
        if (p < 0 || EsPalabra(t_[p], "SELECT"))
            return Clase::Desconocida;
        Clase clase;
        const int f = finCadena(p, c, clase, nullptr);
        return f >= 0 && Primero(t_, f, c) < 0 ? clase : Clase::Desconocida;
    }

    int finNombre(int i, int hasta, Clase& clase) const
    {
        int f = i + 1;
        while (f + 1 < hasta && EsSimbolo(t_[f], '.')
               && (t_[f + 1].tipo == Token::Palabra || t_[f + 1].tipo == Token::Nombre || EsSimbolo(t_[f + 1], '*')))
            f += 2;
        const int p = Primero(t_, f, hasta);
        if (t_[i].tipo == Token::Palabra && f == i + 1 && p >= 0 && EsSimbolo(t_[p], '(')) {
            const int c = Cierre(t_, p, hasta);
            if (c < 0)
                return -1;
            const QStringView nombre = t_[i].texto;
            const bool conversion = IgualSinCaso(nombre, "cast") || IgualSinCaso(nombre, "convert");
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
        const int colate = f < 0 ? -1 : Primero(t_, f, hasta);
        if (colate < 0 || !EsPalabra(t_[colate], "COLLATE"))
            return f;
        const int nombre = Primero(t_, colate + 1, hasta);
        return nombre >= 0 && (t_[nombre].tipo == Token::Palabra || t_[nombre].tipo == Token::Nombre) ? nombre + 1 : f;
    }

    int finAtomoSolo(int i, int hasta, Clase& clase) const
    {
        const Token& k = t_[i];
        if (EsSimbolo(k, '-') || EsSimbolo(k, '+')) {
            const int j = Primero(t_, i + 1, hasta);
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
            if (EsPalabra(k, "NULL")) {
                clase = Clase::Nulo;
                return i + 1;
            }
            if (EsPalabra(k, "CASE")) {
                clase = Clase::Desconocida;
                return FinCaso(t_, i, hasta);
            }
            if (Reservada(k))
                return -1;
            return finNombre(i, hasta, clase);
        case Token::Nombre:
            return finNombre(i, hasta, clase);
        case Token::Simbolo:
            if (EsSimbolo(k, '(')) {
                const int c = Cierre(t_, i, hasta);
                if (c < 0)
                    return -1;
                clase = claseDeParentesis(i + 1, c);
                return c + 1;
            }
            if (EsSimbolo(k, '?')) {
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
        if (EsSimbolo(k, '|')) {
            concatena = op + 1 < hasta && EsSimbolo(t_[op + 1], '|');
            fin = concatena ? op + 2 : op + 1;
            return true;
        }
        return EsSimbolo(k, '*') || EsSimbolo(k, '/') || EsSimbolo(k, '%') || EsSimbolo(k, '-') || EsSimbolo(k, '&')
               || EsSimbolo(k, '^');
    }

    int finTermino(int i, int hasta, Termino& termino) const
    {
        Clase clase;
        int f = finAtomo(i, hasta, clase);
        if (f < 0)
            return -1;
        termino = Termino{i, f, clase, false};
        for (;;) {
            const int op = Primero(t_, f, hasta);
            int finOp;
            bool concatena;
            if (op < 0 || !operadorFuerte(op, hasta, finOp, concatena))
                break;
            const int j = Primero(t_, finOp, hasta);
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
            const int op = Primero(t_, f, hasta);
            if (op < 0 || !EsSimbolo(t_[op], '+'))
                break;
            const int j = Primero(t_, op + 1, hasta);
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
            if (EsSimbolo(t_[i], '(')) {
                const int c = Cierre(t_, i, b);
                if (c > 0) {
                    out.append(t_[i].texto).append(rango(i + 1, c)).append(t_[c].texto);
                    i = c + 1;
                    continue;
                }
            } else if (EsPalabra(t_[i], "CASE")) {
                const int f = FinCaso(t_, i, b);
                if (f > 0) {
                    out.append(t_[i].texto).append(rango(i + 1, f - 1)).append(t_[f - 1].texto);
                    i = f;
                    continue;
                }
            }
            out += t_[i++].texto;
        }
        return out;
    }

    // A concatenation compares on the server in the default collation, like
    // the text functions' results (ColacionDeFunciones).
    QString reescribe(const std::vector<Termino>& terminos, Clase clase) const
    {
        if (terminos.size() == 1 || clase == Clase::Numero || clase == Clase::Nulo)
            return emite(terminos.front().inicio, terminos.back().fin);
        const QString colacion = QStringLiteral(" COLLATE ") + ColacionDelServidor.toString();
        if (clase == Clase::Texto) {
            QString out;
            for (size_t k = 0; k < terminos.size(); ++k) {
                if (k > 0) {
                    for (int i = terminos[k - 1].fin; i < terminos[k].inicio; ++i)
                        out += EsSimbolo(t_[i], '+') ? QStringLiteral("||") : t_[i].texto;
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

}  // namespace

QString ReescribeSumas(const Tokens& t)
{
    const bool suma = std::any_of(t.begin(), t.end(), [](const Token& k) { return EsSimbolo(k, '+'); });
    return suma ? Sumas(t).rango(0, int(t.size())) : Une(t);
}
