#include "services/SentenciasSQL.h"

#include "platform/base/Err.h"
#include "services/Objetos.h"

namespace {

[[noreturn]] void FueraDeRango()
{
    throw Err(NumeroError::SubindiceFueraDeRango);
}

const std::vector<CampoSQL>& Registros(const std::optional<std::vector<CampoSQL>>& lista)
{
    if (!lista || lista->empty())
        FueraDeRango();
    return *lista;
}

// "(a,b,c)" from one member of every record.
QString EntreParentesis(const std::vector<CampoSQL>& registros, QString CampoSQL::*miembro)
{
    qsizetype largo = 1;
    for (const CampoSQL& r : registros)
        largo += (r.*miembro).size() + 1;
    QString texto = QStringLiteral("(");
    texto.reserve(largo);
    for (size_t i = 0; i < registros.size(); ++i) {
        texto += registros[i].*miembro;
        texto += i + 1 < registros.size() ? u',' : u')';
    }
    return texto;
}

QString ColumnasYValores(const std::vector<CampoSQL>& registros)
{
    return EntreParentesis(registros, &CampoSQL::Campo) + QStringLiteral(" VALUES ") +
           EntreParentesis(registros, &CampoSQL::Valor);
}

}

std::optional<std::vector<CampoSQL>>& ListaCampos()
{
    static std::optional<std::vector<CampoSQL>> lista;
    return lista;
}

QString AdaptaSQLMotor(const QString& sql)
{
    if (!ConexionPrincipal().Proveedor().contains(QStringLiteral("oracle"), Qt::CaseInsensitive))
        return sql;
    if (ObjUtilidades().CuentaPalabras(sql) < 2)
        return sql.toUpper() == QStringLiteral("LEN") ? QStringLiteral("LENGTH") : sql;
    if (!sql.contains(QStringLiteral("top "), Qt::CaseInsensitive))
        return sql;

    const qsizetype p = sql.indexOf(QStringLiteral("top"), 0, Qt::CaseInsensitive);
    const QString cabeza = sql.left(p);
    const QString resto = sql.mid(p + 3);
    const qsizetype estrella = resto.indexOf(u'*');
    if (estrella < 0)
        throw Err(NumeroError::LlamadaInvalida);
    const QString cantidad = resto.left(estrella);
    const QString cola = resto.mid(estrella + 1);
    return cabeza + QStringLiteral(" * ") + cola + QStringLiteral(" WHERE ROWNUM <= ") + cantidad;
}

void AgregaCampoSQL(const QString& campo, const QString& valor, const QString& delimitador, bool nuevaLista)
{
    auto& lista = ListaCampos();
    if (nuevaLista)
        lista.emplace(1);
    else if (!lista)
        FueraDeRango();
    else
        lista->emplace_back();

    const QString sinApostrofes = QString(valor).remove(u'\'');
    CampoSQL& ultimo = lista->back();
    ultimo.Campo = campo;
    ultimo.Valor = sinApostrofes.toUpper() == QStringLiteral("NULL")
                       ? QStringLiteral("Null")
                       : ConexionPrincipal().FormatoLiteral(QVariant(sinApostrofes), delimitador);
}

void ArmaSentenciaSQL(std::optional<std::vector<CampoSQL>>& lista, QStringList& sentencias, const QString& tabla,
                      bool esUpdate, QString& condicion, bool conservarLista)
{
    const std::vector<CampoSQL>& registros = Registros(lista);
    QString sentencia;
    if (!esUpdate) {
        sentencia = QStringLiteral("INSERT INTO ") + tabla + QStringLiteral(" ") + ColumnasYValores(registros);
    } else {
        QString asignaciones;
        for (size_t i = 0; i < registros.size(); ++i) {
            asignaciones += registros[i].Campo + QStringLiteral(" = ") + registros[i].Valor;
            if (i + 1 < registros.size())
                asignaciones += QStringLiteral(",");
        }
        if (!condicion.contains(QStringLiteral("WHERE"), Qt::CaseInsensitive))
            condicion = QStringLiteral(" WHERE ") + condicion;
        sentencia = QStringLiteral("UPDATE ") + tabla + QStringLiteral(" SET ") + asignaciones +
                    QStringLiteral(" ") + condicion;
    }
    sentencias << sentencia << QString();
    if (!conservarLista)
        lista.emplace(1);
}

void ArmaValoresInsert(QString& sql, std::optional<std::vector<CampoSQL>>& lista, bool limpiarLista)
{
    sql += ColumnasYValores(Registros(lista));
    if (limpiarLista)
        lista.reset();
}
