#include "platform/data/sql/DivisorLote.h"

#include "platform/data/sql/RecorridoTokens.h"

#include <QVarLengthArray>

#include <utility>

namespace {

// Where each statement begins and ends; a batch seldom holds more.
using Rangos = QVarLengthArray<std::pair<int, int>, 8>;

// GO alone on its line separates batches in scripts.
bool esGoSolo(const Tokens& t, int i)
{
    auto finDeLinea = [](const Token& k) {
        return k.tipo == Token::Espacio && (k.texto.contains(u'\n') || k.texto.contains(u'\r'));
    };
    return EsPalabra(t[i], "GO") && (i == 0 || finDeLinea(t[i - 1])) && (i + 1 == t.size() || finDeLinea(t[i + 1]));
}

class Divisor {
public:
    explicit Divisor(const Tokens& t) : t_(t) {}

    Rangos divide()
    {
        for (int i = 0; i < t_.size(); ++i) {
            const Token& k = t_[i];
            if (!Significativo(k))
                continue;
            if (prof_ == 0 && !disparador_ && (EsSimbolo(k, ';') || esGoSolo(t_, i))) {
                cierra(i, i + 1);
                continue;
            }
            if (prof_ == 0 && !disparador_ && primera_ >= 0 && empiezaSentencia(k))
                cierra(i, i);
            agrega(i);
        }
        cierra(int(t_.size()), int(t_.size()));
        return std::move(partes_);
    }

private:
    void agrega(int i)
    {
        const Token& k = t_[i];
        const bool empieza = primera_ < 0;
        if (EsSimbolo(k, '('))
            ++prof_;
        else if (EsSimbolo(k, ')') && prof_ > 0)
            --prof_;
        else if (prof_ == 0 && EsPalabra(k, "CASE"))
            ++casos_;
        else if (prof_ == 0 && EsPalabra(k, "END") && casos_ > 0)
            --casos_;
        else if (EsPalabra(k, "VALUES"))
            conValues_ = true;
        else if (EsPalabra(k, "TRIGGER") && primeraEs("CREATE"))
            disparador_ = true;
        else if (disparador_ && prof_ == 0 && EsPalabra(k, "END"))
            disparador_ = false;
        anterior_ = i;
        if (empieza)
            primera_ = i;
        // ELSE, END and a block's BEGIN stand alone.
        if (empieza
            && (EsPalabra(k, "ELSE") || EsPalabra(k, "END") || (EsPalabra(k, "BEGIN") && !iniciaTransaccion(i))))
            cierra(i + 1, i + 1);
    }

    bool primeraEs(std::string_view palabra) const { return primera_ >= 0 && EsPalabra(t_[primera_], palabra); }

    bool iniciaTransaccion(int begin) const
    {
        const int s = Siguiente(t_, begin);
        return s >= 0
               && (EsPalabra(t_[s], "TRAN") || EsPalabra(t_[s], "TRANSACTION") || EsPalabra(t_[s], "DISTRIBUTED"));
    }

    // The token before goes on into this one: UNION SELECT, DROP TABLE IF
    // ..., and any operator or separator but ")".
    bool continua() const
    {
        static const Vocabulario noCortanDespues = {"FOR",  "INSTEAD", "OF",      "AFTER", "BEFORE",
                                                    "UNION", "ALL",    "EXCEPT",  "INTERSECT", "AS",
                                                    "THEN", "ELSE",    "EXISTS",  "TABLE", "VIEW",
                                                    "INDEX", "TRIGGER", "NOT",    "INTO"};
        const Token& a = t_[anterior_];
        if (a.tipo == Token::Palabra && noCortanDespues.contiene(a.texto))
            return true;
        return a.texto.size() == 1 && !a.texto[0].isLetterOrNumber() && a.texto != u")";
    }

    bool empiezaSentencia(const Token& k) const
    {
        static const Vocabulario comienzos = {"SELECT", "SET",     "DROP",     "ALTER",   "ELSE",  "END",    "INSERT",
                                              "UPDATE", "DELETE",  "BEGIN",    "COMMIT",  "ROLLBACK", "CREATE",
                                              "EXEC",   "EXECUTE", "USE",      "IF",      "TRUNCATE", "DECLARE",
                                              "PRINT"};
        if (k.tipo != Token::Palabra || !comienzos.contiene(k.texto) || continua())
            return false;
        // ON DELETE / ON UPDATE of a table's foreign key.
        if (EsPalabra(t_[anterior_], "ON") && (EsPalabra(k, "UPDATE") || EsPalabra(k, "DELETE"))
            && (primeraEs("CREATE") || primeraEs("ALTER")))
            return false;
        if (EsPalabra(k, "SELECT"))
            return !(primeraEs("CREATE") || primeraEs("ALTER") || primeraEs("WITH")
                     || (primeraEs("INSERT") && !conValues_));
        if (EsPalabra(k, "SET"))
            return !primeraEs("UPDATE") && !primeraEs("CREATE") && !primeraEs("ALTER");
        if (EsPalabra(k, "DROP") || EsPalabra(k, "ALTER"))
            return !primeraEs("ALTER");
        if (EsPalabra(k, "ELSE") || EsPalabra(k, "END"))
            return casos_ == 0;
        return true;
    }

    // The statement runs up to `fin`; the next one starts at `siguiente`,
    // past a separator.
    void cierra(int fin, int siguiente)
    {
        if (primera_ >= 0)
            partes_.emplace_back(inicio_, fin);
        inicio_ = siguiente;
        primera_ = anterior_ = -1;
        prof_ = casos_ = 0;
        conValues_ = disparador_ = false;
    }

    const Tokens& t_;
    Rangos partes_;
    // Where the statement begins, its first significant token and the last
    // one so far.
    int inicio_ = 0, primera_ = -1, anterior_ = -1;
    int prof_ = 0, casos_ = 0;
    bool conValues_ = false, disparador_ = false;
};

}  // namespace

std::vector<Tokens> DivideLote(Tokens lote)
{
    const Rangos rangos = Divisor(lote).divide();
    std::vector<Tokens> partes;
    // A batch of one statement is most batches: it keeps its tokens.
    if (rangos.size() == 1 && rangos[0] == std::pair(0, lote.size())) {
        partes.push_back(std::move(lote));
        return partes;
    }
    for (const auto& [inicio, fin] : rangos)
        partes.push_back(lote.mid(inicio, fin - inicio));
    return partes;
}
