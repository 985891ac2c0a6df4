#include "email/FormatoAdjunto.h"

#include "services/Configuracion.h"

#include <QStringList>

FormatoAdjunto LeeFormatoAdjunto(bool ParaReporte)
{
    const auto es = [](const QString& valor, const QStringList& nombres) {
        return nombres.contains(valor, Qt::CaseInsensitive);
    };
    FormatoAdjunto f;
    f.Valor = Cfg(QStringLiteral("eMail_formatoadjunto")).trimmed();
    if (f.Valor.isEmpty())
        f.Valor = QStringLiteral("PDF");
    if (ParaReporte && es(f.Valor, {"PDF"}))
        f.Valor = QStringLiteral("RPT");
    if (es(f.Valor, {"HTML", "HTM"}))
        f.Codigo = 22;
    else if (es(f.Valor, {"RTF"}))
        f.Codigo = 15;
    else if (es(f.Valor, {"XLS"}))
        f.Codigo = 25;
    else if (es(f.Valor, {"PDF"}))
        f.Codigo = 31;
    else if (es(f.Valor, {"RPT"}))
        f.Codigo = 7;
    return f;
}
