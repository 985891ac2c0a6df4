#include "platform/data/sql/RecorridoTokens.h"
#include "platform/data/sql/ReglasSql.h"

namespace {

struct Renombre {
    std::string_view nombre;
    bool llamada;  // called with "(", or a bare word
    QStringView nuevo;
};

// LEFT and RIGHT are keywords here and ISNULL an operator; the bare words are
// the server's niladic functions.
constexpr Renombre renombres[] = {{"LEFT", true, u"sqlsrv_left"},
                                  {"RIGHT", true, u"sqlsrv_right"},
                                  {"ISNULL", true, u"sqlsrv_isnull"},
                                  {"SYSTEM_USER", false, u"sqlsrv_system_user()"},
                                  {"CURRENT_TIMESTAMP", false, u"getdate()"}};

}  // namespace

void RenombraFunciones(Tokens& t)
{
    for (int i = 0; i < t.size(); ++i) {
        if (t[i].tipo != Token::Palabra)
            continue;
        for (const Renombre& r : renombres) {
            if (!IgualSinCaso(t[i].texto, r.nombre))
                continue;
            const int s = Siguiente(t, i);
            if ((s >= 0 && EsSimbolo(t[s], '(')) == r.llamada)
                t[i].texto = r.nuevo;
            break;
        }
    }
}
