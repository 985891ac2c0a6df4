#include "platform/reports/ConsultaInforme.h"

#include "platform/data/ConexionDatos.h"
#include "platform/reports/TraductorSeleccion.h"

QString SentenciaInforme(const ConexionDatos& conexion, const Diseno& diseno, const QString& seleccion,
                         const QStringList& orden)
{
    const TraductorSeleccion t(conexion, diseno.vistas());
    QStringList columnas;
    const QStringList campos = diseno.campos();
    for (int i = 0; i < campos.size(); ++i)
        columnas << t.campo(campos[i]) + QStringLiteral(" AS C") + QString::number(i);
    if (columnas.isEmpty())
        columnas << QStringLiteral("1 AS C0");
    QString sql = QStringLiteral("SELECT ") + columnas.join(QStringLiteral(", ")) + QStringLiteral(" FROM ") + diseno.vista;
    for (const Diseno::Union& u : diseno.uniones) {
        QStringList iguales;
        for (int i = 0; i < u.campos.size(); ++i)
            iguales << t.campo(u.vista + u'.' + u.campos[i]) + QStringLiteral(" = ") +
                           t.campo(u.desde + u'.' + u.camposDesde[i]);
        sql += QStringLiteral(" LEFT JOIN ") + u.vista + QStringLiteral(" ON ") + iguales.join(QStringLiteral(" AND "));
    }
    const QString condicion = t.condicion(seleccion);
    if (!condicion.isEmpty())
        sql += QStringLiteral(" WHERE ") + condicion;
    QString orden_ = t.orden(orden);
    if (orden_.isEmpty()) {
        QStringList propio;
        for (const QString& c : diseno.orden)
            propio << t.campo(c);
        orden_ = propio.join(QStringLiteral(", "));
    }
    if (!orden_.isEmpty())
        sql += QStringLiteral(" ORDER BY ") + orden_;
    return sql;
}

TablaInforme ConsultaInforme(ConexionDatos& conexion, const Diseno& diseno, const QString& seleccion,
                             const QStringList& orden)
{
    TablaInforme tabla;
    tabla.campos = diseno.campos();
    auto rs = conexion.AbreRecordset(SentenciaInforme(conexion, diseno, seleccion, orden));
    const int n = int(tabla.campos.size());
    for (; !rs->EOF(); rs->MoveNext()) {
        QVector<QVariant> fila(n);
        for (int i = 0; i < n; ++i)
            fila[i] = rs->Campo(i);
        tabla.filas.push_back(std::move(fila));
    }
    conexion.CierraRecordset(rs);
    return tabla;
}
