#include "printing/SeriesLotes.h"

#include "platform/base/GuardaErrores.h"
#include "platform/dialogs/Dialogos.h"
#include "services/Objetos.h"

void Cuenta_Series_Y_Lotes(const QString& Lista, QStringList& Items)
{
    Items = QStringList{QString()};
    QString s = Lista.trimmed();
    if (s.startsWith(u'|'))
        s.remove(0, 1);
    qsizetype barra;
    while ((barra = s.indexOf(u'|')) >= 0) {
        Items.last() = s.left(barra).trimmed();
        Items.append(QString());
        s = s.mid(barra + 1);
        if (s.trimmed().isEmpty())
            return;
    }
    if (!s.isEmpty()) {
        Items.last() = s.trimmed();
        Items.append(QString());
    }
}

QString Cuenta_Series_Lotes(QString& Lotes, const QString& Cantidades)
{
    GuardaErrores g(politicas::dialogo([](const Err& e) {
        return ConexionPrincipal().MuestraErrorDatos(e, Botones::AbortarReintentarIgnorar + Botones::IconoCritico,
                                                     QStringLiteral("Cuenta_Series_Lotes"));
    }));
    const Utilidades& u = ObjUtilidades();
    QStringList lotes{QString()}, cantidades{QString()};
    QString resultado;
    // Only ÿ itself: a case-blind removal would take Ÿ too.
    Lotes = u.ReemplazaCaracter(Lotes, QString(QChar(0xFF)), QString());
    Cuenta_Series_Y_Lotes(Cantidades, cantidades);
    Cuenta_Series_Y_Lotes(Lotes, lotes);
    if (Cantidades.isEmpty() && !Lotes.isEmpty())
        cantidades = QStringList(lotes.size(), QString());
    for (qsizetype i = 0; i < lotes.size() && !g.salio(); ++i) {
        if (i >= cantidades.size())
            continue;
        g.paso([&] {
            if (u.TextoAMoneda(cantidades[i]).diezmilesimas > 0)
                resultado += lotes[i] + u' ';
        });
    }
    return g.salio() ? QString() : resultado;
}
