#include "platform/data/sql/DivisorLote.h"

#include "platform/data/sql/RecorridoTokens.h"

#include <QSet>

namespace {

// Words after which a statement keyword continues the statement (UNION
// SELECT, DROP TABLE IF ...).
const QSet<QString>& noCortanDespues()
{
    static const QSet<QString> p = {"FOR",   "INSTEAD", "OF",    "AFTER", "BEFORE", "UNION",
                                    "ALL",  "EXCEPT", "INTERSECT", "AS", "THEN",  "ELSE",  "EXISTS",
                                    "TABLE", "VIEW", "INDEX", "TRIGGER", "NOT", "INTO"};
    return p;
}

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

    std::vector<Tokens> divide()
    {
        for (int i = 0; i < t_.size(); ++i) {
            const Token& k = t_[i];
            if (!Significativo(k)) {
                actual_.push_back(k);
                continue;
            }
            if (prof_ == 0 && !disparador_ && (EsSimbolo(k, ';') || esGoSolo(t_, i))) {
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
        if (EsSimbolo(k, '('))
            ++prof_;
        else if (EsSimbolo(k, ')') && prof_ > 0)
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
        const int s = Siguiente(t_, begin);
        return s >= 0
               && (EsPalabra(t_[s], "TRAN") || EsPalabra(t_[s], "TRANSACTION") || EsPalabra(t_[s], "DISTRIBUTED"));
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

}  // namespace

std::vector<Tokens> DivideLote(const Tokens& lote)
{
    return Divisor(lote).divide();
}
